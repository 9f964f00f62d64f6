// Every file of an employee, the defaults, the federal table and the heading: the original
// program's files read into the right fields, round trips, golden texts and failures.
#include "records/files.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <vector>

#include "records/tests/record_printers.hpp"

#include "records/tests/file_text.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const fs::path kData = QUILLON_TEST_DATA;

using testing::contentOf;
using testing::writeText;

// Records per line: every line ends with CR LF and nothing follows the last.
int crlfLines(const std::string& text) {
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
            ++lines;
        }
    }
    EXPECT_TRUE(text.empty() || text.back() == '\n');
    return lines;
}

class TempFolder {
  public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("quillon-files-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    [[nodiscard]] const fs::path& path() const { return path_; }

  private:
    fs::path path_;
    static inline int count_ = 0;
};

// ----- the New York values, as the state and city tables list them

StateSettings newYorkState() {
    StateSettings s;
    const float min[10] = {0, 325, 448, 533, 819, 3083, 3700, 4113, 6173, 8231};
    const float amtS[10] = {0, 13, 18.54f, 23, 39.88f, 185.88f, 226.92f, 258.27f, 424.69f, 571.81f};
    const float amtM[10] = {0, 13, 18.54f, 23, 39.88f, 185.88f, 226.92f, 257.04f, 417.27f, 583.54f};
    const float perS[10] = {0.04f,   0.045f,  0.0525f, 0.059f,  0.0645f,
                            0.0665f, 0.0758f, 0.0808f, 0.0715f, 0.0815f};
    const float perM[10] = {0.04f,   0.045f,  0.0525f, 0.059f,  0.0645f,
                            0.0665f, 0.0728f, 0.0778f, 0.0808f, 0.0715f};
    const float sg[10] = {284.6f, 323.1f, 361.6f, 400.1f, 438.6f,
                          477.1f, 515.6f, 554.1f, 592.6f, 631.1f};
    const float mar[10] = {303.8f, 342.3f, 380.8f, 419.3f, 457.8f,
                           496.3f, 534.8f, 573.3f, 611.8f, 650.3f};
    for (int r = 0; r < 10; ++r) {
        s.StateMinBS[r] = s.StateMinBM[r] = min[r];
        s.StateAmtBS[r] = amtS[r];
        s.StateAmtBM[r] = amtM[r];
        s.StatePerBS[r] = perS[r];
        s.StatePerBM[r] = perM[r];
        s.StateSgExp[r] = sg[r];
        s.StateMarExp[r] = mar[r];
    }
    return s;
}

CitySettings newYorkCity() {
    CitySettings c;
    const float min[10] = {0, 308, 334, 577, 962, 2308, 19231, 999999, 999999, 999999};
    const float amtS[10] = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.31f, 0, 0, 0};
    const float amtM[10] = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.09f, 0, 0, 0};
    const float per[10] = {0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f, 0.0425f, 0, 0, 0};
    const float sg[10] = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f,
                          384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    const float mar[10] = {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558};
    for (int r = 0; r < 10; ++r) {
        c.CityMinBS[r] = c.CityMinBM[r] = min[r];
        c.CityAmtBS[r] = amtS[r];
        c.CityAmtBM[r] = amtM[r];
        c.CityPerBS[r] = c.CityPerBM[r] = per[r];
        c.CitySgExp[r] = sg[r];
        c.CityMarExp[r] = mar[r];
    }
    return c;
}

// ----- golden texts

TEST(Golden, StateFileWithTheNewYorkValues) {
    Profile p;
    p.StateStatus = "Single";
    std::string text = stateFileText(newYorkState(), p);
    EXPECT_EQ(text, contentOf(kData / "NewYork.sta"));
    EXPECT_EQ(crlfLines(text), 23);
}

TEST(Golden, CityFileWithTheNewYorkValues) {
    CitySettings c = newYorkCity();
    c.NoLocalTax = 1;
    std::string text = cityFileText(c);
    EXPECT_EQ(text, contentOf(kData / "NewYork.cti"));
    EXPECT_EQ(crlfLines(text), 21);
}

// ----- files of the original program

TEST(OriginalFiles, UseFile) {
    Profile p;
    StateSettings s;
    s.StateWisconApril = 7;
    ASSERT_FALSE(readUseFile(kData / "Original.use", p, s).failed());
    EXPECT_EQ(p.OtEarned, 12.5f);
    EXPECT_EQ(p.OtMax, 1500.0f);
    EXPECT_EQ(p.OtAvail, 1487.5f);
    EXPECT_EQ(p.AnnualSalary, 30000.0f);
    EXPECT_EQ(p.OtApprovedPct, 5.0f);
    EXPECT_EQ(p.OtEarnedPct, 0.04f);
    EXPECT_EQ(p.HourRate, 15.25f);
    EXPECT_EQ(p.HourRate2, 0.0f);
    EXPECT_EQ(p.TipsRate, 0.5f);
    EXPECT_EQ(p.FedExemptions, "2");
    EXPECT_EQ(p.FedStatus, "Single");
    EXPECT_EQ(p.PensionPct, 5.0f);
    EXPECT_EQ(p.MuniAmt, 25.0f);
    EXPECT_EQ(p.BondAmt, 0.0f);  // an empty field
    EXPECT_EQ(p.HealthAmt, 110.5f);
    EXPECT_EQ(p.DuesAmt, 12.0f);
    EXPECT_EQ(p.KplanValue, 6.0f);
    EXPECT_EQ(p.NonCityRes, 1);
    EXPECT_FALSE(p.PayWeekly);
    EXPECT_TRUE(p.PayBiWeekly);
    EXPECT_EQ(p.DedName5, "Credit Union");
    EXPECT_EQ(p.DedName6, "Bond");
    EXPECT_EQ(p.DedName7, "Union Dues");
    EXPECT_EQ(p.DedName8, "Pension");
    EXPECT_EQ(p.DedName9, "Health Ins");
    EXPECT_EQ(s.StateWisconApril, 0);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(p.SpareVar[0]));
    EXPECT_EQ(p.SpareVar[1], Variant(std::string("spare text")));
    EXPECT_EQ(p.SpareVar[2], Variant(-0.25));
    for (int i = 3; i < 14; ++i) {
        EXPECT_TRUE(std::holds_alternative<std::monostate>(p.SpareVar[i])) << i;
    }
    EXPECT_EQ(p.SpareVar[14], Variant(true));
}

