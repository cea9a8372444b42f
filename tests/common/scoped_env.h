// An environment variable of this process set for a scope, then put back;
// programs started meanwhile inherit it.
#pragma once

#include <windows.h>

#include <string>

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        char old[32768];
        DWORD n = GetEnvironmentVariableA(name, old, sizeof old);
        had_ = n > 0 && n < sizeof old;
        if (had_) old_.assign(old, n);
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~ScopedEnv() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    bool had_;
    std::string old_;
};
