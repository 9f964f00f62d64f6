// What quillon-cli and quillon-print share: where quillon-print is looked for, and the terminal
// that tells each message once.
#include "cli/program.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

// quillon-print is started by an absolute path only: a bare name would be looked up in the
// current folder, which is the data folder, where anyone can leave a program of that name.
TEST(PrintProgramPath, IsAlwaysAbsoluteAndNeverABareName) {
    const struct {
        const char* self;  // what /proc/self/exe gave, "" when it could not be read
        const char* argv0;
        const char* current;
        const char* found;  // "" for none
    } cases[] = {
        {"/usr/local/bin/quillon-cli", "quillon-cli", "/data", "/usr/local/bin/quillon-print"},
        {"/opt/q/bin/quillon-cli", "/elsewhere/quillon-cli", "/data", "/opt/q/bin/quillon-print"},
        {"", "/opt/q/bin/quillon-cli", "/data", "/opt/q/bin/quillon-print"},
        {"", "bin/quillon-cli", "/home/ann", "/home/ann/bin/quillon-print"},
        {"", "../q/./bin/quillon-cli", "/home/ann/data", "/home/ann/q/bin/quillon-print"},
        {"", "./quillon-cli", "/home/ann/bin", "/home/ann/bin/quillon-print"},
        {"", "quillon-cli", "/data", ""},
        {"quillon-cli", "quillon-cli", "/data", ""},  // not a path /proc/self/exe gives
        {"", "", "/data", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.self) + " | " + c.argv0);
        const PrintProgramPath found = printProgramPath(c.self, c.argv0, c.current);
        if (*c.found == '\0') {
            EXPECT_FALSE(found.path) << found.path->string();
            EXPECT_NE(found.problem.find("/proc/self/exe cannot be read"), std::string::npos)
                << found.problem;
            EXPECT_NE(found.problem.find("bare name"), std::string::npos) << found.problem;
        } else {
            ASSERT_TRUE(found.path) << found.problem;
            EXPECT_EQ(*found.path, c.found);
        }
    }
}

TEST(TerminalText, KeepsTheLinesAndEscapesTheRest) {
    EXPECT_EQ(terminalText("Could not save Smith.use.\r\nthe file is read-only\r\n"),
              "Could not save Smith.use.\nthe file is read-only\n");
    EXPECT_EQ(terminalText("Jos\xc3\xa9\x80\x1b[2J\ta"), "Jos\xc3\xa9\\x80\\x1b[2J\\ta");
    EXPECT_EQ(terminalText("a\rb"), "a\\rb");
}

}  // namespace
}  // namespace quillon