TEST(OriginalFiles, AndFile) {
    Profile p;
    StateSettings s;
    ASSERT_FALSE(readAndFile(kData / "Original.and", p, s).failed());
    EXPECT_EQ(p.PrintOffsetH, 0.25f);
    EXPECT_EQ(p.PrintOffsetV, -0.5f);
    EXPECT_EQ(s.SpouseWorks, 1);
    EXPECT_EQ(s.CalAllow, 12.5f);
    EXPECT_FALSE(p.SpareBool1);
    EXPECT_FALSE(p.SpareBool2);
    EXPECT_TRUE(p.SpareBool3);
    EXPECT_EQ(p.EmpAddress, "12 Main St");
    EXPECT_EQ(p.EmpCityStateZip, "Albany, NY 12207");
    EXPECT_EQ(p.EmpSSN, "123-45-6789");
    EXPECT_EQ(p.EmpName, "John Q. Smith");
    // Line 7: Round State, Utah, Wisconsin-prior, Alabama.
    EXPECT_EQ(s.RoundState, 1);
    EXPECT_EQ(s.StateUtah, 0);
    EXPECT_EQ(s.StateWiscon, 1);
    EXPECT_EQ(s.StateAlabama, 0);
    EXPECT_EQ(p.KplanPercent, 1);
    EXPECT_EQ(p.KplanFixed, 0);
}

TEST(OriginalFiles, CafeteriaAndOvertimeFiles) {
    Profile p;
    ASSERT_FALSE(readCfeFile(kData / "Original.cfe", p).failed());
    EXPECT_EQ(p.CafeAmt, 25.5f);
    EXPECT_EQ(p.CafeDeductState, 1);
    EXPECT_EQ(p.SelfEmployed, 0);

    ASSERT_FALSE(readOvertimeFile(kData / "Original.ovw", p, kWeeklyRows).failed());
    EXPECT_EQ(p.OtDates[0], "01/08/2016");
    EXPECT_EQ(p.OtAmounts[0], "125.5");
    EXPECT_EQ(p.OtDates[1], "01/15/2016");
    EXPECT_EQ(p.OtAmounts[1], "0.5");
    EXPECT_EQ(p.OtDates[52], "");
    EXPECT_EQ(p.OtAmounts[52], "0");

    Profile b;
    b.OtAmounts[30] = "untouched";
    ASSERT_FALSE(readOvertimeFile(kData / "Original.ovb", b, kBiWeeklyRows).failed());
    EXPECT_EQ(b.OtAmounts[0], "250.75");
    EXPECT_EQ(b.OtAmounts[26], "0");
    EXPECT_EQ(b.OtAmounts[30], "untouched");
}

TEST(OriginalFiles, StateFile) {
    StateSettings s;
    Profile p;
    ASSERT_FALSE(readStateFile(kData / "Original.sta", s, p).failed());
    const StateSettings ny = newYorkState();
    EXPECT_EQ(s.StateMinBS, ny.StateMinBS);
    EXPECT_EQ(s.StateAmtBS, ny.StateAmtBS);
    EXPECT_EQ(s.StatePerBS, ny.StatePerBS);
    EXPECT_EQ(s.StateMinBM, ny.StateMinBM);
    EXPECT_EQ(s.StateAmtBM, ny.StateAmtBM);
    EXPECT_EQ(s.StatePerBM, ny.StatePerBM);
    EXPECT_EQ(s.StateSgExp, ny.StateSgExp);
    EXPECT_EQ(s.StateMarExp, ny.StateMarExp);
    // Line 22: 1.2,.5,90000,8500,-2.5,1,0,0,0
    EXPECT_EQ(s.SDIpercent, 1.2f);
    EXPECT_EQ(s.SUIpercent, 0.5f);
    EXPECT_EQ(s.SDIwageBase, 90000.0f);
    EXPECT_EQ(s.SUIwageBase, 8500.0f);
    EXPECT_EQ(s.StateAdj, -2.5f);
    EXPECT_EQ(s.SDIuseBase, 1);
    EXPECT_EQ(s.SUIuseBase, 0);
    // Line 23: 0,0,0,3,"Married",1,10.5,0,0,0,0
    EXPECT_EQ(p.StateExemptions, 3);
    EXPECT_EQ(p.StateStatus, "Married");
    EXPECT_EQ(p.FedExempt, 1);
    EXPECT_EQ(p.FedAddWithhold, 10.5f);
}

