#include "settings_script.h"

const char* const settingsScriptName = "\\Quorbel本地连接ip设置.VBS";

namespace {

// The fixed texts between the five inserted values, each running from the
// double quote after one value to the double quote before the next.
const char* const beforeIpAddress =
    "strComputer = \".\"\r\n"
    "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
    "\r\n"
    "Set colNetAdapters = objWMIService.ExecQuery _\r\n"
    "    (\"Select * from Win32_NetworkAdapterConfiguration Where IPEnabled=True\")\r\n"
    "\r\n"
    "strIPAddress = Array(\"";
const char* const beforeSubnetMask = "\")\r\n"
                                     "strSubnetMask = Array(\"";
const char* const beforeGateway =
    "\")\r\n"
    "\r\n"
    "For Each objNetAdapter in colNetAdapters\r\n"
    "    errEnable = objNetAdapter.EnableStatic(strIPAddress, strSubnetMask)\r\n"
    "Next\r\n"
    "Const STR_GATEWAY = \"";
const char* const beforePreferredDns = "\"\r\n"
                                       "Const STR_NEWDNS1 = \"";
const char* const beforeAlternateDns = "\"\r\n"
                                       "Const STR_NEWDNS2 = \"";
const char* const afterAlternateDns =
    "\" \r\n"
    "Set fs=CreateObject(\"Scripting.FileSystemObject\")\r\n"
    "strWinMgmt=\"winmgmts:{impersonationLevel=impersonate}\"\r\n"
    "Set objNICs = GetObject( strWinMgmt ).InstancesOf(\"Win32_NetworkAdapterConfiguration\")\r\n"
    "For Each objNIC In objNICs\r\n"
    "If objNIC.IPEnabled Then\r\n"
    "objNIC.SetDNSServerSearchOrder Array(STR_NEWDNS1,STR_NEWDNS2)\r\n"
    "objNIC.SetGateways Array(STR_GATEWAY)\r\n"
    "End If\r\n"
    "Next";

} // namespace

std::string buildSettingsScript(const std::string& ipAddress, const std::string& subnetMask,
                                const std::string& gateway, const std::string& preferredDns,
                                const std::string& alternateDns) {
    return beforeIpAddress + ipAddress + beforeSubnetMask + subnetMask + beforeGateway + gateway +
           beforePreferredDns + preferredDns + beforeAlternateDns + alternateDns +
           afterAlternateDns;
}
