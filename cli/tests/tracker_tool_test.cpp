// The trackers and the saved period from the command line: vacation, overtime, calc
// --save-period and period, with the worked cases and what each does with bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/tests/tool_fixture.hpp"

namespace {

using quillon::testing::ToolRun;

class TrackerTool : public quillon::testing::Tool {
  protected:
    void SetUp() override {
        Tool::SetUp();
        ASSERT_EQ(run("new Baker").status, 0);
    }
};

TEST_F(TrackerTool, VacationBalanceIsStartLessTheDaysTaken) {
    const ToolRun r = run(
        "vacation Baker --start vacation 10 --take vacation 1/4/2016 1 --take vacation 2/1/2016 2 "
        "--take vacation 3/1/2016 .5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "vacation\t10\t6.5\nholiday\t0\t0\nsick\t0\t0\n"
              "vacation\t1\t1/4/2016\t1\nvacation\t2\t2/1/2016\t2\nvacation\t3\t3/1/2016\t.5\n");
    // Saved: read back from the file by the next command, as JSON.
    const ToolRun back = run("vacation Baker --json");
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out,
              "{\"vacation\":{\"start\":\"10\",\"balance\":\"6.5\",\"rows\":["
              "{\"row\":1,\"date\":\"1/4/2016\",\"days\":\"1\"},"
              "{\"row\":2,\"date\":\"2/1/2016\",\"days\":\"2\"},"
              "{\"row\":3,\"date\":\"3/1/2016\",\"days\":\"0.5\"}]},"
              "\"holiday\":{\"start\":\"0\",\"balance\":\"0\",\"rows\":[]},"
              "\"sick\":{\"start\":\"0\",\"balance\":\"0\",\"rows\":[]}}\n");
    EXPECT_EQ(run("vacation Baker --clear").out, "vacation\t0\t0\nholiday\t0\t0\nsick\t0\t0\n");
}

TEST_F(TrackerTool, TwentyFirstEntryIsRefusedAndNothingSaved) {
    std::string twenty;
    for (int i = 1; i <= 20; ++i) {
        twenty += " --take sick " + std::to_string(i) + "/1/2016 1";
    }
    ASSERT_EQ(run("vacation Baker --start sick 30" + twenty).status, 0);
    const std::string saved = read("Baker.hol");
    const ToolRun r = run("vacation Baker --take sick 12/1/2016 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(read("Baker.hol"), saved);
}

TEST_F(TrackerTool, UnreadableVacationFileIsNotWrittenOver) {
    ASSERT_EQ(run("vacation Baker --start vacation 5").status, 0);
    {
        std::ofstream out(dir / "Baker.hol", std::ios::binary);
        out << "damaged\n";
    }
    const ToolRun r = run("vacation Baker --start vacation 10");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Baker.hol"), std::string::npos) << r.err;
    EXPECT_EQ(read("Baker.hol"), "damaged\n");
}

TEST_F(TrackerTool, OvertimeWorkedCase) {
    const ToolRun r =
        run("overtime Baker --salary 50000 --percent 10 --amount 1 100 --amount 2 250.50");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "earned\t$350.50\nmax\t$5,000.00\navailable\t$4,649.50\npercent\t.7%\n");
    EXPECT_EQ(run("overtime Baker --json").out,
              "{\"earned\":\"$350.50\",\"max\":\"$5,000.00\",\"available\":\"$4,649.50\","
              "\"percent\":\".7%\"}\n");
}

TEST_F(TrackerTool, OvertimeBadBoxesAreRefusedNamingTheBox) {
    ASSERT_EQ(run("overtime Baker --salary 50000 --percent 10 --amount 1 100").status, 0);
    const std::string use = read("Baker.use");
    const std::string grid = read("Baker.ovw");
    const struct {
        const char* args;
        const char* box;
    } cases[] = {
        {"--salary 0 --percent 10", "Annual Salary"},
        {"--salary 1..2", "Annual Salary"},
        {"--salary -", "Annual Salary"},
        {"--percent 1..2", "Percent"},
        {"--amount 3 x", ""},
    };
    for (const auto& c : cases) {
        const ToolRun r = run(std::string("overtime Baker ") + c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.err.find(c.box), std::string::npos) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(read("Baker.use"), use) << c.args;
        EXPECT_EQ(read("Baker.ovw"), grid) << c.args;
    }
}

TEST_F(TrackerTool, SavedPeriodReadsBackAsGetPayPeriodShowsIt) {
    ASSERT_EQ(run("calc Baker --hours1 40 --week-ending 12/30/2016 --save-period").status, 0);
    const ToolRun r = run("period Baker 12/30/2016");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("fed\t29.60\n"), std::string::npos) << r.out;
    // The figures as "#####.00", then the entry boxes.
    EXPECT_NE(r.out.find("gross\t300.00\ntaxes\t63.29\ndeductions\t.00\nnet\t236.71\n"
                         "hours1\t40\nhours2\t0\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("tips\t0\nweek-ending\t12/30/2016\n"), std::string::npos) << r.out;
}

TEST_F(TrackerTool, DamagedPeriodIsRefusedWithItsLine) {
    ASSERT_EQ(run("calc Baker --hours1 40 --week-ending 12/30/2016 --save-period").status, 0);
    {
        std::ofstream out(dir / "Baker  12_30_2016.prv", std::ios::binary);
        out << "40\r\n0\r\nxx\r\n";
    }
    const ToolRun r = run("period Baker 12/30/2016");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("line 3"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST_F(TrackerTool, WeekEndingThatCannotNameAFileIsRefused) {
    const ToolRun r = run("calc Baker --hours1 40 --week-ending 'a:b' --save-period");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot name a file"), std::string::npos) << r.err;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        EXPECT_NE(entry.path().extension(), ".prv") << entry.path();
    }
}

TEST_F(TrackerTool, UsageErrorsExitTwo) {
    for (const char* args : {"vacation Baker --start annual 3", "vacation Baker --take sick 1/1",
                             "overtime Baker --amount 54 1", "period Baker",
                             "register Baker --salary 1", "calc Baker --clear"}) {
        EXPECT_EQ(run(args).status, 2) << args;
    }
}

}  // namespace
