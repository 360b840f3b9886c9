// The harness itself: a run ends when the tool ends, even while a process
// the tool left behind (as Wine leaves its server and services) still holds
// the tool's output pipes open.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "tool_runner.h"

namespace {

TEST(ToolRunner, RunEndsWithTheToolNotWithTheProcessesItLeaves) {
    if (TestingWindowsBuild()) GTEST_SKIP() << "runs a shell script as the tool";
    Sandbox sandbox;
    const std::string script = "sleep 5 &\necho out\nexit 3\n";
    sandbox.Write("leaves_a_helper.sh", Bytes(script.begin(), script.end()));
    const char* previous = std::getenv("RAREDUZUVER_TOOL");
    std::string saved = previous ? previous : "";
    setenv("RAREDUZUVER_TOOL", "/bin/sh leaves_a_helper.sh", 1);
    auto start = std::chrono::steady_clock::now();
    ToolRun run = sandbox.Run({});
    auto took = std::chrono::steady_clock::now() - start;
    if (previous) {
        setenv("RAREDUZUVER_TOOL", saved.c_str(), 1);
    } else {
        unsetenv("RAREDUZUVER_TOOL");
    }
    ExpectRun(run, "out\n", 3);
    EXPECT_LT(took, std::chrono::seconds(3));
}

}  // namespace
