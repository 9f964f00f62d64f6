// quillon-cli as scripts use it: its output lines, its exit statuses, its messages.
#include <gtest/gtest.h>

#include "cli/tests/tool_fixture.hpp"

namespace {

using quillon::testing::Tool;
using quillon::testing::ToolRun;

// A new employee: rate 7.50 (no rate of its own), single, no exemptions, weekly, New York.
// 40 hours: gross 300.00.
// Federal, single weekly: 17.90 + 15% x (300 - 222) = 29.60.
// Social Security 18.60; Medicare 4.35.
// State: 300 - 284.60 / 2 = 157.70, below line 2 (162.50): 157.70 x 0.04 = 6.31.
// City: 300 - 192.30 / 2 = 203.85, line 3 (167): 36.85 x 0.031 + 3.29 = 4.43.
// Taxes 63.29, net 236.71.
constexpr const char* kFortyHours =
    "fed\t29.60\nsocsec\t18.60\nmedicare\t4.35\nstate\t6.31\ncity\t4.43\n"
    "ded5\t.00\nded6\t.00\nded7\t.00\nded8\t.00\nded9\t.00\nkplan\t.00\n"
    "sdi\t.00\nsui\t.00\ncafe\t.00\ngross\t$300.00\ntaxes\t$63.29\ndeductions\t$.00\n"
    "net\t$236.71\novertime\t$.00\ntips\t$.00\n";

TEST_F(Tool, NewThenCalcPrintsTheResultAreaInOrder) {
    ToolRun created = run("new Smith");
    ASSERT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out, "");
    EXPECT_TRUE(std::filesystem::exists(dir / "Smith.use"));

    ToolRun week = run("calc Smith --hours1 40");
    ASSERT_EQ(week.status, 0) << week.err;
    EXPECT_EQ(week.out, kFortyHours);
    EXPECT_EQ(week.err, "");
}

TEST_F(Tool, JsonHasTheSameKeysAndTexts) {
    ASSERT_EQ(run("new Smith").status, 0);
    ToolRun week = run("calc Smith --hours1 40 --json");
    ASSERT_EQ(week.status, 0) << week.err;
    EXPECT_EQ(week.out,
              "{\"fed\":\"29.60\",\"socsec\":\"18.60\",\"medicare\":\"4.35\",\"state\":\"6.31\","
              "\"city\":\"4.43\",\"ded5\":\".00\",\"ded6\":\".00\",\"ded7\":\".00\","
              "\"ded8\":\".00\",\"ded9\":\".00\",\"kplan\":\".00\",\"sdi\":\".00\","
              "\"sui\":\".00\",\"cafe\":\".00\",\"gross\":\"$300.00\",\"taxes\":\"$63.29\","
              "\"deductions\":\"$.00\",\"net\":\"$236.71\",\"overtime\":\"$.00\","
              "\"tips\":\"$.00\"}\n");
}

TEST_F(Tool, OvertimeAtTwoTimes) {
    ASSERT_EQ(run("new Smith").status, 0);
    // 8 hours in the O.T. box at 7.50: 60 at (1X), 120 at (2X).
    ToolRun once = run("calc Smith --ot 8");
    ToolRun twice = run("calc Smith --ot 8 --ot2x");
    EXPECT_NE(once.out.find("overtime\t$60.00\n"), std::string::npos) << once.out;
    EXPECT_NE(twice.out.find("overtime\t$120.00\n"), std::string::npos) << twice.out;
    EXPECT_NE(twice.out.find("gross\t$120.00\n"), std::string::npos) << twice.out;
}

TEST_F(Tool, ErrorsGoToStandardErrorWithStatusOne) {
    ASSERT_EQ(run("new Smith").status, 0);
    const std::string before = read("Smith.use");

    ToolRun existing = run("new Smith");
    EXPECT_EQ(existing.status, 1);
    EXPECT_EQ(existing.err, "Smith........ already exists. Use Open\n");

    ToolRun unknown = run("calc Nobody");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Nobody"), std::string::npos);

    ToolRun badBox = run("calc Smith --hours1 '1 2'");
    EXPECT_EQ(badBox.status, 1);
    EXPECT_NE(badBox.err.find("STRAIGHT TIME HOURS 1"), std::string::npos) << badBox.err;
    EXPECT_EQ(badBox.out, "");
    EXPECT_EQ(read("Smith.use"), before);
}