TEST(OriginalFiles, CityAndNonCityFiles) {
    CitySettings c;
    ASSERT_FALSE(readCityFile(kData / "Original.cti", c).failed());
    const CitySettings ny = newYorkCity();
    EXPECT_EQ(c.CityMinBS, ny.CityMinBS);
    EXPECT_EQ(c.CityAmtBS, ny.CityAmtBS);
    EXPECT_EQ(c.CityAmtBM, ny.CityAmtBM);
    EXPECT_EQ(c.CityPerBM, ny.CityPerBM);
    EXPECT_EQ(c.CitySgExp, ny.CitySgExp);
    EXPECT_EQ(c.CityMarExp, ny.CityMarExp);
    EXPECT_EQ(c.CityAmtBM[6], 801.09f);
    EXPECT_EQ(c.NoLocalTax, 0);

    NonCitySettings n;
    ASSERT_FALSE(readNonCityFile(kData / "Original.nci", n).failed());
    const NonCitySettings::Column minBi = {0, 145, 385, 769, 1154, 999999, 999999, 999999};
    const NonCitySettings::Column expWk = {0, 58, 38, 19, 0, 0, 0, 0};
    EXPECT_EQ(n.NonMinBi, minBi);
    EXPECT_EQ(n.NonExpWk, expWk);
    EXPECT_EQ(n.NonExpBi[1], 115.0f);
    EXPECT_EQ(n.NonMinWk[4], 577.0f);
    EXPECT_EQ(n.NonPer, 0.0045f);
}

TEST(OriginalFiles, VacationFile) {
    VacationRecord v;
    ASSERT_FALSE(readVacationFile(kData / "Original.hol", v).failed());
    EXPECT_EQ(v.VacBal, 6.5f);
    EXPECT_EQ(v.VacStart, 10.0f);
    EXPECT_EQ(v.HolBal, 3.0f);
    EXPECT_EQ(v.HolStart, 5.0f);
    EXPECT_EQ(v.SickBal, 7.25f);
    EXPECT_EQ(v.SickStart, 8.0f);
    EXPECT_EQ(v.VacTaken[0], 1.0f);
    EXPECT_EQ(v.VacTaken[1], 2.0f);
    EXPECT_EQ(v.VacTaken[2], 0.5f);
    EXPECT_EQ(v.HolTaken[0], 1.0f);
    EXPECT_EQ(v.SickTaken[0], 0.5f);
    EXPECT_EQ(v.VacDate[0], "Jan 4");
    EXPECT_EQ(v.HolDate[0], "07/04/2016");
    EXPECT_EQ(v.SickDate[0], "3/1/16");
    EXPECT_EQ(v.VacDate[1], "Feb 1-2");
    EXPECT_EQ(v.VacDate[19], "");
}

TEST(OriginalFiles, BiWeeklyRegister) {
    Register r;
    r.rows[40].Sdi = 9;  // beyond the bi-weekly rows: not touched
    ASSERT_FALSE(readRegisterFile(kData / "Original.yrb", r, kBiWeeklyRows).failed());
    const RegisterRow& first = r.rows[0];
    EXPECT_EQ(first.Date, "01/15/2016");
    EXPECT_EQ(first.Fed, 120.5f);
    EXPECT_EQ(first.SS, 62.0f);
    EXPECT_EQ(first.Medi, 14.5f);
    EXPECT_EQ(first.State, 40.25f);
    EXPECT_EQ(first.City, 8.1f);
    EXPECT_EQ(first.Pen, 30.6f);
    EXPECT_EQ(first.Misc, 110.5f);
    EXPECT_EQ(first.Kplan, 60.0f);
    EXPECT_EQ(first.OT, 37.5f);
    EXPECT_EQ(first.Gross, 1000.0f);  // gross before net in the file
    EXPECT_EQ(first.Net, 519.05f);
    EXPECT_EQ(first.Sdi, 12.0f);
    EXPECT_EQ(first.Sui, 3.4f);
    EXPECT_EQ(first.Cafe, 25.5f);
    EXPECT_EQ(first.Tips, 15.0f);
    EXPECT_EQ(r.rows[1].Date, "01/29/2016");
    EXPECT_EQ(r.rows[1].Net, 503.84f);
    EXPECT_EQ(r.rows[26].Date, "");
    EXPECT_EQ(r.rows[40].Sdi, 9.0f);
    EXPECT_EQ(r.totals.TotFed, Currency::fromUnits(2387500));
    EXPECT_EQ(r.totals.TotCity, Currency::fromUnits(161000));
    EXPECT_EQ(r.totals.TotMisc, Currency::fromUnits(2210000));
    EXPECT_EQ(r.totals.TotKplan, Currency::fromUnits(1200000));
    EXPECT_EQ(r.totals.TotOT, Currency::fromUnits(375000));
    EXPECT_EQ(r.totals.TotGross, Currency::fromUnits(19920000));
    EXPECT_EQ(r.totals.TotNet, Currency::fromUnits(10228900));
    EXPECT_EQ(r.totals.TotTips, Currency::fromUnits(150000));
}

