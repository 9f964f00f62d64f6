// The register from the command line: calc --post, register as lines and as JSON, export and
// print register (run by quillon-print), and what each does with a wrong row or a damaged file.
#include <gtest/gtest.h>

#include <vector>

#include "cli/tests/tool_fixture.hpp"
#include "records/files.hpp"

namespace {

using quillon::testing::ToolRun;

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, at)) {
        parts.push_back(part);
    }
    return parts;
}

class RegisterTool : public quillon::testing::Tool {
  protected:
    // A new weekly employee with two weeks posted through calc --post: 740.00 into row 1, 758.50
    // into row 2.
    void postTwoWeeks() {
        ASSERT_EQ(run("new Baker").status, 0);
        ToolRun first = run("calc Baker --dollars 740 --week-ending 1/8/2016 --post 1");
        ASSERT_EQ(first.status, 0) << first.err;
        ASSERT_NE(first.out.find("gross\t$740.00\n"), std::string::npos) << first.out;
        ToolRun second = run("calc Baker --dollars 758.5 --week-ending 1/15/2016 --post 2");
        ASSERT_EQ(second.status, 0) << second.err;
    }
    // The bi-weekly employee of the test fixtures, copied into the working folder.
    void copyOriginal() const {
        const std::filesystem::path data = std::filesystem::path(QUILLON_SOURCE_DIR) / "tests/data";
        for (const auto& entry : std::filesystem::directory_iterator(data)) {
            if (entry.path().filename().string().starts_with("Original.")) {
                std::filesystem::copy_file(entry.path(), dir / entry.path().filename());
            }
        }
    }
    // The output of a command run on a file (the workbook checker, pdftotext).
    static std::string output(const std::string& command) {
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        std::array<char, 4096> buffer{};
        std::size_t n = 0;
        while (pipe != nullptr && (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            out.append(buffer.data(), n);
        }
        EXPECT_EQ(pipe != nullptr ? pclose(pipe) : -1, 0) << command;
        return out;
    }
};

TEST_F(RegisterTool, PostedWeeksShowAsTheWindowShowsThem) {
    postTwoWeeks();
    ToolRun shown = run("register Baker");
    ASSERT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> lines = split(shown.out, '\n');
    ASSERT_EQ(lines.size(), 54u);  // 53 rows, the totals

    // Row number, then Date, Fed ... Kplan, OT, Gross, Net, Sdi, Sui, Cafe, Tips.
    const std::vector<std::string> week1 = split(lines[0], '\t');
    ASSERT_EQ(week1.size(), 20u);
    EXPECT_EQ(week1[0], "1");
    EXPECT_EQ(week1[1], "1/8/2016");
    EXPECT_EQ(week1[13], ".00");     // overtime
    EXPECT_EQ(week1[14], "740.00");  // gross before net, as the file holds them
    const std::vector<std::string> week2 = split(lines[1], '\t');
    EXPECT_EQ(week2[1], "1/15/2016");
    EXPECT_EQ(week2[14], "758.50");
    EXPECT_EQ(lines[2],
              "3\t\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00\t.00"
              "\t.00\t.00\t.00");

    // TotFed ... TotKplan, TotOT, TotGross, TotNet, TotTips, TotSdi, TotSui, TotCafe.
    const std::vector<std::string> totals = split(lines[53], '\t');
    ASSERT_EQ(totals.size(), 19u);
    EXPECT_EQ(totals[0], "TOTALS");
    EXPECT_EQ(totals[13], "1498.50");
    // The federal total is the sum of the two rows' federal amounts.
    EXPECT_EQ(std::stod(totals[1]), std::stod(week1[2]) + std::stod(week2[2]));

    // The calculation's result area gave the same federal tax, with its thousands format.
    ToolRun third = run("calc Baker --dollars 740");
    EXPECT_NE(third.out.find("fed\t" + week1[2] + "\n"), std::string::npos) << third.out;
    EXPECT_EQ(run("register Baker").out, shown.out);  // calc without --post posts nothing
}

TEST_F(RegisterTool, JsonHoldsTheSameTexts) {
    postTwoWeeks();
    ToolRun json = run("register Baker --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const std::filesystem::path file = dir / "register.json";
    std::ofstream(file) << json.out;
    const std::string read =
        output(std::string(QUILLON_PYTHON) +
               " -c \"import json,sys; d=json.load(open(sys.argv[1])); r=d['rows'];"
               " print(len(r), r[1]['row'], r[1]['Date'], r[1]['Gross'], list(r[0])[1:4],"
               " d['totals']['TotGross'], list(d['totals'])[-4:])\" '" +
               file.string() + "'");
    EXPECT_EQ(read,
              "53 2 1/15/2016 758.50 ['Date', 'Fed', 'SS'] 1498.50 "
              "['TotTips', 'TotSdi', 'TotSui', 'TotCafe']\n");
}

// A year whose totals single precision cannot hold, in a register file as the original program
// wrote it (its totals kept to seven digits): the totals are the exact sums of the rows as shown.
TEST_F(RegisterTool, TotalsAreTheExactSumsOfTheRowsAsShown) {
    ASSERT_EQ(run("new Baker").status, 0);
    quillon::Register year;
    for (std::size_t i = 0; i < year.rows.size(); ++i) {
        quillon::RegisterRow& row = year.rows[i];
        row.Date = "week " + std::to_string(i + 1);
        row.Fed = 12345.67f;                    // 53 of them: 654,320.51
        row.Gross = 1234.56f;                   // 65,431.68
        row.State = 2345.67f;                   // 124,320.51
        row.Net = 3333.33f;                     // 176,666.49
        row.Medi = 0.1f;                        // 5.30
        row.Sdi = 0.07f;                        // 3.71
        row.Kplan = i < 9 ? 123456.78f : 0.0f;  // shown 123456.80: nine, 1,111,111.20
    }
    year.totals.TotFed = quillon::Currency::fromDouble(654321.2);  // the seven-digit sum
    ASSERT_FALSE(writeRegisterFile(dir / "Baker.yrw", year, quillon::kWeeklyRows).failed());
    ToolRun json = run("register Baker --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const std::filesystem::path file = dir / "register.json";
    std::ofstream(file) << json.out;
    const std::string totals =
        output(std::string(QUILLON_PYTHON) +
               " -c \"import json,sys; t=json.load(open(sys.argv[1]))['totals'];"
               " print(*(k + '=' + t[k] for k in ('TotFed','TotGross','TotState','TotNet',"
               "'TotMedi','TotSdi','TotKplan')))\" '" +
               file.string() + "'");
    EXPECT_EQ(totals,
              "TotFed=654320.51 TotGross=65431.68 TotState=124320.51 TotNet=176666.49 "
              "TotMedi=5.30 TotSdi=3.71 TotKplan=1111111.20\n");
}

TEST_F(RegisterTool, APostRowOutsideTheRegisterIsAUsageErrorAndCalculatesNothing) {
    copyOriginal();  // bi-weekly: rows 1 to 27
    const std::string use = read("Original.use");
    const std::string yrb = read("Original.yrb");
    for (const char* row : {"0", "54", "x", "-1", "28"}) {
        SCOPED_TRACE(row);
        ToolRun r = run(std::string("calc Original --hours1 80 --post ") + row);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    }
    EXPECT_NE(run("calc Original --post 28").err.find("rows 1 to 27 (bi-weekly)"),
              std::string::npos);
    EXPECT_EQ(read("Original.use"), use);
    EXPECT_EQ(read("Original.yrb"), yrb);

    ToolRun last = run("calc Original --hours1 80 --week-ending 12/30/2016 --post 27");
    ASSERT_EQ(last.status, 0) << last.err;
    const std::string posted = read("Original.yrb");
    EXPECT_EQ(split(posted, '\n').size(), 111u);
    EXPECT_NE(posted.find("\"12/30/2016\""), std::string::npos);
    EXPECT_NE(posted.find("\"01/15/2016\""), std::string::npos);  // row 1 kept
}

TEST_F(RegisterTool, ExportAndPrintWriteTheirFiles) {
    postTwoWeeks();
    const std::filesystem::path workbook = dir / "out" / "Baker.xlsx";
    std::filesystem::create_directories(workbook.parent_path());
    ToolRun exported = run("export Baker '" + workbook.string() + "'");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    const std::string facts = output(std::string(QUILLON_PYTHON) + " '" + QUILLON_SOURCE_DIR +
                                     "/print/tests/check_workbook.py' '" + workbook.string() + "'");
    for (const char* fact :
         {"cell A1 s 'Date' bold FF0000", "cell A2 s '1/8/2016' -", "cell P2 n 740.0 0.00 -",
          "cell P3 n 758.5 0.00 -", "cell A55 s 'TOTALS=' bold 0000FF",
          "cell P55 n 1498.5 0.00 bold 0000FF",
          "comment File: Baker   Soc Sec #  -  Quillon 2016 by LANTERNA SOFTWARE"}) {
        EXPECT_NE(facts.find(std::string(fact) + "\n"), std::string::npos) << fact;
    }

    const std::filesystem::path pdf = dir / "out" / "register.pdf";
    ToolRun printed = run("print register Baker --pdf '" + pdf.string() + "'");
    ASSERT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.err, "");
    const std::vector<std::string> lines =
        split(output(std::string(QUILLON_PDFTOTEXT) + " -layout '" + pdf.string() + "' -"), '\n');
    auto lineWith = [&](const std::string& text) {
        for (const std::string& line : lines) {
            if (line.find(text) != std::string::npos) {
                return line;
            }
        }
        ADD_FAILURE() << "no line with " << text;
        return std::string();
    };
    EXPECT_NE(lineWith("Employee:").find("Baker"), std::string::npos);
    const std::string headings = lineWith("MediCare");
    EXPECT_LT(headings.find("Week"), headings.find("Federal"));
    EXPECT_LT(headings.find("Net"), headings.find("Gross"));
    // The week's line: its date, then its amounts as plain numbers, the gross last.
    const std::string week = lineWith("1/8/2016");
    EXPECT_NE(week.find(" 740"), std::string::npos) << week;
    EXPECT_NE(lineWith("TOTALS").find("1498.50"), std::string::npos);
    EXPECT_NE(lineWith("Total SDI:").find("Total Cafeteria:"), std::string::npos);
}

TEST_F(RegisterTool, UsageErrorsOfThePrintCommands) {
    ASSERT_EQ(run("new Baker").status, 0);
    for (const char* args :
         {"print register Baker", "print nothing Baker --pdf x.pdf", "print register --pdf x.pdf",
          "export Baker", "register Baker --pdf x.pdf", "register Baker --post 2"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.pdf"));
}

// An output file of another kind is a usage error before anything is read or written:
// `export Baker Baker.yrw` replaced the year's postings with a workbook.
TEST_F(RegisterTool, AnOutputFileOfAnotherKindIsAUsageErrorAndNothingIsWritten) {
    postTwoWeeks();
    const std::string register_ = read("Baker.yrw");
    const std::string profile = read("Baker.use");
    const auto at = [&](const char* name) { return "'" + (dir / name).string() + "'"; };
    for (const std::string& args :
         {"export Baker " + at("Baker.yrw"), "export Baker " + at("Baker.use"),
          "print register Baker --pdf " + at("Baker.yrw"),
          "print statement Baker --pdf " + at("Baker.sta"),
          "print check Baker --pdf " + at("check.pdf.part")}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << r.err;
    }
    EXPECT_EQ(read("Baker.yrw"), register_);
    EXPECT_EQ(read("Baker.use"), profile);
    EXPECT_FALSE(std::filesystem::exists(dir / "check.pdf.part"));
    // In any case, the right kind is taken.
    ASSERT_EQ(run("export Baker '" + (dir / "Baker.XLSX").string() + "'").status, 0);
    EXPECT_EQ(read("Baker.XLSX").substr(0, 2), "PK");
}

TEST_F(RegisterTool, WithoutTheCompanionProgramPrintingSaysWhereItShouldBe) {
    ASSERT_EQ(run("new Baker").status, 0);
    const std::filesystem::path alone = dir / "bin" / "quillon-cli";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(QUILLON_CLI, alone);
    for (const char* args : {"print register Baker --pdf x.pdf", "export Baker x.xlsx"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args, alone.string());
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("quillon-print is missing"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find((dir / "bin" / "quillon-print").string()), std::string::npos) << r.err;
    }
}

TEST_F(RegisterTool, ADamagedRegisterIsRefusedAndKeptByEveryCommand) {
    postTwoWeeks();
    std::string damaged = read("Baker.yrw");
    damaged.insert(damaged.find("1/15/2016") - 1, "x");  // row 2's date is no longer a string
    std::ofstream(dir / "Baker.yrw", std::ios::binary | std::ios::trunc) << damaged;

    const std::filesystem::path pdf = dir / "r.pdf";
    const std::filesystem::path xlsx = dir / "r.xlsx";
    for (const std::string& args :
         {std::string("register Baker"), std::string("calc Baker --dollars 700 --post 3"),
          "export Baker '" + xlsx.string() + "'",
          "print register Baker --pdf '" + pdf.string() + "'"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Baker.yrw, line 5, field 1"), std::string::npos) << r.err;
    }
    EXPECT_EQ(read("Baker.yrw"), damaged);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_FALSE(std::filesystem::exists(xlsx));
}

}  // namespace
