// The automatic button runs the two netsh commands for "本地连接", address
// first; a recording netsh beside the program takes them (Wine's own netsh
// would be found otherwise, so that case is not run).
#include "tool_test.h"

namespace e2e {
namespace {

class Automatic : public ToolTest {};

TEST_F(Automatic, RunsTheTwoNetshCommandsInOrderThenReportsSuccess) {
    ASSERT_NO_FATAL_FAILURE(addNetsh());
    ASSERT_NO_FATAL_FAILURE(startTool());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 1));
    BoxTexts before = boxTexts();
    ASSERT_TRUE(click(control(按钮3))) << lastFailure();
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"成功！", u8"修改成功！请查看本地连接"));
    // Both have ended before the box: netsh is waited for.
    std::vector<Record> records = log.records();
    ASSERT_EQ(records.size(), 2u) << log.arguments();
    // GBK bytes, as the commands reach netsh.
    EXPECT_EQ(records[0].commandLine, "netsh interface ip set address \"本地连接\" dhcp");
    EXPECT_EQ(records[1].commandLine, "netsh interface ip set dns \"本地连接\" dhcp");
    EXPECT_EQ(boxTexts(), before);
    expectNoMessageBox();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

} // namespace
} // namespace e2e
