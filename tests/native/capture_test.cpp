#include "reader/capture.h"
#include "reader/capture_batch.h"

#include "fakes.h"
#include "reader/capture_state.h"
#include "reader/settings_display.h"

#include <gtest/gtest.h>

namespace {

const std::string xpReport = "\r\nWindows IP Configuration\r\n\r\n"
                             "        Host Name . . . . . . . . . . . . : PC1\r\n"
                             "Ethernet adapter 本地连接:\r\n\r\n"
                             "        Physical Address. . . . . . . . . : 00-11-22-33-44-55\r\n"
                             "        IP Address. . . . . . . . . . . . : 192.168.1.5\r\n"
                             "        Subnet Mask . . . . . . . . . . . : 255.255.255.0\r\n"
                             "        Default Gateway . . . . . . . . . : 192.168.1.1\r\n"
                             "        DNS Servers . . . . . . . . . . . : 192.168.1.2\r\n"
                             "                                            192.168.1.3\r\n";

const std::string nineXReport = "        Host Name . . . . . . . . . : W98.LAN\r\n"
                                "        DNS Servers . . . . . . . . : 10.0.0.2\r\n"
                                "        Node Type . . . . . . . . . : Broadcast\r\n"
                                "1 Ethernet adapter :\r\n"
                                "        Physical Address. . . . . . : 44-45-53-54-00-01\r\n"
                                "        IP Address. . . . . . . . . : 10.0.0.9\r\n"
                                "        Subnet Mask . . . . . . . . : 255.0.0.0\r\n"
                                "        Default Gateway . . . . . . : 10.0.0.1\r\n";

TEST(Capture, BatchTextAndCommandLine) {
    struct Case {
        const char* folder;
        const char* inBatch;  // the report path as the batch names it
        const char* batchRun; // the command line that runs the batch
    } cases[] = {
        {"C:\\TEMP\\", "C:\\TEMP\\\\ipmac.txt", "C:\\TEMP\\\\ipmac.bat"},
        // A blank would split the path: quoted only then.
        {"C:\\Documents and Settings\\x\\", "\"C:\\Documents and Settings\\x\\\\ipmac.txt\"",
         "\"C:\\Documents and Settings\\x\\\\ipmac.bat\""},
        // cmd would run what follows an &, or read ( ) ^ as its own.
        {"C:\\A&B\\", "\"C:\\A&B\\\\ipmac.txt\"", "\"C:\\A&B\\\\ipmac.bat\""},
        {"C:\\(x)^y\\", "\"C:\\(x)^y\\\\ipmac.txt\"", "\"C:\\(x)^y\\\\ipmac.bat\""},
        // A batch file reads %% as one %; a command line leaves a lone % alone.
        {"C:\\100%\\", "\"C:\\100%%\\\\ipmac.txt\"", "\"C:\\100%\\\\ipmac.bat\""},
    };
    for (const Case& c : cases) {
        std::string folder = c.folder;
        EXPECT_EQ(captureBatchText(folder + "\\ipmac.txt"),
                  std::string("@ECHO OFF\r\nipconfig/all > ") + c.inBatch + "\r\n")
            << c.folder;
        EXPECT_EQ(batchCommandLine(folder + "\\ipmac.bat"), c.batchRun) << c.folder;
    }
}

TEST(Capture, RunsTheBatchAndParsesByOsKind) {
    struct Case {
        int osKind;
        std::string report, record;
    } cases[] = {
        {3, xpReport,
         "PC1|192.168.1.2|192.168.1.3|00-11-22-33-44-55|192.168.1.5|255.255.255.0|192.168.1.1"},
        {2, nineXReport, "W98|10.0.0.2||44-45-53-54-00-01|10.0.0.9|255.0.0.0|10.0.0.1"},
        {1, xpReport, ""},
        {0, xpReport, ""},
    };
    for (const Case& c : cases) {
        resetFakes();
        host.osKind = c.osKind;
        host.ipconfigReport = c.report;
        host.files["C:\\TEMP\\\\ipmac.txt"] = "an older report";
        host.files["C:\\TEMP\\\\ipmac.bat"] = "an older batch";
        EXPECT_EQ(captureCurrentConfig(), c.record) << c.osKind;
        EXPECT_EQ(host.commands, (std::vector<std::string>{"C:\\TEMP\\\\ipmac.bat"}));
        EXPECT_EQ(host.batchSeen, "@ECHO OFF\r\nipconfig/all > C:\\TEMP\\\\ipmac.txt\r\n");
        EXPECT_TRUE(host.files.empty()) << "neither batch nor report remains, kind " << c.osKind;
        EXPECT_EQ(openFileCount(), 0);
        EXPECT_EQ(host.waitCursor, (std::vector<bool>{true, false}));
        EXPECT_EQ(osKind, c.osKind);
    }
}

TEST(SettingsDisplay, FillsTheBoxesFromTheRecord) {
    struct Case {
        const char* name;
        std::string report;
        std::string boxes[5]; // 编辑框1 .. 编辑框5
    } cases[] = {
        {"full record",
         xpReport,
         {"192.168.1.5", "255.255.255.0", "192.168.1.1", "192.168.1.2", "192.168.1.3"}},
        {"empty gateway",
         "        Host Name . . . . . . . . . . . . : H\r\n"
         "        Physical Address. . . . . . . . . : M\r\n"
         "        IP Address. . . . . . . . . . . . : I\r\n"
         "        Subnet Mask . . . . . . . . . . . : S\r\n",
         {"I", "S", "", "", ""}},
        {"nothing", "", {"", "", "", "", ""}},
    };
    const Control boxes[5] = {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5};
    for (const Case& c : cases) {
        resetFakes();
        for (Control box : boxes)
            controls.text[box] = "old";
        host.ipconfigReport = c.report;
        onAdapterSelected();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(controls.text[boxes[i]], c.boxes[i]) << c.name << " box " << i + 1;
    }
}

} // namespace
