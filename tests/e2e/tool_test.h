// A fixture that runs a copy of the program in a folder of its own, with a
// test ipconfig and a recording netsh beside it when asked, .VBS files and
// web addresses going to the recorder, and helpers for what users see.
#pragma once

#include "main_window.h"
#include "recording.h"
#include "typing.h"

#include <array>

namespace e2e {

// The five setting boxes, in box order (IP address ... alternate DNS).
using BoxTexts = std::array<std::string, 5>;

class ToolTest : public MainWindowTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string inFolder(const std::string& nameAnsi) const { return folder->path() + nameAnsi; }
    // <folder>\ipconfig\all.exe, which cmd runs for "ipconfig/all" under Wine.
    void addIpconfig(const std::string& report);
    void addNetsh();
    void startTool() { ASSERT_NO_FATAL_FAILURE(start(exe, folder->path())); }

    // A real pick of a drop-down list entry, handled to the end.
    void choose(Name list, int index);
    void typeInto(Name box, const std::string& utf8);
    // A real click on a button that opens no box, handled to the end.
    void pressButton(Name button);
    BoxTexts boxTexts() const;
    void expectBoxes(const BoxTexts& expected) const;

    // Waits for the program's message box, checks title and text (UTF-8;
    // the text may be a prefix only) and presses its one button.
    void answerMessage(const std::string& title, const std::string& text, bool prefix = false);
    // No dialog of the program exists, shown or not yet shown.
    void expectNoMessageBox() const;
    void exitByEsc();

    RecordLog log;
    RecorderAssociations associations;
    std::unique_ptr<TempFolder> folder = std::make_unique<TempFolder>();
    std::string exe;
};

} // namespace e2e