TEST_F(Tool, EveryBoxOptionTakesOnlyWhatTheKeyFilterLetsThrough) {
    ASSERT_EQ(run("new Smith").status, 0);
    const std::string before = read("Smith.use");
    struct Case {
        const char* option;
        const char* text;
        const char* box;
    };
    static const Case cases[] = {
        {"--hours1", "40h", "STRAIGHT TIME HOURS 1"},
        {"--hours2", "4,5", "STRAIGHT TIME HOURS 2"},
        {"--ot", "1e30", "O.T."},
        {"--ot15", "+2", "O.T. TIME AND 1/2 (1.5X)"},
        {"--holiday", "8\\t", "HOLIDAY IN HOURS"},  // printf makes it a tab
        {"--vacation", "x", "VACATION - SICK, IN HOURS"},
        {"--dollars", "$5", "PAY IN DOLLAR AMOUNT"},
        {"--tips", "1_000", "TIPS (Hours)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        ToolRun r = run(std::string("calc Smith ") + c.option + " \"$(printf '" + c.text + "')\"");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(std::string("\"") + c.box + "\""), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("takes only the characters 0123456789, blank, minus and point"),
                  std::string::npos)
            << r.err;
    }
    // Within the filter, but more than a pay period holds.
    for (const char* args : {"--ot 1000000000", "--hours1 900000000", "--dollars 2000000000"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(std::string("calc Smith ") + args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("pay period holds"), std::string::npos) << r.err;
    }
    EXPECT_EQ(read("Smith.use"), before);
}

TEST_F(Tool, EveryFailureExitsWithOne) {
    // A folder where the new employee's state file should go: nothing of him is written.
    std::filesystem::create_directory(dir / "Smith.sta");
    ToolRun created = run("new Smith");
    EXPECT_EQ(created.status, 1);
    EXPECT_NE(created.err.find("Smith.sta"), std::string::npos) << created.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "Smith.use"));
    std::filesystem::remove(dir / "Smith.sta");

    // A damaged default file stops the program at start-up.
    ASSERT_EQ(run("new Smith").status, 0);
    std::ofstream(dir / ".sta", std::ios::binary) << "1,2\r\n";
    ToolRun started = run("calc Smith --hours1 40");
    EXPECT_EQ(started.status, 1);
    EXPECT_EQ(started.out, "");
    EXPECT_NE(started.err.find(".sta, line 2: the file ends early"), std::string::npos)
        << started.err;
}

TEST_F(Tool, MessagesQuoteAShortExcerptWithControlCharactersEscaped) {
    ASSERT_EQ(run("new Smith").status, 0);
    ToolRun longText = run("calc Smith --hours1 " + std::string(10000, '1'));
    EXPECT_EQ(longText.status, 1);
    EXPECT_LT(longText.err.size(), 300u) << longText.err;
    ToolRun escape = run("calc \"$(printf 'Smith\\033[2J')\"");
    EXPECT_EQ(escape.status, 1);
    EXPECT_EQ(escape.err.find('\x1b'), std::string::npos) << escape.err;
    EXPECT_NE(escape.err.find("Smith\\x1b[2J"), std::string::npos) << escape.err;
}

TEST_F(Tool, CheckNamesEachDamagedFileAndExitsWithOne) {
    ASSERT_EQ(run("new Smith").status, 0);
    ASSERT_EQ(run("new Jones").status, 0);
    ToolRun clean = run("check");
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out, "");

    const std::string sta = read("Smith.sta");
    std::ofstream(dir / "Smith.sta", std::ios::binary | std::ios::trunc) << sta << "0\r\n";
    std::filesystem::remove(dir / "Jones.cti");
    std::filesystem::create_directory(dir / "Jones.cti");
    ToolRun damaged = run("check");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out,
              "Jones.cti: a folder in place of the file\n"
              "Smith.sta, line 24, field 1: more fields than the file holds: \"0\"\n");
    ToolRun named = run("check Jones Nobody");
    EXPECT_EQ(named.status, 1);
    EXPECT_EQ(named.out,
              "Jones.cti: a folder in place of the file\nNobody.use: the file does not exist\n");
    // Only what was asked about counts; nothing is written.
    EXPECT_EQ(read("Smith.sta"), sta + "0\r\n");
    std::filesystem::remove(dir / "Jones.cti");
    EXPECT_EQ(run("check Jones").status, 0);
}

TEST_F(Tool, CheckFinishesASaveThatWasInterruptedAfterItsCommit) {
    ASSERT_EQ(run("new Smith").status, 0);
    const std::filesystem::path staging = dir / ".quillon-save";
    std::filesystem::create_directory(staging);
    const std::string cfe = "12.5,1,0\r\n";
    std::ofstream(staging / "Smith.cfe", std::ios::binary) << cfe;
    std::ofstream(staging / "commit", std::ios::binary) << "quillon save\nSmith.cfe\nend\n";
    ToolRun checked = run("check Smith");
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_NE(checked.err.find("finished an interrupted save"), std::string::npos) << checked.err;
    EXPECT_EQ(read("Smith.cfe"), cfe);
    EXPECT_FALSE(std::filesystem::exists(staging));
}

