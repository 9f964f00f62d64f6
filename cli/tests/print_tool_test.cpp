// quillon-cli print and heading as scripts use them: PDF files made end to end through
// quillon-print and read back with pdftotext, and what is refused with nothing printed.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/tests/tool_fixture.hpp"
#include "engine/tests/two_weeks.hpp"
#include "records/files.hpp"

namespace quillon {
namespace {

using testing::ToolRun;

std::string output(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        out.append(buffer.data(), n);
    }
    pclose(pipe);
    return out;
}

class PrintTool : public testing::Tool {
  protected:
    // The PDF's text, columns kept in place.
    std::string pdfText(const std::string& name) const {
        return output(std::string(QUILLON_PDFTOTEXT) + " -layout '" + (dir / name).string() +
                      "' -");
    }

    // A new employee at the default 7.50 an hour, two weeks in his register, and the heading.
    void setUpSmith() const {
        ASSERT_EQ(run("new Smith").status, 0);
        ASSERT_FALSE(
            writeRegisterFile(dir / "Smith.yrw", testing::twoPostedWeeks(0), kWeeklyRows).failed());
        ToolRun heading =
            run("heading --company 'Harbor Street Hardware' --address '1200 Harbor Street' "
                "--zip 'Portland, ME 04101' --id 01-2345678");
        ASSERT_EQ(heading.status, 0) << heading.err;
    }
};

// One line of the text that holds every one of the words, in this order, apart by blanks.
::testing::AssertionResult hasLine(const std::string& text, const std::vector<std::string>& words) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::size_t at = 0;
        bool all = true;
        for (const std::string& word : words) {
            at = line.find(word, at);
            if (at == std::string::npos) {
                all = false;
                break;
            }
            at += word.size();
        }
        if (all) {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure()
           << "no line with " << ::testing::PrintToString(words) << " in:\n"
           << text;
}

// 40 hours at 7.50: gross 300.00, federal 29.60, net 236.71 (worked in tool_test.cpp); the
// year to date from the register file: federal 2 x 54.23, net 2 x 480.16.
TEST_F(PrintTool, TheStatementCarriesTheWeekAndTheYearToDateFromTheRegister) {
    setUpSmith();
    ToolRun printed = run("print statement Smith --pdf '" + (dir / "week.pdf").string() +
                          "' --hours1 40 --week-ending 12/30/2016");
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, "");
    const std::string text = pdfText("week.pdf");
    EXPECT_TRUE(hasLine(text, {"Harbor Street Hardware"}));
    EXPECT_TRUE(hasLine(text, {"Portland, ME 04101", "01-2345678"}));
    EXPECT_TRUE(hasLine(text, {"Employee:", "Smith"}));
    EXPECT_TRUE(hasLine(text, {"For Week Ending: 12/30/2016"}));
    EXPECT_TRUE(hasLine(text, {"Regular1 Earning", "7.50", "40.00", "300.00"}));
    EXPECT_TRUE(hasLine(text, {"Federal Tax", "29.60", "108.46"}));
    EXPECT_TRUE(hasLine(text, {"Social Security Tax", "18.60", "76.88"}));
    EXPECT_TRUE(hasLine(text, {"Current", "300.00", "63.29", ".00", "236.71"}));
    EXPECT_TRUE(hasLine(text, {"YTD", "1240.00", "279.68", ".00", "960.32", "12/30/2016"}));
}

TEST_F(PrintTool, TheCheckCarriesTheNetPayInWordsAndFiguresAndStoresTheOffsets) {
    setUpSmith();
    ToolRun printed = run("print check Smith --pdf '" + (dir / "check.pdf").string() +
                          "' --hours1 40 --check-date 12/30/2016 --memo 'Week 52' --offset-h +2");
    ASSERT_EQ(printed.status, 0) << printed.err;
    const std::string text = pdfText("check.pdf");
    EXPECT_TRUE(hasLine(text, {"12/30/2016"}));
    EXPECT_TRUE(hasLine(text, {"Employee's Name********", "***236.71"}));
    EXPECT_TRUE(hasLine(text, {"***** Two Hundred Thirty Six and 71/100*****"}));
    EXPECT_TRUE(hasLine(text, {"Week 52"}));
    // Both stubs: this week, and the year to date of the register.
    EXPECT_TRUE(hasLine(text, {"Federal Tax", "29.60", "108.46"}));
    EXPECT_TRUE(hasLine(text, {"Current", "300.00", "63.29", ".00", "236.71"}));
    EXPECT_TRUE(hasLine(text, {"YTD", "1240.00", "279.68", ".00", "960.32"}));
    // "Print Check" stored the offsets it printed with.
    EXPECT_EQ(read("Smith.and").rfind("2,0,", 0), 0u) << read("Smith.and");
}