TEST(OriginalFiles, HeadingAndSavedPeriod) {
    CompanyHeading h;
    ASSERT_FALSE(readHeadingFile(kData / "Header.sav", h).failed());
    EXPECT_EQ(h.HeadCompany, "Acme Tools");
    EXPECT_EQ(h.HeadAddress, "1 Elm St");
    EXPECT_EQ(h.HeadZip, "Albany, NY 12207");
    EXPECT_EQ(h.HeadId, "11-2233445");

    SavedPeriod period;
    ASSERT_FALSE(readPeriodFile(kData / periodFileName("Original", "12/31/2016"), period).failed());
    EXPECT_EQ(period.entries[0], 40.0f);
    EXPECT_EQ(period.entries[1], 5.0f);
    EXPECT_EQ(period.entries[7], 0.5f);
    EXPECT_EQ(period.rows[0], 95.12f);
    EXPECT_EQ(period.rows[10], 60.0f);
    EXPECT_EQ(period.sdi, 12.0f);
    EXPECT_EQ(period.sui, 3.4f);
    EXPECT_EQ(period.cafe, 25.5f);
    EXPECT_EQ(period.gross, 720.0f);
    EXPECT_EQ(period.taxes, 186.35f);
    EXPECT_EQ(period.deductions, 238.1f);
    EXPECT_EQ(period.net, 295.55f);
}

// ----- short and malformed files

TEST(BrokenFiles, AStateFileCutAfterLine21KeepsWhatWasRead) {
    std::string text = contentOf(kData / "Original.sta");
    std::size_t cut = 0;
    for (int line = 0; line < 21; ++line) {
        cut = text.find("\r\n", cut) + 2;
    }
    TempFolder folder;
    writeText(folder.path() / "Smith.sta", text.substr(0, cut));
    StateSettings s;
    s.SDIpercent = 77;
    Profile p;
    auto error = readStateFile(folder.path() / "Smith.sta", s, p);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(), "Smith.sta, line 22: the file ends early");
    EXPECT_EQ(s.StateMarExp[9], 650.3f);  // line 21, read before
    EXPECT_EQ(s.StatePerBM[9], 0.0715f);
    EXPECT_EQ(s.SDIpercent, 77.0f);  // line 22, never reached
}

TEST(BrokenFiles, ANonNumberStopsTheReadingWithFileLineAndField) {
    std::string text = contentOf(kData / "Original.sta");
    std::size_t at = text.find("1.2,.5,90000");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 12, "1.2,.5,9O000");  // a letter O typed for a zero
    TempFolder folder;
    writeText(folder.path() / "Smith.sta", text);
    StateSettings s;
    Profile p;
    p.StateStatus = "before";
    auto error = readStateFile(folder.path() / "Smith.sta", s, p);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().file, "Smith.sta");
    EXPECT_EQ(error.error().line, 22);
    EXPECT_EQ(error.error().field, 3);
    EXPECT_EQ(error.error().problem, "not a number: \"9O000\"");
    EXPECT_EQ(s.SDIpercent, 1.2f);
    EXPECT_EQ(s.SUIpercent, 0.5f);
    EXPECT_EQ(s.SDIwageBase, 0.0f);
    EXPECT_EQ(p.StateStatus, "before");  // line 23 not read
}

TEST(BrokenFiles, ARegisterCutInItsThirdRow) {
    std::string text = contentOf(kData / "Original.yrb");
    std::size_t cut = 0;
    for (int line = 0; line < 10; ++line) {
        cut = text.find("\r\n", cut) + 2;
    }
    TempFolder folder;
    writeText(folder.path() / "Smith.yrb", text.substr(0, cut));
    Register r;
    r.rows[2].Misc = 5;
    r.totals.TotFed = Currency::fromUnits(50000);
    auto error = readRegisterFile(folder.path() / "Smith.yrb", r, kBiWeeklyRows);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(), "Smith.yrb, line 11: the file ends early");
    EXPECT_EQ(r.rows[0].Net, 519.05f);
    EXPECT_EQ(r.rows[1].Sui, 3.3f);
    EXPECT_EQ(r.rows[2].Date, "");
    EXPECT_EQ(r.rows[2].Misc, 5.0f);
    EXPECT_EQ(r.totals.TotFed, Currency::fromUnits(50000));
}

TEST(BrokenFiles, AMissingFileIsReportedAsNotThere) {
    TempFolder folder;
    CitySettings c;
    auto error = readCityFile(folder.path() / "Nobody.cti", c);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(), "Nobody.cti: the file does not exist");
}

// ----- round trips