// An empty NAME would name the default files: `new ""` used to write them, changing the
// settings of every new employee.
TEST_F(Tool, AnEmptyNameIsAUsageErrorAndWritesNothing) {
    ASSERT_EQ(run("new Smith").status, 0);
    const std::string before = read("Smith.use");
    for (const char* args : {"new ''", "calc '' --hours1 40", "register ''", "check Smith ''",
                             "export '' a.xlsx", "print check '' --pdf a.pdf"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("NAME is empty"), std::string::npos) << r.err;
        EXPECT_FALSE(std::filesystem::exists(dir / ".use"));
        EXPECT_FALSE(std::filesystem::exists(dir / ".sta"));
    }
    EXPECT_EQ(read("Smith.use"), before);
}

// A name whose files' names would be longer than the file system allows is told as too long,
// not as an employee that "already exists".
TEST_F(Tool, ANameTooLongForTheFileSystemIsToldAsTooLong) {
    const struct {
        std::size_t length;
        bool fits;
    } cases[] = {{300, false}, {252, false}, {251, true}, {40, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string name(c.length, 'n');
        ToolRun created = run("new " + name);
        if (c.fits) {
            EXPECT_EQ(created.status, 0) << created.err;
            EXPECT_TRUE(std::filesystem::exists(dir / (name + ".use")));
            EXPECT_EQ(run("calc " + name + " --hours1 40").status, 0);
        } else {
            EXPECT_EQ(created.status, 1);
            EXPECT_NE(created.err.find("is too long for an employee's name"), std::string::npos)
                << created.err;
            EXPECT_EQ(created.err.find("already exists"), std::string::npos) << created.err;
            ToolRun opened = run("calc " + name);
            EXPECT_EQ(opened.status, 1);
            EXPECT_NE(opened.err.find("is too long"), std::string::npos) << opened.err;
        }
    }
}

// A damaged federal table is found at start-up, at the opening and by the calculation; the
// command tells it once.
TEST_F(Tool, ADamagedFederalTableIsToldOncePerCommand) {
    ASSERT_EQ(run("new Smith").status, 0);
    std::string table = read("Federal16.dtt");
    table.insert(table.find("\r\n"), ",x");  // a field too many on line 1
    std::ofstream(dir / "Federal16.dtt", std::ios::binary | std::ios::trunc) << table;
    for (const char* args : {"calc Smith --hours1 40", "register Smith", "new Jones"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        std::size_t told = 0;
        for (std::size_t at = r.err.find("Federal16.dtt, line"); at != std::string::npos;
             at = r.err.find("Federal16.dtt, line", at + 1)) {
            ++told;
        }
        EXPECT_EQ(told, 1u) << r.err;
    }
    EXPECT_EQ(run("calc Smith --hours1 40").status, 1);
}

// Read-only files are not replaced: the command says which and that it is read-only, exits with
// 1, and the file (and the rest of the save) stays as it was.
TEST_F(Tool, AReadOnlyFileIsNotReplaced) {
    ASSERT_EQ(run("new Smith").status, 0);
    ASSERT_EQ(run("calc Smith --hours1 40 --week-ending 1/8/2016 --post 1").status, 0);
    ASSERT_EQ(run("heading --company Shop").status, 0);
    const struct {
        const char* file;
        const char* args;
    } cases[] = {
        // A register of a closed year: the posting and the calculation's save are refused alike.
        {"Smith.yrw", "calc Smith --hours1 41 --post 2"},
        {"Header.sav", "heading --company Other"},
        {"Smith.sta", "calc Smith --hours1 41"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::filesystem::path file = dir / c.file;
        if (std::string(c.file) == "Smith.sta") {
            // A change the calculation writes: the state settings as another program left them.
            std::string sta = read("Smith.sta");
            sta.replace(sta.find(','), 1, " ,");
            std::ofstream(file, std::ios::binary | std::ios::trunc) << sta;
        }
        std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
        const std::string before = read(c.file);
        const std::string use = read("Smith.use");
        ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Could not save " + std::string(c.file)), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("the file is read-only"), std::string::npos) << r.err;
        EXPECT_EQ(read(c.file), before);
        EXPECT_EQ(read("Smith.use"), use);
        std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
}

TEST_F(Tool, MessagesEscapeBytesThatAreNotUtf8) {
    ToolRun r = run("calc \"$(printf 'Smith\\200\\303')\"");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Smith\\x80\\xc3"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x80'), std::string::npos) << r.err;
    ToolRun accented = run("calc \"$(printf 'Jos\\303\\251')\"");
    EXPECT_NE(accented.err.find("Jos\xc3\xa9"), std::string::npos) << accented.err;
}

TEST_F(Tool, UsageErrorsExitWithTwo) {
    for (const char* args :
         {"", "calc", "frobnicate Smith", "calc Smith --hours1", "check --json", "new"}) {
        SCOPED_TRACE(args);
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST_F(Tool, LinksNoGuiLibrary) {
    FILE* pipe = popen(("ldd " + std::string(QUILLON_CLI)).c_str(), "r");
    std::string libraries;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        libraries.append(buffer.data(), n);
    }
    pclose(pipe);
    EXPECT_EQ(libraries.find("libQt"), std::string::npos) << libraries;
}

}  // namespace
