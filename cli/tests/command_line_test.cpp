#include "cli/command_line.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(CommandLine, EveryEntryOptionFillsItsBox) {
    ParseResult parsed = parseCommandLine({"calc",       "Smith",
                                           "--hours1",   "40",
                                           "--hours2",   "2",
                                           "--ot",       "3",
                                           "--ot15",     "4",
                                           "--holiday",  "5",
                                           "--vacation", "6",
                                           "--dollars",  "7.5",
                                           "--tips",     "8",
                                           "--ot2x",     "--week-ending",
                                           "12/30/2016", "--louisiana-prior",
                                           "--json",     "--dir",
                                           "/tmp"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    const CommandLine& line = *parsed.commandLine;
    EXPECT_EQ(line.command, CommandLine::Command::Calc);
    EXPECT_EQ(line.name, "Smith");
    const std::array<std::string, 8> boxes = {"40", "2", "3", "4", "5", "6", "7.5", "8"};
    EXPECT_EQ(line.entries, boxes);
    EXPECT_TRUE(line.ot2x);
    EXPECT_TRUE(line.louisianaPrior);
    EXPECT_TRUE(line.json);
    EXPECT_EQ(line.weekEnding, "12/30/2016");
    EXPECT_EQ(line.dir, "/tmp");
}

TEST(CommandLine, BoxesNotGivenStayEmptyAndOneXIsTheDefault) {
    ParseResult parsed = parseCommandLine({"--dir", "d", "calc", "Smith"});
    ASSERT_TRUE(parsed.commandLine);
    EXPECT_EQ(parsed.commandLine->entries, (std::array<std::string, 8>{}));
    EXPECT_FALSE(parsed.commandLine->ot2x);
    EXPECT_FALSE(parsed.commandLine->json);
}

TEST(CommandLine, PrintCheckTakesItsOptionsAndThePeriods) {
    ParseResult parsed = parseCommandLine(
        {"print", "check", "Smith", "--pdf", "out.pdf", "--offset-h", "+2", "--offset-v", "1.5",
         "--check-date", "1/2/2017", "--memo", "Week 52", "--hours1", "40", "--ot2x"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    const CommandLine& line = *parsed.commandLine;
    EXPECT_EQ(line.command, CommandLine::Command::Print);
    EXPECT_TRUE(runsInPrintProgram(line.command));
    EXPECT_EQ(line.printKind, "check");
    EXPECT_EQ(line.name, "Smith");
    EXPECT_EQ(line.pdf, "out.pdf");
    EXPECT_EQ(line.offsetH, "+2");
    EXPECT_EQ(line.offsetV, "1.5");
    EXPECT_EQ(line.checkDate, "1/2/2017");
    EXPECT_EQ(line.memo, "Week 52");
    EXPECT_EQ(line.entries[0], "40");
    EXPECT_TRUE(line.ot2x);
}

TEST(CommandLine, HeadingTakesTheFourBoxesInTheirOrder) {
    ParseResult parsed =
        parseCommandLine({"heading", "--id", "01", "--company", "Harbor", "--zip", "Portland"});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(parsed.commandLine->command, CommandLine::Command::Heading);
    EXPECT_FALSE(runsInPrintProgram(parsed.commandLine->command));
    const std::array<std::optional<std::string>, 4> boxes = {"Harbor", std::nullopt, "Portland",
                                                             "01"};
    EXPECT_EQ(parsed.commandLine->heading, boxes);
}

TEST(CommandLine, CheckTakesAnyNumberOfNames) {
    for (const std::vector<std::string>& names :
         {std::vector<std::string>{}, {"Smith"}, {"Smith", "Jones", ""}}) {
        std::vector<std::string> args = {"check"};
        args.insert(args.end(), names.begin(), names.end());
        ParseResult parsed = parseCommandLine(args);
        ASSERT_TRUE(parsed.commandLine) << parsed.error;
        EXPECT_EQ(parsed.commandLine->command, CommandLine::Command::Check);
        EXPECT_EQ(parsed.commandLine->names, names);
    }
}

TEST(CommandLine, AnOffendingArgumentIsQuotedShortAndEscaped) {
    ParseResult parsed = parseCommandLine({"calc", "Smith", "--\x1b[31m" + std::string(500, 'x')});
    ASSERT_FALSE(parsed.commandLine);
    EXPECT_EQ(parsed.error.find('\x1b'), std::string::npos);
    EXPECT_LT(parsed.error.size(), 120u) << parsed.error;
    EXPECT_NE(parsed.error.find("\\x1b[31m"), std::string::npos) << parsed.error;
}

TEST(CommandLine, UsageErrors) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"calc"},
        {"calc", "A", "B"},
        {"delete", "Smith"},
        {"calc", "Smith", "--hours1"},
        {"calc", "Smith", "--frobnicate"},
        {"new", "Smith", "--hours1", "40"},
        {"check", "Smith", "--hours1", "40"},
        {"check", "--json"},
        {"new"},
        {"--dir"},
    };
    for (const auto& args : wrong) {
        SCOPED_TRACE(::testing::PrintToString(args));
        ParseResult parsed = parseCommandLine(args);
        EXPECT_FALSE(parsed.commandLine);
        EXPECT_FALSE(parsed.error.empty());
    }
}

}  // namespace
}  // namespace quillon