// Every field differs from its default, but for the second of each pair the windows keep
// exclusive (PayBiWeekly beside PayWeekly, KplanFixed beside KplanPercent): a field that a
// reader or writer drops then fails the whole-record comparison.
Profile sampleProfile() {
    Profile p;
    p.EmpName = "Mary \"Mo\" O'Neil";
    p.EmpAddress = "4 Pine Rd, Apt 2";
    p.EmpCityStateZip = "Troy, NY 12180";
    p.EmpSSN = "987-65-4321";
    p.HourRate = 18.75f;
    p.HourRate2 = 28.125f;
    p.TipsRate = 2.13f;
    p.PayWeekly = true;
    p.FedStatus = "Married";
    p.FedExemptions = "3";
    p.FedExempt = 1;
    p.FedAddWithhold = 12.34f;
    p.SSMediExempt = 1;
    p.SelfEmployed = 1;
    p.StateStatus = "Married";
    p.StateExemptions = 4;
    p.NonCityRes = 1;
    p.MuniAmt = 10.01f;
    p.BondAmt = 5.5f;
    p.DuesAmt = 22.22f;
    p.PensionPct = 3.5f;
    p.HealthAmt = 99.99f;
    p.KplanValue = 4;
    p.KplanPercent = 1;
    p.CafeAmt = 17.17f;
    p.CafeDeductState = 1;
    p.DedName5 = "Credit";
    p.DedName6 = "Bonds";
    p.DedName7 = "Dues";
    p.DedName8 = "Pens";
    p.DedName9 = "Health";
    p.PrintOffsetH = -0.125f;
    p.PrintOffsetV = 0.3f;
    p.AnnualSalary = 41000;
    p.OtApprovedPct = 7.5f;
    p.OtEarned = 1234.56f;
    p.OtMax = 3075;
    p.OtAvail = 1840.44f;
    p.OtEarnedPct = 0.03f;  // stored as shown, two decimals
    for (int i = 0; i < 53; ++i) {
        p.OtDates[i] = i % 5 == 0 ? "" : "0" + std::to_string(i % 12 + 1) + "/01/2016";
        p.OtAmounts[i] = i % 3 == 0 ? "0" : std::to_string(i) + ".25";
    }
    p.SpareVar[0] = 3.25;
    p.SpareVar[1] = std::string("kept, as it was");
    p.SpareVar[2] = std::string();
    p.SpareVar[5] = true;
    p.SpareVar[9] = -1e-7;
    p.SpareVar[14] = std::string("last");
    p.SpareSng1 = 1.5f;
    p.SpareSng2 = 0.1f;
    p.SpareSng3 = 1e6f;
    p.SpareSng4 = -7;
    p.SpareSng5 = -2.25f;
    p.SpareBool1 = true;
    p.SpareBool2 = true;
    p.SpareBool3 = true;
    p.SpareStr1 = "one";
    p.SpareStr2 = "two";
    p.SpareInt1 = -32768;
    p.SpareInt2 = 32767;
    return p;
}

StateSettings sampleState() {
    StateSettings s = newYorkState();
    s.NoStateTax = 1;
    s.SDIpercent = 1.1f;
    s.SUIpercent = 0.6f;
    s.SDIwageBase = 99000;
    s.SUIwageBase = 7000;
    s.SDIuseBase = 1;
    s.SUIuseBase = 1;
    s.StateAdj = -1.5f;
    s.CalAllow = 158.4f;
    s.RoundState = 1;
    s.SpouseWorks = 1;
    s.StateAriz = 1;
    s.StateLouis = 1;
    s.StateIowa = 1;
    s.StateMissouri = 1;
    s.StateMass = 1;
    s.StateOregon = 1;
    s.StateUtah = 1;
    s.StateAlabama = 1;
    s.StateKentucky = 1;
    s.StateWiscon = 1;
    s.StateWisconApril = 1;
    s.StateNC = 1;
    return s;
}

// Writes, reads into fresh records, writes again: the second file equals the first.
TEST(RoundTrip, EveryFileOfAnEmployee) {
    TempFolder folder;
    const Profile p = sampleProfile();
    const StateSettings s = sampleState();
    auto file = [&](const char* ext) { return employeeFile(folder.path(), "Mary", ext); };

    ASSERT_FALSE(writeUseFile(file(".use"), p, s).failed());
    ASSERT_FALSE(writeAndFile(file(".and"), p, s).failed());
    ASSERT_FALSE(writeCfeFile(file(".cfe"), p).failed());
    ASSERT_FALSE(writeOvertimeFile(file(".ovw"), p, kWeeklyRows).failed());
    ASSERT_FALSE(writeOvertimeFile(file(".ovb"), p, kBiWeeklyRows).failed());
    ASSERT_FALSE(writeStateFile(file(".sta"), s, p).failed());

    Profile q;
    StateSettings t;
    ASSERT_FALSE(readUseFile(file(".use"), q, t).failed());
    ASSERT_FALSE(readAndFile(file(".and"), q, t).failed());
    ASSERT_FALSE(readCfeFile(file(".cfe"), q).failed());
    ASSERT_FALSE(readOvertimeFile(file(".ovw"), q, kWeeklyRows).failed());
    ASSERT_FALSE(readStateFile(file(".sta"), t, q).failed());

    Profile expected = p;
    expected.EmpName = "Mary 'Mo' O'Neil";  // the double quotes stored as apostrophes
    for (std::string& amount : expected.OtAmounts) {
        if (amount == "0") {
            continue;
        }
        amount = decimalText(strictNumber(amount).value());
    }
    EXPECT_EQ(q, expected);
    EXPECT_EQ(t, s);

    Profile b;
    ASSERT_FALSE(readOvertimeFile(file(".ovb"), b, kBiWeeklyRows).failed());
    EXPECT_EQ(b.OtDates[26], p.OtDates[26]);
    EXPECT_EQ(b.OtDates[27], "");

    struct Written {
        const char* ext;
        int lines;
        std::string again;
    };
    const Written written[] = {
        {".use", 12, useFileText(q, t)},
        {".and", 9, andFileText(q, t)},
        {".cfe", 1, cfeFileText(q)},
        {".ovw", 53, overtimeFileText(q, kWeeklyRows)},
        {".ovb", 27, overtimeFileText(b, kBiWeeklyRows)},
        {".sta", 23, stateFileText(t, q)},
    };
    for (const Written& w : written) {
        SCOPED_TRACE(w.ext);
        std::string first = contentOf(file(w.ext));
        EXPECT_EQ(crlfLines(first), w.lines);
        EXPECT_EQ(w.again, first);
    }
}

