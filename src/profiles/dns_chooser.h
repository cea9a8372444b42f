// The DNS chooser: built-in presets and the two custom profiles.
#pragma once

struct DnsPreset {
    const char* ipAddress;
    const char* subnetMask;
    const char* gateway;
    const char* preferredDns;
    const char* alternateDns;
};

extern const DnsPreset openDnsPreset;
extern const DnsPreset hubeiPreset;

void onDnsChooserSelected();
