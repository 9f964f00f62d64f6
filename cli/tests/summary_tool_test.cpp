// summary and opening from the command line: the quarter's JSON keys and figures over three
// employees (engine/tests/year_fixture.hpp, worked by hand in session/tests/year_report_test.cpp),
// the CSV and PDF files, usage errors, a damaged file that writes nothing, and opening balances
// refused whole or stored as a row that the next calculation counts.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/tests/tool_fixture.hpp"
#include "engine/tests/year_fixture.hpp"
#include "records/files.hpp"

namespace {

using quillon::testing::ToolRun;

class SummaryTool : public quillon::testing::Tool {
  protected:
    // Archer, Baker and Carver as weekly employees holding the fixture's rows.
    void threeEmployees() {
        const std::vector<quillon::YearEmployee> three = {
            quillon::testing::archer(), quillon::testing::baker(), quillon::testing::carver()};
        for (const quillon::YearEmployee& e : three) {
            ASSERT_EQ(run("new " + e.userFile).status, 0);
            quillon::Register r;
            std::copy(e.rows.begin(), e.rows.end(), r.rows.begin());
            r.totals = quillon::AddAnnual(r.rows, quillon::kWeeklyRows);
            ASSERT_TRUE(
                quillon::writeRegisterFile(dir / (e.userFile + ".yrw"), r, quillon::kWeeklyRows)
                    .ok());
        }
    }
    [[nodiscard]] bool exists(const std::string& name) const {
        return std::filesystem::exists(dir / name);
    }
};

// The keys of the first object that follows `after`, in order.
std::vector<std::string> keysAfter(const std::string& json, const std::string& after) {
    const std::size_t start = json.find(after);
    const std::size_t end = json.find('}', start);
    const std::string object = json.substr(start + after.size(), end - start - after.size());
    std::vector<std::string> keys;
    const std::regex key("\"([a-z0-9_]+)\":");
    for (auto it = std::sregex_iterator(object.begin(), object.end(), key);
         it != std::sregex_iterator(); ++it) {
        keys.push_back((*it)[1]);
    }
    return keys;
}

TEST_F(SummaryTool, TheQuarterAsJsonWithEveryKeyAndAmountAsTwoDecimalText) {
    threeEmployees();
    const ToolRun q3 = run("summary --quarter 3 --json");
    ASSERT_EQ(q3.status, 0) << q3.err;
    const std::vector<std::string> employeeKeys = {"name",         "file",
                                                   "gross",        "fed",
                                                   "ss_wages",     "ss_tips",
                                                   "ss_tax",       "medicare_wages",
                                                   "medicare_tax", "addl_medicare_wages",
                                                   "state",        "city",
                                                   "sdi",          "sui"};
    EXPECT_EQ(keysAfter(q3.out, "\"employees\":[{"), employeeKeys);
    EXPECT_EQ(keysAfter(q3.out, "\"totals\":{"),
              std::vector<std::string>(employeeKeys.begin() + 2, employeeKeys.end()));
    EXPECT_EQ(keysAfter(q3.out, "\"form941\":{"),
              (std::vector<std::string>{"line1", "line2", "line3", "line5a_wages", "line5a_tax",
                                        "line5b_tips", "line5b_tax", "line5c_wages", "line5c_tax",
                                        "line5d_wages", "line5d_tax", "line5e", "line6", "line7",
                                        "line10"}));
    // Every amount a text with two decimals (line 1 is a count).
    const std::regex amount("\"(gross|ss_tax|line[0-9a-e_]+|line5[a-d]_[a-z]+)\":([^,}]*)");
    for (auto it = std::sregex_iterator(q3.out.begin(), q3.out.end(), amount);
         it != std::sregex_iterator(); ++it) {
        if ((*it)[1] == "line1") {
            EXPECT_EQ((*it)[2], "2");
            continue;
        }
        EXPECT_TRUE(std::regex_match((*it)[2].str(), std::regex("\"-?[0-9]+\\.[0-9]{2}\"")))
            << (*it)[0];
    }
    EXPECT_NE(q3.out.find("\"line10\":\"25402.37\""), std::string::npos) << q3.out;
    EXPECT_NE(q3.out.find("\"skipped\":[{\"name\":\"Archer\",\"row\":13,\"date\":\"2/30/2016\"}"),
              std::string::npos);

    const ToolRun year = run("summary --year --json");
    ASSERT_EQ(year.status, 0) << year.err;
    EXPECT_EQ(
        keysAfter(year.out, "\"w2\":[{"),
        (std::vector<std::string>{"name", "file", "box1", "box2", "box3", "box4", "box5", "box6",
                                  "box7", "box12d", "box16", "box17", "box18", "box19", "notes"}));
    EXPECT_EQ(year.out.find("form941"), std::string::npos);

    const ToolRun table = run("summary --quarter 3");
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("Quarter 3 of 2016: 7/1/2016 to 9/30/2016"), std::string::npos);
    EXPECT_NE(table.out.find("25,402.37"), std::string::npos) << table.out;
}