TEST(RoundTrip, CityNonCityVacationHeadingPeriod) {
    TempFolder folder;
    CitySettings c = newYorkCity();
    c.NoLocalTax = 1;
    c.CityPerBS[9] = 0.0001f;
    NonCitySettings n;
    for (int r = 0; r < 8; ++r) {
        n.NonMinBi[r] = 100.5f * static_cast<float>(r);
        n.NonExpBi[r] = 7.25f * static_cast<float>(r);
        n.NonMinWk[r] = 50.25f * static_cast<float>(r);
        n.NonExpWk[r] = 3.5f * static_cast<float>(r);
    }
    n.NonPer = 0.0045f;
    VacationRecord v;
    v.VacBal = 6.5f;
    v.VacStart = 10;
    v.HolBal = 2;
    v.HolStart = 5;
    v.SickBal = -1.25f;
    v.SickStart = 8;
    for (int i = 0; i < 20; ++i) {
        v.VacTaken[i] = 0.5f * static_cast<float>(i);
        v.HolTaken[i] = 0.1f * static_cast<float>(i);
        v.SickTaken[i] = 0.25f * static_cast<float>(i);
        v.HolDate[i] = "holiday " + std::to_string(i);
        v.SickDate[i] = "day " + std::to_string(i);
    }
    v.VacDate[19] = "Dec 31, 2016";
    CompanyHeading h{"Acme, Inc.", "1 Elm St", "Albany, NY 12207", "11-2233445"};
    SavedPeriod period;
    for (int i = 0; i < 8; ++i) {
        period.entries[i] = 1.5f * static_cast<float>(i);
    }
    for (int i = 0; i < 11; ++i) {
        period.rows[i] = 12.34f * static_cast<float>(i);
    }
    period.sdi = 1.23f;
    period.sui = 4.56f;
    period.cafe = 7.89f;
    period.gross = 1234.56f;
    period.taxes = 321.09f;
    period.deductions = 87.65f;
    period.net = 825.82f;

    const fs::path cti = folder.path() / "Mary.cti";
    const fs::path nci = folder.path() / "Mary.nci";
    const fs::path hol = folder.path() / "Mary.hol";
    const fs::path sav = folder.path() / "Header.sav";
    const fs::path prv = folder.path() / periodFileName("Mary", "12/31/2016");
    ASSERT_FALSE(writeCityFile(cti, c).failed());
    ASSERT_FALSE(writeNonCityFile(nci, n).failed());
    ASSERT_FALSE(writeVacationFile(hol, v).failed());
    ASSERT_FALSE(writeHeadingFile(sav, h).failed());
    ASSERT_FALSE(writePeriodFile(prv, period).failed());
    EXPECT_EQ(prv.filename().string(), "Mary  12_31_2016.prv");

    CitySettings c2;
    NonCitySettings n2;
    VacationRecord v2;
    CompanyHeading h2;
    SavedPeriod period2;
    ASSERT_FALSE(readCityFile(cti, c2).failed());
    ASSERT_FALSE(readNonCityFile(nci, n2).failed());
    ASSERT_FALSE(readVacationFile(hol, v2).failed());
    ASSERT_FALSE(readHeadingFile(sav, h2).failed());
    ASSERT_FALSE(readPeriodFile(prv, period2).failed());

    EXPECT_EQ(c2, c);
    EXPECT_EQ(n2, n);
    EXPECT_EQ(v2, v);
    EXPECT_EQ(h2, h);
    EXPECT_EQ(period2, period);

    EXPECT_EQ(contentOf(sav),
              "\"Acme, Inc.\",\"1 Elm St\",\"Albany, NY 12207\",\"11-2233445\"\r\n");
    struct Again {
        fs::path file;
        int lines;
        std::string text;
    };
    const Again again[] = {
        {cti, 21, cityFileText(c2)},        {nci, 9, nonCityFileText(n2)},
        {hol, 41, vacationFileText(v2)},    {sav, 1, headingFileText(h2)},
        {prv, 26, periodFileText(period2)},
    };
    for (const Again& a : again) {
        SCOPED_TRACE(a.file.string());
        std::string first = contentOf(a.file);
        EXPECT_EQ(crlfLines(first), a.lines);
        EXPECT_EQ(a.text, first);
    }
}

