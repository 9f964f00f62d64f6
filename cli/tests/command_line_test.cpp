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
         {std::vector<std::string>{}, {"Smith"}, {"Smith", "Jones", "Jones Jr."}}) {
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

TEST(CommandLine, TheRegisterCommands) {
    ParseResult posted = parseCommandLine(
        {"calc", "Smith", "--post", "27", "--week-ending", "7/1/2016", "--hours1", "40"});
    ASSERT_TRUE(posted.commandLine) << posted.error;
    EXPECT_EQ(posted.commandLine->postRow, 27);
    EXPECT_EQ(posted.commandLine->weekEnding, "7/1/2016");
    EXPECT_FALSE(runsInPrintProgram(posted.commandLine->command));

    ParseResult shown = parseCommandLine({"register", "Smith", "--json"});
    ASSERT_TRUE(shown.commandLine) << shown.error;
    EXPECT_EQ(shown.commandLine->command, CommandLine::Command::Register);
    EXPECT_EQ(shown.commandLine->name, "Smith");
    EXPECT_TRUE(shown.commandLine->json);

    ParseResult exported = parseCommandLine({"--dir", "d", "export", "Smith", "out.xlsx"});
    ASSERT_TRUE(exported.commandLine) << exported.error;
    EXPECT_EQ(exported.commandLine->command, CommandLine::Command::Export);
    EXPECT_EQ(exported.commandLine->workbook, "out.xlsx");
    EXPECT_TRUE(runsInPrintProgram(exported.commandLine->command));

    ParseResult printed = parseCommandLine({"print", "register", "Smith", "--pdf", "r.pdf"});
    ASSERT_TRUE(printed.commandLine) << printed.error;
    EXPECT_EQ(printed.commandLine->command, CommandLine::Command::Print);
    EXPECT_EQ(printed.commandLine->printKind, "register");
    EXPECT_EQ(printed.commandLine->name, "Smith");
    EXPECT_EQ(printed.commandLine->pdf, "r.pdf");
    EXPECT_TRUE(runsInPrintProgram(printed.commandLine->command));
}

// An output file must be of its kind, in any case: `export Smith Smith.yrw` would put a
// workbook where the year's postings are.
TEST(CommandLine, AnOutputFileMustEndInItsExtension) {
    const struct {
        std::vector<std::string> args;
        bool accepted;
    } cases[] = {
        {{"export", "Smith", "Smith.yrw"}, false},
        {{"export", "Smith", "Smith.use"}, false},
        {{"export", "Smith", "out.xlsx.bak"}, false},
        {{"export", "Smith", "xlsx"}, false},
        {{"export", "Smith", ""}, false},
        {{"export", "Smith", "out.xlsx"}, true},
        {{"export", "Smith", "books/Smith YTD.XLSX"}, true},
        {{"export", "Smith", "a.XlSx"}, true},
        {{"print", "statement", "Smith", "--pdf", "Smith.use"}, false},
        {{"print", "check", "Smith", "--pdf", "check.pdf.tmp"}, false},
        {{"print", "register", "Smith", "--pdf", "pdf"}, false},
        {{"print", "register", "Smith", "--pdf", ""}, false},
        {{"print", "register", "Smith", "--pdf", "r.PDF"}, true},
        {{"print", "check", "Smith", "--pdf", "out/check.pdf"}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        ParseResult parsed = parseCommandLine(c.args);
        EXPECT_EQ(parsed.commandLine.has_value(), c.accepted) << parsed.error;
        if (!c.accepted) {
            EXPECT_NE(
                parsed.error.find(c.args[0] == "export" ? "must end in .xlsx" : "must end in .pdf"),
                std::string::npos)
                << parsed.error;
        }
    }
}

// An empty NAME names the default files: a script's unset variable would change the defaults of
// every new employee.
TEST(CommandLine, AnEmptyNameIsAUsageError) {
    const std::vector<std::vector<std::string>> empty = {
        {"new", ""},
        {"calc", "", "--hours1", "40"},
        {"register", ""},
        {"export", "", "a.xlsx"},
        {"print", "check", "", "--pdf", "a.pdf"},
        {"check", "Smith", ""},
    };
    for (const auto& args : empty) {
        SCOPED_TRACE(::testing::PrintToString(args));
        ParseResult parsed = parseCommandLine(args);
        EXPECT_FALSE(parsed.commandLine);
        EXPECT_EQ(parsed.error, "NAME is empty: give the employee's name");
    }
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
        {"calc", "Smith", "--post"},
        {"calc", "Smith", "--post", "0"},
        {"calc", "Smith", "--post", "54"},
        {"calc", "Smith", "--post", "5x"},
        {"calc", "Smith", "--post", "+5"},
        {"register", "Smith", "--post", "5"},
        {"register", "Smith", "--hours1", "40"},
        {"register"},
        {"export", "Smith"},
        {"export", "Smith", "a.xlsx", "--json"},
        {"print", "register", "Smith"},
        {"print", "register", "--pdf", "a.pdf"},
        {"calc", "Smith", "--pdf", "a.pdf"},
        // The register printout prints the files and calculates nothing; only calc posts.
        {"print", "register", "Smith", "--pdf", "a.pdf", "--hours1", "40"},
        {"print", "statement", "Smith", "--pdf", "a.pdf", "--post", "3"},
        {"heading", "--post", "3"},
        {"register", "Smith", "--memo", "M"},
        {"export", "Smith", "a.xlsx", "--company", "C"},
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
