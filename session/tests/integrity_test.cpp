// Nothing lost, nothing mixed: damaged and unreadable files are refused with their place named
// and left byte for byte as they were; a failed opening leaves the employee who was open as he
// was; a file an employee does not have starts from the defaults, never from the employee
// before; start-up writes nothing; entry boxes take only what a pay period can hold.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "records/tests/file_text.hpp"
#include "session/tests/box_name.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::WorkingFolder;

// Every name in the folder with what it holds, so that "nothing was written" can be checked.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) {
            out[name] = "<link to " + fs::read_symlink(entry.path()).string() + ">";
        } else if (entry.is_directory()) {
            out[name] = "<folder>";
        } else {
            out[name] = testing::contentOf(entry.path());
        }
    }
    return out;
}

// The open employee as the session holds him, every record as its file would store it.
std::string everything(const Session& s) {
    return s.UserFile + "|" + s.main.caption + "|" + s.main.lbUser.caption + "|" +
           useFileText(s.profile, s.state) + andFileText(s.profile, s.state) +
           cfeFileText(s.profile) + overtimeFileText(s.profile, kWeeklyRows) +
           stateFileText(s.state, s.profile) + cityFileText(s.city) + nonCityFileText(s.nonCity) +
           vacationFileText(s.vacation) + registerFileText(s.yearRegister, kWeeklyRows);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string textOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The first unquoted field of at least two characters that is a number: line and offset.
std::optional<std::pair<std::size_t, std::size_t>> numberToSplit(
    const std::vector<std::string>& lines) {
    for (std::size_t l = 0; l < lines.size(); ++l) {
        std::size_t start = 0;
        const std::string& line = lines[l];
        while (start <= line.size()) {
            std::size_t end = line.find(',', start);
            if (end == std::string::npos) {
                end = line.size();
            }
            const std::string field = line.substr(start, end - start);
            if (field.size() >= 2 && field.front() != '"' && strictNumber(field)) {
                return std::pair{l, start};
            }
            start = end + 1;
        }
    }
    return std::nullopt;
}

// One field of a number replaced: the first number of the file.
std::string withFirstNumber(const std::string& text, const std::string& replacement) {
    std::vector<std::string> lines = linesOf(text);
    for (std::string& line : lines) {
        std::size_t start = 0;
        while (start <= line.size()) {
            std::size_t end = line.find(',', start);
            if (end == std::string::npos) {
                end = line.size();
            }
            const std::string field = line.substr(start, end - start);
            if (!field.empty() && field.front() != '"' && strictNumber(field)) {
                line.replace(start, end - start, replacement);
                return textOf(lines);
            }
            start = end + 1;
        }
    }
    return text;
}

class Integrity : public WorkingFolder {
  protected:
    // Jones (weekly, New York) is open; Smith (weekly) and Brown (bi-weekly) have every file,
    // registers included.
    void SetUp() override {
        WorkingFolder::SetUp();
        Session s = startedSession();
        for (const char* name : {"Smith", "Brown", "Jones"}) {
            ASSERT_TRUE(s.newEmployee(name).ok) << name;
        }
        // Numbers of several digits in every file, for a line break to split.
        Session smith(dir, dir);
        smith.startUp("12/30/2016");
        ASSERT_TRUE(smith.openEmployee("Smith").ok);
        smith.profile.PrintOffsetH = 12.5f;
        smith.profile.CafeAmt = 25.5f;
        smith.profile.OtDates[0] = "01/08/2016";
        smith.profile.OtAmounts[0] = "125.5";
        smith.vacation.VacStart = smith.vacation.VacBal = 10;
        ASSERT_TRUE(smith.saveAction("Smith").ok);
        Session brown(dir, dir);
        brown.startUp("12/30/2016");
        ASSERT_TRUE(brown.openEmployee("Brown").ok);
        ASSERT_TRUE(brown.loadTaxInfo().ok);
        brown.taxInfo.model->selectFrequency(false);
        brown.profile.OtAmounts[0] = "250.75";
        ASSERT_TRUE(brown.taxInfoSave().ok);
        Register r;
        r.rows[0].Date = "01/08/2016";
        r.rows[0].Gross = 300;
        r.totals.TotGross = Currency::fromDouble(300);
        ASSERT_FALSE(writeRegisterFile(dir / "Smith.yrw", r, kWeeklyRows).failed());
        ASSERT_FALSE(writeRegisterFile(dir / "Brown.yrb", r, kBiWeeklyRows).failed());
    }

    // A session with Jones open, his state special and his tables his own.
    Session withJonesOpen() const {
        Session s = startedSession();
        EXPECT_TRUE(s.openEmployee("Jones").ok);
        return s;
    }
};

TEST_F(Integrity, EveryDamagedOrUnreadableFileIsRefusedAndLeftAsItWas) {
    struct Damage {
        const char* what;
        std::function<void(const fs::path&, const std::string&)> apply;  // file, its good text
        bool namesALine;
    };
    auto put = [](const fs::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    };
    const Damage damages[] = {
        {"a number split by a line break",
         [&](const fs::path& file, const std::string& good) {
             std::vector<std::string> lines = linesOf(good);
             if (auto at = numberToSplit(lines)) {
                 lines[at->first].insert(at->second + 1, "\r\n");
             }
             put(file, textOf(lines));
         },
         true},
        {"a field too many",
         [&](const fs::path& file, const std::string& good) {
             put(file, good.substr(0, good.size() - 2) + ",0\r\n");
         },
         true},
        {"a line twice",
         [&](const fs::path& file, const std::string& good) {
             std::vector<std::string> lines = linesOf(good);
             lines.insert(lines.begin(), lines.front());
             put(file, textOf(lines));
         },
         true},
        {"a line missing",
         [&](const fs::path& file, const std::string& good) {
             std::vector<std::string> lines = linesOf(good);
             lines.erase(lines.begin());
             put(file, textOf(lines));
         },
         true},
        {"1e30",
         [&](const fs::path& file, const std::string& good) {
             put(file, withFirstNumber(good, "1e30"));
         },
         true},
        {"NaN",
         [&](const fs::path& file, const std::string& good) {
             put(file, withFirstNumber(good, "NaN"));
         },
         true},
        {"a file that cannot be opened",
         [&](const fs::path& file, const std::string&) {
             fs::remove(file);
             fs::create_symlink(file.filename(), file);  // a link to itself
         },
         false},
        {"a folder in place of the file",
         [&](const fs::path& file, const std::string&) {
             fs::remove(file);
             fs::create_directory(file);
         },
         false},
    };
    const struct {
        const char* employee;
        const char* ext;
    } files[] = {
        {"Smith", ".use"}, {"Smith", ".and"}, {"Smith", ".cfe"}, {"Smith", ".ovw"},
        {"Smith", ".sta"}, {"Smith", ".cti"}, {"Smith", ".nci"}, {"Smith", ".hol"},
        {"Smith", ".yrw"}, {"Brown", ".ovb"}, {"Brown", ".yrb"},
    };
    for (const auto& f : files) {
        const std::string name = std::string(f.employee) + f.ext;
        const fs::path file = dir / name;
        const std::string good = read(name);
        for (const Damage& damage : damages) {
            SCOPED_TRACE(name + ", " + damage.what);
            damage.apply(file, good);
            const auto before = snapshot(dir);

            Session s = withJonesOpen();
            const std::string jones = everything(s);
            Outcome opened = s.openEmployee(f.employee);
            EXPECT_FALSE(opened.ok);
            ASSERT_EQ(opened.messages.size(), 1u);
            const std::string& message = opened.messages[0].text;
            EXPECT_NE(message.find(name + (damage.namesALine ? ", line " : ": ")),
                      std::string::npos)
                << message;
            // Jones stays open exactly as he was, and a calculation saves only his own files.
            EXPECT_EQ(everything(s), jones);
            EXPECT_EQ(snapshot(dir), before);
            ASSERT_TRUE(s.calculate().ok);
            auto after = snapshot(dir);
            EXPECT_EQ(after[name], before.at(name));

            fs::remove_all(file);
            put(file, good);
        }
    }
}

TEST_F(Integrity, ACalculationThatMeetsADamagedFileLeavesTheSessionAsItWas) {
    Session s = withJonesOpen();
    s.main.txtAmount[0].text = "40";
    ASSERT_TRUE(s.calculate().ok);
    const std::string shown = s.main.lbNet.caption;
    const std::string jones = everything(s);
    const std::string good = read("Jones.cti");
    write("Jones.cti", good + "0\r\n");  // a field too many
    s.main.txtAmount[0].text = "45";
    Outcome calculated = s.calculate();
    EXPECT_FALSE(calculated.ok);
    EXPECT_EQ(s.main.lbNet.caption, shown);
    EXPECT_EQ(s.main.txtAmount[0].text, "45");  // as typed
    s.main.txtAmount[0].text = "40";
    EXPECT_EQ(everything(s), jones);
    EXPECT_EQ(read("Jones.cti"), good + "0\r\n");
}

TEST_F(Integrity, AnEmployeeWithoutSettingsFilesStartsFromTheDefaultsNotFromTheEmployeeBefore) {
    // Jones: Alabama, married with three exemptions, federal exempt, non-city resident with a
    // table of his own.
    {
        Session s = withJonesOpen();
        ASSERT_TRUE(s.showStateDialog().ok);
        s.stateDialog.model->pressSpecialState(SpecialState::Alabama, {});
        ASSERT_TRUE(s.stateDialogSave().ok);
        ASSERT_TRUE(s.loadTaxInfo().ok);
        s.taxInfo.model->cboStatus2.text = "Married";
        s.taxInfo.model->cboDepend2.text = "3";
        s.taxInfo.model->ckFedExemp.value = 1;
        s.taxInfo.model->ckNonCity.value = 1;
        ASSERT_TRUE(s.taxInfoSave().ok);
        ASSERT_TRUE(s.loadNonCityDialog().ok);
        s.nonCityDialog.model->txtNonPer.text = "0.5";
        ASSERT_TRUE(s.nonCityDialogSave().ok);
    }
    // Smith is a non-city resident without a state file or a non-city file.
    {
        Session s = startedSession();
        ASSERT_TRUE(s.openEmployee("Smith").ok);
        ASSERT_TRUE(s.loadTaxInfo().ok);
        s.taxInfo.model->ckNonCity.value = 1;
        ASSERT_TRUE(s.taxInfoSave().ok);
    }
    fs::remove(dir / "Smith.sta");
    fs::remove(dir / "Smith.nci");

    Session s = withJonesOpen();
    ASSERT_EQ(s.state.StateAlabama, 1);
    ASSERT_FLOAT_EQ(s.nonCity.NonPer, 0.5f);
    ASSERT_TRUE(s.openEmployee("Smith").ok);
    // The built-in values, there being no default files.
    EXPECT_EQ(s.state.StateAlabama, 0);
    EXPECT_EQ(s.profile.StateStatus, "Single");
    EXPECT_EQ(s.profile.StateExemptions, 0);
    EXPECT_EQ(s.profile.FedExempt, 0);
    EXPECT_FLOAT_EQ(s.state.StateAmtBS[2], 18.54f);
    EXPECT_FLOAT_EQ(s.nonCity.NonPer, 0.0045f);
    EXPECT_FLOAT_EQ(s.nonCity.NonMinBi[1], 145.0f);
    // A non-city resident pays the non-city tax of the built-in table: a week's 300.00 falls
    // in the weekly row from 192 to 385, which subtracts 38: 262 x 0.0045 = 1.18.
    s.main.txtAmount[0].text = "40";
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_EQ(s.main.lbTaxDed[4].caption, "1.18");
    EXPECT_EQ(read("Smith.nci"), nonCityFileText(s.nonCity));
}

TEST_F(Integrity, AMissingSettingsFileTakesTheDefaultFilesWhenThereAreAny) {
    {
        Session s = withJonesOpen();
        ASSERT_TRUE(s.showStateDialog().ok);
        s.stateDialog.model->txtStateAmtBS[1].text = "14";
        ASSERT_TRUE(s.loadNonCityDialog().ok);
        s.nonCityDialog.model->txtNonPer.text = "0.01";
        ASSERT_TRUE(s.nonCityDialogSave().ok);
        ASSERT_TRUE(s.showStateDialog().ok);
        s.stateDialog.model->txtStateAmtBS[1].text = "14";
        ASSERT_TRUE(s.stateDialogMakeDefault().ok);
    }
    fs::remove(dir / "Smith.sta");
    fs::remove(dir / "Smith.nci");
    Session s = startedSession();
    ASSERT_TRUE(s.openEmployee("Smith").ok);
    EXPECT_FLOAT_EQ(s.state.StateAmtBS[1], 14.0f);
    EXPECT_FLOAT_EQ(s.nonCity.NonPer, 0.01f);
}

TEST_F(Integrity, ADamagedDefaultFileIsReportedAndNoHealthyFileIsWritten) {
    {
        Session s = withJonesOpen();
        ASSERT_TRUE(s.showStateDialog().ok);
        ASSERT_TRUE(s.stateDialogMakeDefault().ok);
    }
    for (const char* ext : {".sta", ".use", ".and"}) {
        SCOPED_TRACE(ext);
        const std::string good = read(ext);
        write(ext, good + "1\r\n");
        const auto before = snapshot(dir);
        Session s(dir, dir);
        Outcome started = s.startUp("12/30/2016");
        EXPECT_FALSE(started.ok);
        ASSERT_FALSE(started.messages.empty());
        EXPECT_NE(started.messages.back().text.find(std::string(ext) + ", line "),
                  std::string::npos);
        EXPECT_EQ(snapshot(dir), before);
        // The built-in values stand in; New refuses to start from the damaged file.
        EXPECT_FLOAT_EQ(s.state.StateAmtBS[2], 18.54f);
        if (std::string(ext) == ".sta") {
            EXPECT_FALSE(s.newEmployee("Green").ok);
            EXPECT_EQ(snapshot(dir), before);
        }
        write(ext, good);
    }
}

TEST_F(Integrity, StartUpWritesNothing) {
    const auto before = snapshot(dir);
    Session s = startedSession();
    EXPECT_EQ(snapshot(dir), before);
}

TEST_F(Integrity, EntryBoxesTakeOnlyWhatTheKeyFilterLetsThroughAndAPayPeriodHolds) {
    Session s = withJonesOpen();
    const auto before = snapshot(dir);
    struct Case {
        std::size_t box;
        const char* text;
        const char* says;
    };
    static const Case cases[] = {
        {6, "$5", "takes only the characters 0123456789, blank, minus and point"},
        {2, "1e30", "takes only the characters"},
        {0, "4\x1b[2J", "\"4\\x1b[2J\""},  // the escape shown, not sent to a terminal
        {2, "1000000000", "more than any pay period holds"},
        {0, "999999999", "more than any pay period holds"},  // the Single 1e9
        {6, "1000000000", "more than any pay period holds"},
        {3, "1.2.3", "which is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Outcome typed = s.typeIntoEntryBox(c.box, c.text);
        if (typed.ok) {
            Outcome calculated = s.calculate();
            EXPECT_FALSE(calculated.ok);
            ASSERT_EQ(calculated.messages.size(), 1u);
            EXPECT_NE(calculated.messages[0].text.find(c.says), std::string::npos)
                << calculated.messages[0].text;
            EXPECT_NE(calculated.messages[0].text.find(kEntryLabels[c.box]), std::string::npos);
        } else {
            ASSERT_EQ(typed.messages.size(), 1u);
            EXPECT_NE(typed.messages[0].text.find(c.says), std::string::npos)
                << typed.messages[0].text;
            EXPECT_EQ(s.main.txtAmount[c.box].text, "");  // the box keeps its text
        }
        s.main.txtAmount[c.box].text.clear();
    }
    // Hours and rate each below a billion can still give a pay no period holds.
    s.main.txtAmount[0].text = "900000000";
    Outcome calculated = s.calculate();
    EXPECT_FALSE(calculated.ok);
    ASSERT_EQ(calculated.messages.size(), 1u);
    EXPECT_NE(calculated.messages[0].text.find("$6,750,000,000.00"), std::string::npos)
        << calculated.messages[0].text;
    EXPECT_EQ(snapshot(dir), before);
}

// The settings dialogs refuse a number no pay period holds as they refuse text that is none:
// the box is named and no setting changes.
TEST(SettingsBoxes, ANumberOfABillionOrMoreIsRefusedNamingTheBox) {
    for (const char* text : {"1000000000", "-2e9", "999999999"}) {
        SCOPED_TRACE(text);
        CityDialog city;
        city.newYork();
        city.txtCityAmtBM[6].text = text;
        CitySettings c;
        const auto cityBad = city.takeOverBoxes(c);
        ASSERT_TRUE(cityBad.has_value());
        EXPECT_EQ(testing::boxName(*cityBad), "txtCityAmtBM(6)");

        NonCityDialog nonCity;
        nonCity.deFault();
        nonCity.txtNonPer.text = text;
        NonCitySettings n;
        const auto nonCityBad = nonCity.takeOverBoxes(n);
        ASSERT_TRUE(nonCityBad.has_value());
        EXPECT_EQ(testing::boxName(*nonCityBad), "txtNonPer");

        StateDialog state;
        state.newYork();
        state.txtSDIwageBase.text = text;
        StateSettings st;
        const auto stateBad = state.takeOverBoxes(st);
        ASSERT_TRUE(stateBad.has_value());
        EXPECT_EQ(testing::boxName(*stateBad), "txtSDIwageBase");
    }
    // The tax information's amount boxes take their leading number, which must fit too.
    for (auto box : {&TaxInfoDialog::txtMuni, &TaxInfoDialog::txtKplan, &TaxInfoDialog::txtCafe,
                     &TaxInfoDialog::txtHourRate2}) {
        TaxInfoDialog info;
        Profile p;
        info.prepareLoad(p);
        (info.*box).text = "12345678901";
        const Profile before = p;
        auto taken = info.takeOverBoxes(p);
        ASSERT_TRUE(std::holds_alternative<BadBox>(taken));
        EXPECT_EQ(useFileText(p, {}), useFileText(before, {}));
    }
    EXPECT_EQ(namedBox("txtKplan").words, "K Plan");
}

TEST_F(Integrity, AMessageQuotesALongTextShortAndEscaped) {
    Session s = startedSession();
    const std::string name(10000, 'x');
    Outcome opened = s.openEmployee(name + "\x1b");
    ASSERT_EQ(opened.messages.size(), 1u);
    const std::string& text = opened.messages[0].text;
    EXPECT_LT(text.size(), 250u) << text;
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
}

}  // namespace
}  // namespace quillon