TEST(RoundTrip, RegistersOfBothFrequencies) {
    Register r;
    for (int i = 0; i < kRegisterSlots; ++i) {
        RegisterRow& row = r.rows[i];
        float k = static_cast<float>(i + 1);
        row.Date = "row " + std::to_string(i + 1);
        row.Fed = 10.01f * k;
        row.SS = 6.2f * k;
        row.Medi = 1.45f * k;
        row.State = 3.33f * k;
        row.City = 1.11f * k;
        row.Muni = 2;
        row.Bond = 3;
        row.Dues = 4;
        row.Pen = 5.5f;
        row.Misc = 6.25f;
        row.Kplan = 7.75f;
        row.Tips = 0.01f * k;
        row.OT = 12.5f;
        row.Net = 500.05f + k;
        row.Gross = 800.8f + k;
        row.Sdi = 0.5f;
        row.Sui = 0.25f;
        row.Cafe = 1.5f;
    }
    RegisterTotals& t = r.totals;
    t.TotFed = Currency::fromUnits(141780300);
    t.TotSS = Currency::fromUnits(87876000);
    t.TotMedi = Currency::fromUnits(20550500);
    t.TotState = Currency::fromUnits(47200200);
    t.TotCity = Currency::fromUnits(15732900);
    t.TotMuni = Currency::fromUnits(1060000);
    t.TotBond = Currency::fromUnits(1590000);
    t.TotDues = Currency::fromUnits(2120000);
    t.TotPen = Currency::fromUnits(2915000);
    t.TotMisc = Currency::fromUnits(3312500);
    t.TotKplan = Currency::fromUnits(4107500);
    t.TotOT = Currency::fromUnits(6625000);
    t.TotTips = Currency::fromUnits(143100);
    t.TotNet = Currency::fromUnits(279937650);
    t.TotGross = Currency::fromUnits(123456789);  // four decimals survive
    TempFolder folder;
    struct Case {
        const char* name;
        int rows;
        int lines;
    };
    static const Case cases[] = {{"Mary.yrw", kWeeklyRows, 215}, {"Mary.yrb", kBiWeeklyRows, 111}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = folder.path() / c.name;
        ASSERT_FALSE(writeRegisterFile(file, r, c.rows).failed());
        Register back;
        ASSERT_FALSE(readRegisterFile(file, back, c.rows).failed());
        // The used rows and the stored totals come back, TotGross with its four decimals; the
        // rows beyond the used ones are not in the file and stay as they were.
        Register expected = r;
        std::fill(expected.rows.begin() + c.rows, expected.rows.end(), RegisterRow{});
        EXPECT_EQ(back, expected);
        std::string first = contentOf(file);
        EXPECT_EQ(crlfLines(first), c.lines);
        EXPECT_EQ(registerFileText(back, c.rows), first);
    }
}

// ----- what the profile files store in their own way

TEST(UseFile, StoresTheEarnedPercentageAsShownWithTwoDecimals) {
    struct Case {
        float earnedPct;
        float stored;
    };
    static const Case cases[] = {
        {0.12345f, 0.12f},
        {0.125f, 0.13f},  // halves away from zero
        {0.004f, 0.0f},
        {12.3456f, 12.35f},
        {std::numeric_limits<float>::quiet_NaN(), 0.0f},  // no salary: nothing earned to show
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.earnedPct);
        Profile p;
        p.OtEarnedPct = c.earnedPct;
        StateSettings s;
        FieldReader in(useFileText(p, s), "x.use");
        Profile q;
        ASSERT_FALSE(readUseFile(in, q, s).failed());
        EXPECT_EQ(q.OtEarnedPct, c.stored);
    }
}

TEST(UseFile, AFreshEmployeeEndsWithThreeLinesOfCommas) {
    Profile p;
    StateSettings s;
    std::string text = useFileText(p, s);
    EXPECT_EQ(crlfLines(text), 12);
    EXPECT_NE(text.find("\r\n0,,,\r\n,,,\r\n,,,\r\n,,,\r\n"), std::string::npos) << text;
}

TEST(OvertimeFile, StoresTheAmountAsANumberAndReadsItBackAsText) {
    struct Case {
        const char* amount;
        const char* line;
        const char* readBack;
    };
    static const Case cases[] = {
        {"125.5", "\"d\",125.5\r\n", "125.5"}, {"$1,234.50", "\"d\",1234.5\r\n", "1234.5"},
        {" 7 ", "\"d\",7\r\n", "7"},           {"", "\"d\",0\r\n", "0"},
        {"abc", "\"d\",0\r\n", "0"},           {"-.25", "\"d\",-0.25\r\n", "-0.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        Profile p;
        p.OtDates[0] = "d";
        p.OtAmounts[0] = c.amount;
        std::string text = overtimeFileText(p, 1);
        EXPECT_EQ(text, c.line);
        FieldReader in(text, "x.ovw");
        Profile q;
        ASSERT_FALSE(readOvertimeFile(in, q, 1).failed());
        EXPECT_EQ(q.OtAmounts[0], c.readBack);
    }
}

// ----- failed writes

TEST(FailedWrite, ANumberWithoutAPlainFormIsRefusedAndTheOldFileKept) {
    TempFolder folder;
    const fs::path file = folder.path() / "Mary.sta";
    Profile p;
    p.StateStatus = "Single";
    ASSERT_FALSE(writeStateFile(file, newYorkState(), p).failed());
    const std::string old = contentOf(file);
    StateSettings broken = newYorkState();
    broken.StateAdj = std::numeric_limits<float>::infinity();
    auto error = writeStateFile(file, broken, p);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().file, "Mary.sta");
    EXPECT_EQ(contentOf(file), old);
}

TEST(FailedWrite, AFolderInPlaceOfTheFileIsReportedAndLeftAlone) {
    TempFolder folder;
    const fs::path file = folder.path() / "Mary.hol";
    fs::create_directory(file);
    VacationRecord v;
    auto error = writeVacationFile(file, v);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(), "Mary.hol: a folder in place of the file");
    EXPECT_TRUE(fs::is_directory(file));
}

// ----- names