TEST_F(SummaryTool, TheCsvAndThePdfFiles) {
    threeEmployees();
    // The files' names are taken from the folder the program starts in, as export's are.
    const ToolRun written = run("summary --quarter 3 --csv '" + (dir / "q3.csv").string() +
                                "' --pdf '" + (dir / "q3.pdf").string() + "'");
    ASSERT_EQ(written.status, 0) << written.err;
    const std::string csv = read("q3.csv");
    EXPECT_NE(csv.find("TOTAL,106600.00,18120.00,30600.00,400.00,1922.00,"), std::string::npos)
        << csv;
    ASSERT_TRUE(exists("q3.pdf"));
    const std::string pdfText = [&] {
        const std::string command =
            std::string(QUILLON_PDFTOTEXT) + " -layout '" + (dir / "q3.pdf").string() + "' -";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 4096> buffer{};
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            out.append(buffer.data(), n);
        }
        pclose(pipe);
        return out;
    }();
    for (const char* text : {"Form 941 for 2016", "Taxable social security wages x 0.124",
                             "3,794.40", "25,402.37", "Carver", "106,600.00"}) {
        EXPECT_NE(pdfText.find(text), std::string::npos) << text << "\n" << pdfText;
    }
    // The standard output is the table, as without the files.
    EXPECT_NE(written.out.find("TOTAL"), std::string::npos);
}

TEST_F(SummaryTool, UsageErrorsExitTwo) {
    threeEmployees();
    for (const char* args :
         {"summary", "summary --quarter 3 --year", "summary --quarter 5", "summary --quarter",
          "summary --year --csv out.txt", "summary --year --pdf out.csv", "summary Archer --year",
          "calc Archer --csv x.csv", "opening", "opening Archer --row 0",
          "calc Archer --gross 5"}) {
        SCOPED_TRACE(args);
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << r.err;
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST_F(SummaryTool, ADamagedFileIsNamedAndNoFileIsWritten) {
    threeEmployees();
    {
        std::ofstream out(dir / "Carver.yrw", std::ios::binary | std::ios::app);
        out << "garbage\r\n";
    }
    std::string text = read("Carver.yrw");
    const std::size_t comma = text.find(',');
    text.replace(comma + 1, 1, "x");  // the first amount of row 1 is no number
    std::ofstream(dir / "Carver.yrw", std::ios::binary | std::ios::trunc) << text;
    const ToolRun r = run("summary --quarter 3 --csv '" + (dir / "q3.csv").string() + "' --pdf '" +
                          (dir / "q3.pdf").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Carver.yrw, line"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_FALSE(exists("q3.csv"));
    EXPECT_FALSE(exists("q3.pdf"));
}

TEST_F(SummaryTool, ACsvFileThatCannotBeReplacedFails) {
    threeEmployees();
    std::filesystem::create_directories(dir / "taken.csv");  // a folder in the file's place
    const ToolRun r = run("summary --year --csv '" + (dir / "taken.csv").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.csv"));
    EXPECT_TRUE(r.out.empty()) << r.out;
}

// Opening balances from a script: 100,000.00 paid before 4/1 on row 1 of a new employee; the
// next period of 20,000.00 pays Social Security on the 18,500.00 left under the base, 1,147.00.
TEST_F(SummaryTool, OpeningBalancesAreRefusedWholeOrStoredAndCounted) {
    ASSERT_EQ(run("new Baker").status, 0);
    const std::string empty = read("Baker.yrw");
    for (const char* bad : {"--gross 100000 --ss 62OO", "--gross 100000 --ss 1-2",
                            "--gross 100000 --date 3/31/16", "--gross 100000 --tips ''"}) {
        SCOPED_TRACE(bad);
        const ToolRun r = run(std::string("opening Baker --date 3/31/2016 ") + bad);
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(read("Baker.yrw"), empty);
    }
    const ToolRun stored =
        run("opening Baker --row 1 --date 3/31/2016 --gross 100000 --ss 6200 --medi 1450 "
            "--net 80000 --tips 10 --ot 5");
    ASSERT_EQ(stored.status, 0) << stored.err;
    EXPECT_EQ(stored.out,
              "1\tDate=3/31/2016\tFed=.00\tSS=6200.00\tMedi=1450.00\tState=.00\tCity=.00"
              "\tMuni=.00\tBond=.00\tDues=.00\tPen=.00\tMisc=.00\tKplan=.00\tOT=5.00"
              "\tGross=100000.00\tNet=80000.00\tSdi=.00\tSui=.00\tCafe=.00\tTips=10.00\n");
    const ToolRun next = run("calc Baker --dollars 20000 --week-ending 4/8/2016");
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_NE(next.out.find("socsec\t1,147.00\n"), std::string::npos) << next.out;
    const ToolRun q1 = run("summary --quarter 1 --json");
    EXPECT_NE(q1.out.find("\"gross\":\"100000.00\""), std::string::npos) << q1.out;
}

}  // namespace