TEST_F(PrintTool, WhatCannotBePrintedIsRefusedAndNothingIsPrinted) {
    setUpSmith();
    const std::string offsets = read("Smith.and");
    static const struct {
        const char* options;
        const char* message;
    } cases[] = {
        {"--offset-h abc",
         "The horizontal offset \"abc\" is not a number from -99 to 99. Nothing was stored or "
         "printed.\n"},
        {"--offset-v 1e30",
         "The vertical offset \"1e30\" is not a number from -99 to 99. Nothing was stored or "
         "printed.\n"},
        {"--dollars 2500000",
         "Dollar amount is too large: a check is written for less than 1,000,000.00. No check "
         "was printed.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        ToolRun refused =
            run("print check Smith --pdf '" + (dir / "no.pdf").string() + "' " + c.options);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, c.message);
        EXPECT_FALSE(std::filesystem::exists(dir / "no.pdf"));
        EXPECT_EQ(read("Smith.and"), offsets);
    }
}

// The offsets given to print check are stored once the check is in its PDF file: a check refused
// for its amount, or one whose file cannot be written, stores nothing.
TEST_F(PrintTool, TheOffsetsAreStoredOnlyWhenTheCheckIsPrinted) {
    setUpSmith();
    std::filesystem::create_directory(dir / "folder.pdf");
    std::ofstream(dir / "kept.pdf") << "a check printed before";
    std::filesystem::permissions(dir / "kept.pdf", std::filesystem::perms::owner_read);
    const std::string offsets = read("Smith.and");
    const struct {
        const char* pdf;
        const char* options;
        int status;
        const char* told;
    } cases[] = {
        {"big.pdf", "--offset-h 3 --dollars 2500000", 1, "Dollar amount is too large"},
        {"folder.pdf", "--offset-h 3 --hours1 40", 1, "folder.pdf: a folder in place of the file"},
        {"kept.pdf", "--offset-h 3 --hours1 40", 1, "kept.pdf: the file is read-only"},
        {"missing/check.pdf", "--offset-v -2 --hours1 40", 1, "check.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pdf);
        ToolRun r = run("print check Smith --pdf '" + (dir / c.pdf).string() + "' " + c.options);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_EQ(read("Smith.and"), offsets);
    }
    EXPECT_EQ(read("kept.pdf"), "a check printed before");
    ToolRun printed = run("print check Smith --pdf '" + (dir / "check.pdf").string() +
                          "' --offset-h 3 --hours1 40");
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(read("Smith.and").rfind("3,0,", 0), 0u) << read("Smith.and");
}

// The printouts and the export write over no read-only file.
TEST_F(PrintTool, AReadOnlyOutputFileIsNotReplaced) {
    setUpSmith();
    for (const char* file : {"register.pdf", "statement.pdf", "Smith.xlsx"}) {
        std::ofstream(dir / file) << "kept";
        std::filesystem::permissions(dir / file, std::filesystem::perms::owner_read);
    }
    const struct {
        const char* file;
        const char* command;
    } cases[] = {
        {"register.pdf", "print register Smith --pdf"},
        {"statement.pdf", "print statement Smith --hours1 40 --pdf"},
        {"Smith.xlsx", "export Smith"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ToolRun r = run(std::string(c.command) + " '" + (dir / c.file).string() + "'");
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.file), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("the file is read-only"), std::string::npos) << r.err;
        EXPECT_EQ(read(c.file), "kept");
    }
}

TEST_F(PrintTool, HeadingShowsAndSetsTheFoldersHeading) {
    ToolRun none = run("heading");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "company\t\naddress\t\nzip\t\nid\t\n");
    EXPECT_NE(none.err.find("no Header.sav"), std::string::npos) << none.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "Header.sav"));

    // Only the company given: the others take the dialog's defaults. A double quote is kept as
    // an apostrophe, so that the file reads back.
    ToolRun set = run("heading --company 'Joe \"Big\" Hardware'");
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.out,
              "company\tJoe 'Big' Hardware\naddress\tAddress\nzip\tZip Code\nid\tID Number\n");
    EXPECT_EQ(read("Header.sav"),
              "\"Joe 'Big' Hardware\",\"Address\",\"Zip Code\",\"ID Number\"\r\n");
    EXPECT_EQ(run("heading").out, set.out);

    std::ofstream(dir / "Header.sav", std::ios::binary) << "\"Joe\",3\r\n";
    ToolRun damaged = run("heading --company Other");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("Header.sav, line 1, field 2"), std::string::npos) << damaged.err;
    EXPECT_EQ(read("Header.sav"), "\"Joe\",3\r\n");
}

TEST_F(PrintTool, UsageErrorsExitWithTwo) {
    ASSERT_EQ(run("new Smith").status, 0);
    for (const char* args :
         {"print statement Smith", "print Smith --pdf x.pdf", "print payslip Smith --pdf x.pdf",
          "print statement Smith --pdf x.pdf --memo M", "calc Smith --offset-h 2", "heading Smith",
          "calc Smith --company C", "heading --hours1 40",
          "print check Smith --pdf x.pdf --json"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace quillon