TEST(Names, EmployeeAndPeriodFiles) {
    EXPECT_EQ(employeeFile("/work/pay", "Smith", ".sta"), fs::path("/work/pay/Smith.sta"));
    EXPECT_EQ(employeeFile("/work/pay", "", ".sta"), fs::path("/work/pay/.sta"));
    struct Case {
        const char* user;
        const char* date;
        const char* name;
    };
    static const Case cases[] = {
        {"Employee1", "12/31/2016", "Employee1  12_31_2016.prv"},
        {"Smith", "1/8/2016", "Smith  1_8_2016.prv"},
        {"Smith", "2016-01-08", "Smith  2016-01-08.prv"},
        {"Smith", "..\\x:y", "Smith  .._x_y.prv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(periodFileName(c.user, c.date), c.name);
    }
}

// ----- the federal table shipped with the program

const fs::path kShippedTable = fs::path(QUILLON_SOURCE_DIR) / "data" / "Federal16.dtt";

TEST(FederalTable, TheShippedTableHoldsThe2016PercentageMethod) {
    std::string text = contentOf(kShippedTable);
    EXPECT_EQ(crlfLines(text), 43);
    FederalTable t;
    ASSERT_FALSE(readFederalTable(kShippedTable, t).failed());
    EXPECT_EQ(t.FedTableVersion, "2016 Percentage Method");

    const auto& singleBi = t.set(FedSet::SingleBiWeekly);
    EXPECT_EQ(singleBi[0].NotOver, 87.0f);
    EXPECT_EQ(singleBi[0].Rate, 0.0f);
    EXPECT_EQ(singleBi[2].Over, 443.0f);
    EXPECT_EQ(singleBi[2].NotOver, 1535.0f);
    EXPECT_EQ(singleBi[2].Rate, 0.15f);
    EXPECT_EQ(singleBi[2].Base, 35.6f);
    EXPECT_EQ(singleBi[7].Over, 16050.0f);
    EXPECT_EQ(singleBi[7].ExcessOver, 16050.0f);
    EXPECT_EQ(singleBi[7].Rate, 0.396f);
    EXPECT_EQ(singleBi[7].Base, 4635.69f);
    EXPECT_EQ(singleBi[7].NotOver, 0.0f);  // the top bracket has no upper bound
    EXPECT_EQ(t.set(FedSet::SingleWeekly)[1].Over, 43.0f);
    EXPECT_EQ(t.set(FedSet::MarriedBiWeekly)[6].Base, 4300.73f);
    EXPECT_EQ(t.set(FedSet::MarriedWeekly)[7].Base, 2511.06f);
    EXPECT_EQ(t.set(FedSet::MarriedWeekly)[3].ExcessOver, 1613.0f);
    EXPECT_EQ(t.FedAllow[0], 0.0f);
    EXPECT_EQ(t.FedAllow[1], 77.9f);
    EXPECT_EQ(t.FedAllow[9], 701.1f);
    EXPECT_EQ(t.FedAllow[10], 0.0f);
    EXPECT_EQ(t.FedAllow[19], 701.1f);
    EXPECT_EQ(t.headings[0], "SINGLE WEEKLY");
}

TEST(FederalTable, EachBaseIsTheTaxAtTheTopOfTheBracketBelow) {
    FederalTable t;
    ASSERT_FALSE(readFederalTable(kShippedTable, t).failed());
    for (int s = 0; s < 4; ++s) {
        const auto& set = t.sets[s];
        for (int b = 1; b < 8; ++b) {
            SCOPED_TRACE(std::to_string(s) + "/" + std::to_string(b));
            const FedBracket& below = set[b - 1];
            double expected = (static_cast<double>(set[b].Over) - below.ExcessOver) * below.Rate +
                              (b == 1 ? 0.0 : static_cast<double>(below.Base));
            EXPECT_NEAR(set[b].Base, expected, 0.011);
            EXPECT_EQ(set[b].Over, set[b].ExcessOver);
            if (b < 7) {
                EXPECT_EQ(set[b].NotOver, set[b + 1].Over);
            }
        }
        EXPECT_EQ(set[0].NotOver, set[1].Over);
    }
}

TEST(FederalTable, WrittenBackItReadsTheSame) {
    FederalTable t;
    ASSERT_FALSE(readFederalTable(kShippedTable, t).failed());
    FieldReader in(federalTableText(t), "Federal16.dtt");
    FederalTable u;
    ASSERT_FALSE(readFederalTable(in, u).failed());
    EXPECT_EQ(u, t);
    EXPECT_EQ(crlfLines(federalTableText(t)), 43);
}

TEST(FederalTable, AShortTableKeepsTheBracketsReadSoFar) {
    std::string text = contentOf(kShippedTable);
    FieldReader in(text.substr(0, text.find("\"MARRIED BI-WEEKLY\"")), "Federal16.dtt");
    FederalTable t;
    auto error = readFederalTable(in, t);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(), "Federal16.dtt, line 18: the file ends early");
    EXPECT_EQ(t.set(FedSet::SingleWeekly)[7].Base, 2317.93f);
    EXPECT_EQ(t.set(FedSet::MarriedBiWeekly)[1].Over, 0.0f);
}

TEST(FederalTable, FoundInTheWorkingFolderFirstThenWhereInstalled) {
    TempFolder working;
    TempFolder installed;
    EXPECT_FALSE(findFederalTable(working.path(), installed.path()).has_value());
    writeText(installed.path() / "Federal16.dtt", "x");
    EXPECT_EQ(findFederalTable(working.path(), installed.path()),
              installed.path() / "Federal16.dtt");
    writeText(working.path() / "Federal16.dtt", "x");
    EXPECT_EQ(findFederalTable(working.path(), installed.path()), working.path() / "Federal16.dtt");
}

}  // namespace
}  // namespace quillon
