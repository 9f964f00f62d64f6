// The "User Info" dialog: the load repairs and defaults, taking every control over (leading
// numbers for amounts, strict numbers for the rates and the state exemptions, all or nothing),
// the 7.5 rule, the K plan boxes, the main window's captions and notice, and the new-employee
// reset.
#include "session/tax_info_dialog.hpp"
#include "session/tests/box_name.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace quillon {
namespace {

// Every profile field the dialog edits.
auto dialogFields(const Profile& p) {
    return std::make_tuple(
        p.EmpName, p.EmpAddress, p.EmpCityStateZip, p.EmpSSN, p.HourRate, p.HourRate2, p.TipsRate,
        p.PayWeekly, p.PayBiWeekly, p.FedStatus, p.FedExemptions, p.FedExempt, p.FedAddWithhold,
        p.SSMediExempt, p.SelfEmployed, p.StateStatus, p.StateExemptions, p.NonCityRes, p.MuniAmt,
        p.BondAmt, p.DuesAmt, p.PensionPct, p.HealthAmt, p.KplanValue, p.KplanPercent, p.KplanFixed,
        p.CafeAmt, p.CafeDeductState, p.DedName5, p.DedName6, p.DedName7, p.DedName8, p.DedName9);
}

// An employee unlike the defaults in every field.
Profile someEmployee() {
    Profile p;
    p.EmpName = "Ann Lee";
    p.EmpAddress = "1 Main St";
    p.EmpCityStateZip = "Albany NY 12207";
    p.EmpSSN = "123-45-6789";
    p.HourRate = 21.5f;
    p.HourRate2 = 30;
    p.TipsRate = 2.25f;
    p.PayWeekly = false;
    p.PayBiWeekly = true;
    p.FedStatus = "Married";
    p.FedExemptions = "3";
    p.FedExempt = 1;
    p.FedAddWithhold = 15;
    p.SSMediExempt = 1;
    p.SelfEmployed = 1;
    p.StateStatus = "Married";
    p.StateExemptions = 2;
    p.NonCityRes = 1;
    p.MuniAmt = 11;
    p.BondAmt = 12;
    p.DuesAmt = 13;
    p.PensionPct = 4;
    p.HealthAmt = 15;
    p.KplanValue = 6;
    p.KplanPercent = 0;
    p.KplanFixed = 1;
    p.CafeAmt = 17;
    p.CafeDeductState = 1;
    p.DedName5 = "Credit";
    p.DedName6 = "Savings";
    p.DedName7 = "Union";
    p.DedName8 = "Retire";
    p.DedName9 = "Medical";
    return p;
}

TaxInfoDialog loadedWith(Profile& p) {
    TaxInfoDialog d;
    d.prepareLoad(p);
    return d;
}

TEST(TaxInfoDialog, AnEmptyProfileLoadsWithTheDefaults) {
    Profile p;
    TaxInfoDialog d = loadedWith(p);
    EXPECT_EQ(p.FedExemptions, "0");
    EXPECT_EQ(p.FedStatus, "Single");
    EXPECT_EQ(p.StateStatus, "Single");
    EXPECT_EQ(p.EmpName, "Employee's Name");
    EXPECT_EQ(p.EmpAddress, "Employee's Address for Check");
    EXPECT_EQ(p.EmpCityStateZip, "City, State Zip Code");
    EXPECT_EQ(p.EmpSSN, "Soc Sec #");
    EXPECT_TRUE(p.PayWeekly);
    EXPECT_EQ(p.KplanPercent, 1);

    EXPECT_EQ(d.txtName.text, "Employee's Name");
    EXPECT_EQ(d.cboDepend.text, "0");
    EXPECT_EQ(d.cboStatus2.text, "Single");
    EXPECT_EQ(d.cboDepend2.text, "0");
    EXPECT_EQ(d.txtHourRate.text, "7.5");
    EXPECT_EQ(d.txtHourRate2.text, "0");
    EXPECT_EQ(d.txtMisc.text, "0");
    EXPECT_TRUE(d.optWeek.value);
    EXPECT_FALSE(d.optBiWeek.value);
    EXPECT_EQ(d.ckKpPer.value, 1);
    EXPECT_EQ(d.ckKpFix.value, 0);
    EXPECT_EQ(d.txtTax5.text, "CrUnion");
    EXPECT_EQ(d.txtTax9.text, "Health Ins");
    EXPECT_EQ(d.caption, "User Info");

    Profile taken = p;
    const auto items = d.takeOverBoxes(taken);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
    EXPECT_EQ(taken.HourRate, 7.5f);
    EXPECT_EQ(taken.DedName9, "Health Ins");
}

TEST(TaxInfoDialog, AStateStatusOfZeroLoadsAsSingle) {
    Profile p = someEmployee();
    p.StateStatus = "0";
    TaxInfoDialog d = loadedWith(p);
    EXPECT_EQ(p.StateStatus, "Single");
    EXPECT_EQ(d.cboStatus2.text, "Single");
}

TEST(TaxInfoDialog, LoadingShowsEveryFieldAndTakesItBackUnchanged) {
    Profile p = someEmployee();
    TaxInfoDialog d = loadedWith(p);
    EXPECT_EQ(d.txtHourRate.text, "21.5");
    EXPECT_EQ(d.txtTipsRate.text, "2.25");
    EXPECT_EQ(d.cboDepend2.text, "2");
    EXPECT_EQ(d.txtFedAddL.text, "15");
    EXPECT_EQ(d.txtMisc.text, "15");
    EXPECT_EQ(d.txtPension.text, "4");
    EXPECT_EQ(d.txtTax7.text, "Union");
    EXPECT_EQ(d.ckSSMediExemp.value, 1);
    EXPECT_TRUE(d.optBiWeek.value);
    EXPECT_FALSE(d.optWeek.value);
    Profile taken;
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(taken)));
    EXPECT_EQ(dialogFields(taken), dialogFields(someEmployee()));
}

TEST(TaxInfoDialog, EveryControlReachesItsOwnField) {
    Profile p;
    TaxInfoDialog d = loadedWith(p);
    d.txtName.text = "N";
    d.txtAddress.text = "A";
    d.txtStateCityZip.text = "Z";
    d.txtSSnum.text = "S";
    d.txtHourRate.text = "1";
    d.txtHourRate2.text = "2";
    d.txtTipsRate.text = "3";
    d.selectFrequency(false);
    d.cboStatus.text = "Married";
    d.cboDepend.text = "4";
    d.ckFedExemp.value = 1;
    d.txtFedAddL.text = "5";
    d.ckSSMediExemp.value = 0;
    d.ckSelfEmp.value = 1;
    d.cboStatus2.text = "Head";
    d.cboDepend2.text = "6";
    d.ckNonCity.value = 1;
    d.txtTax5.text = "c5";
    d.txtTax6.text = "c6";
    d.txtTax7.text = "c7";
    d.txtTax8.text = "c8";
    d.txtTax9.text = "c9";
    d.txtMuni.text = "7";
    d.txtBond.text = "8";
    d.txtDues.text = "9";
    d.txtPension.text = "10";
    d.txtMisc.text = "11";
    d.txtKplan.text = "12";
    d.kplanFixedChanged(1);
    d.txtCafe.text = "13";
    d.ckCafeState.value = 1;
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(p)));

    Profile expected;
    expected.EmpName = "N";
    expected.EmpAddress = "A";
    expected.EmpCityStateZip = "Z";
    expected.EmpSSN = "S";
    expected.HourRate = 1;
    expected.HourRate2 = 2;
    expected.TipsRate = 3;
    expected.PayWeekly = false;
    expected.PayBiWeekly = true;
    expected.FedStatus = "Married";
    expected.FedExemptions = "4";
    expected.FedExempt = 1;
    expected.FedAddWithhold = 5;
    expected.SSMediExempt = 0;
    expected.SelfEmployed = 1;
    expected.StateStatus = "Head";
    expected.StateExemptions = 6;
    expected.NonCityRes = 1;
    expected.MuniAmt = 7;
    expected.BondAmt = 8;
    expected.DuesAmt = 9;
    expected.PensionPct = 10;
    expected.HealthAmt = 11;
    expected.KplanValue = 12;
    expected.KplanPercent = 0;
    expected.KplanFixed = 1;
    expected.CafeAmt = 13;
    expected.CafeDeductState = 1;
    expected.DedName5 = "c5";
    expected.DedName6 = "c6";
    expected.DedName7 = "c7";
    expected.DedName8 = "c8";
    expected.DedName9 = "c9";
    EXPECT_EQ(dialogFields(p), dialogFields(expected));
}

TEST(TaxInfoDialog, ALoadWithoutAFrequencyIsWeekly) {
    static const struct {
        bool weekly, biWeekly;
        bool expectWeekly, expectBiWeekly;
    } cases[] = {
        {false, false, true, false},
        {false, true, false, true},
        {true, false, true, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.weekly << k.biWeekly);
        Profile p = someEmployee();
        p.PayWeekly = k.weekly;
        p.PayBiWeekly = k.biWeekly;
        TaxInfoDialog d = loadedWith(p);
        EXPECT_EQ(p.PayWeekly, k.expectWeekly);
        EXPECT_EQ(p.PayBiWeekly, k.expectBiWeekly);
        EXPECT_EQ(d.optWeek.value, k.expectWeekly);
        EXPECT_EQ(d.optBiWeek.value, k.expectBiWeekly);
        const auto items = d.takeOverBoxes(p);
        ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
        EXPECT_EQ(p.PayWeekly, k.expectWeekly);
        EXPECT_EQ(std::get<TaxInfoMainItems>(items).tableNotice,
                  k.expectWeekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables");
    }
}

TEST(TaxInfoDialog, ALoadRepairsTheKplanKind) {
    static const struct {
        std::int16_t percent, fixed;
        std::int16_t expectPercent, expectFixed;
    } cases[] = {
        {0, 0, 1, 0},
        {1, 1, 1, 0},
        {1, 0, 1, 0},
        {0, 1, 0, 1},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.percent << k.fixed);
        Profile p = someEmployee();
        p.KplanPercent = k.percent;
        p.KplanFixed = k.fixed;
        TaxInfoDialog d = loadedWith(p);
        EXPECT_EQ(p.KplanPercent, k.expectPercent);
        EXPECT_EQ(p.KplanFixed, k.expectFixed);
        EXPECT_EQ(d.ckKpPer.value, k.expectPercent);
        EXPECT_EQ(d.ckKpFix.value, k.expectFixed);
        ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(p)));
        EXPECT_EQ(p.KplanPercent, k.expectPercent);
        EXPECT_EQ(p.KplanFixed, k.expectFixed);
    }
}

TEST(TaxInfoDialog, HourlyRateOneReadingAsZeroBecomesSevenAndAHalf) {
    static const struct {
        const char* text;
        const char* shown;
        float rate;
    } cases[] = {
        {"0", "7.5", 7.5f}, {"", "7.5", 7.5f},          {"0.00", "7.5", 7.5f}, {" ", "7.5", 7.5f},
        {"-", "7.5", 7.5f}, {"12.25", "12.25", 12.25f}, {" 9 ", " 9 ", 9.0f},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        Profile p = someEmployee();
        TaxInfoDialog d = loadedWith(p);
        d.txtHourRate.text = k.text;
        ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(p)));
        EXPECT_EQ(p.HourRate, k.rate);
        EXPECT_EQ(d.txtHourRate.text, k.shown);
    }
    // At load, a rate of 0 shows 7.5.
    Profile p = someEmployee();
    p.HourRate = 0;
    EXPECT_EQ(loadedWith(p).txtHourRate.text, "7.5");
}

TEST(TaxInfoDialog, AmountBoxesTakeTheLeadingNumber) {
    static const struct {
        const char* text;
        float amount;
    } cases[] = {
        {"1.2.3", 1.2f},  {"5-2", 5.0f}, {"", 0.0f},    {"12.5-3", 12.5f},
        {"  -.5", -0.5f}, {" ", 0.0f},   {"7 5", 7.0f}, {"-", 0.0f},
    };
    using Field = float Profile::*;
    static const struct {
        const char* name;
        TextBox TaxInfoDialog::*box;
        Field field;
    } boxes[] = {
        {"txtFedAddL", &TaxInfoDialog::txtFedAddL, &Profile::FedAddWithhold},
        {"txtMuni", &TaxInfoDialog::txtMuni, &Profile::MuniAmt},
        {"txtBond", &TaxInfoDialog::txtBond, &Profile::BondAmt},
        {"txtDues", &TaxInfoDialog::txtDues, &Profile::DuesAmt},
        {"txtPension", &TaxInfoDialog::txtPension, &Profile::PensionPct},
        {"txtMisc", &TaxInfoDialog::txtMisc, &Profile::HealthAmt},
        {"txtKplan", &TaxInfoDialog::txtKplan, &Profile::KplanValue},
        {"txtCafe", &TaxInfoDialog::txtCafe, &Profile::CafeAmt},
    };
    for (const auto& b : boxes) {
        for (const auto& k : cases) {
            SCOPED_TRACE(::testing::Message() << b.name << " \"" << k.text << "\"");
            Profile p = someEmployee();
            TaxInfoDialog d = loadedWith(p);
            d.*b.box = TextBox{k.text};
            ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(p)));
            EXPECT_EQ(p.*b.field, k.amount);
        }
    }
}

TEST(TaxInfoDialog, StateExemptionsRoundToTheNearestEvenInteger) {
    static const struct {
        const char* text;
        std::int16_t exemptions;
    } cases[] = {{"7", 7}, {" 4 ", 4}, {"3.5", 4}, {"2.5", 2}, {"0", 0}, {"1.4", 1}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.text);
        Profile p = someEmployee();
        TaxInfoDialog d = loadedWith(p);
        d.cboDepend2.text = k.text;
        ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.takeOverBoxes(p)));
        EXPECT_EQ(p.StateExemptions, k.exemptions);
    }
}

TEST(TaxInfoDialog, ARateOrStateExemptionThatIsNotANumberChangesNothing) {
    static const struct {
        TextBox TaxInfoDialog::*box;
        const char* text;
        const char* named;
    } cases[] = {
        {&TaxInfoDialog::txtHourRate, "12..5", "txtHourRate"},
        {&TaxInfoDialog::txtHourRate, "12 5", "txtHourRate"},
        {&TaxInfoDialog::txtHourRate2, "1.2.3", "txtHourRate2"},
        {&TaxInfoDialog::txtHourRate2, "-", "txtHourRate2"},
        {&TaxInfoDialog::txtHourRate2, "", "txtHourRate2"},
        {&TaxInfoDialog::txtTipsRate, "", "txtTipsRate"},
        {&TaxInfoDialog::txtTipsRate, " . ", "txtTipsRate"},
        {&TaxInfoDialog::cboDepend2, "two", "cboDepend2"},
        {&TaxInfoDialog::cboDepend2, "", "cboDepend2"},
        {&TaxInfoDialog::cboDepend2, "40000", "cboDepend2"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.named << " \"" << k.text << "\"");
        Profile stored = someEmployee();
        stored.HourRate = 0;  // its box shows 7.5 after the load
        Profile p = stored;
        TaxInfoDialog d = loadedWith(p);
        // Edits in every other box, none of which may reach the profile.
        d.txtHourRate.text = "0";
        d.txtName.text = "Someone Else";
        d.txtMuni.text = "99";
        d.selectFrequency(true);
        d.kplanPercentChanged(1);
        d.txtTax5.text = "Other";
        d.*k.box = TextBox{k.text};
        const Profile before = p;
        const auto result = d.takeOverBoxes(p);
        ASSERT_TRUE(std::holds_alternative<BadBox>(result));
        EXPECT_EQ(testing::boxName(std::get<BadBox>(result)), k.named);
        EXPECT_EQ(dialogFields(p), dialogFields(before));
        if (k.box != &TaxInfoDialog::txtHourRate) {
            EXPECT_EQ(d.txtHourRate.text, "0");  // the 7.5 rule is part of the take-over
        }
    }
}

TEST(TaxInfoDialog, TakingOverUpdatesTheMainWindowCaptionsAndNotice) {
    Profile p = someEmployee();
    TaxInfoDialog d = loadedWith(p);
    d.txtTax7.text = "Local 12";
    d.selectFrequency(true);
    auto items = d.takeOverBoxes(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
    const std::array<std::string, 5> captions = {"Credit", "Savings", "Local 12", "Retire",
                                                 "Medical"};
    EXPECT_EQ(std::get<TaxInfoMainItems>(items).deductionCaptions, captions);
    EXPECT_EQ(std::get<TaxInfoMainItems>(items).tableNotice, "Weekly Tax Tables");
    EXPECT_EQ(p.DedName7, "Local 12");

    d.selectFrequency(false);
    items = d.takeOverBoxes(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
    EXPECT_EQ(std::get<TaxInfoMainItems>(items).tableNotice, "Bi-Weekly Tax Tables");
    EXPECT_FALSE(p.PayWeekly);
    EXPECT_TRUE(p.PayBiWeekly);
}

TEST(TaxInfoDialog, AClearedCaptionShowsItsDefaultAgainWhenReopened) {
    Profile p = someEmployee();
    TaxInfoDialog d = loadedWith(p);
    d.txtTax7.text.clear();
    auto items = d.takeOverBoxes(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
    EXPECT_EQ(std::get<TaxInfoMainItems>(items).deductionCaptions[2], "");
    EXPECT_EQ(p.DedName7, "");

    TaxInfoDialog reopened = loadedWith(p);
    EXPECT_EQ(reopened.txtTax7.text, "Dues");
    EXPECT_EQ(reopened.deductionCaption(7), "Dues");
    items = reopened.takeOverBoxes(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(items));
    EXPECT_EQ(std::get<TaxInfoMainItems>(items).deductionCaptions[2], "Dues");
}

TEST(TaxInfoDialog, TheKplanBoxesExcludeEachOther) {
    TaxInfoDialog d;
    d.kplanPercentChanged(1);
    EXPECT_EQ(d.ckKpPer.value, 1);
    EXPECT_EQ(d.ckKpFix.value, 0);
    d.kplanFixedChanged(1);  // "$" while "%" is checked
    EXPECT_EQ(d.ckKpFix.value, 1);
    EXPECT_EQ(d.ckKpPer.value, 0);
    d.kplanFixedChanged(0);  // clearing the checked one leaves both clear
    EXPECT_EQ(d.ckKpFix.value, 0);
    EXPECT_EQ(d.ckKpPer.value, 0);
    d.kplanFixedChanged(1);
    d.kplanPercentChanged(1);
    EXPECT_EQ(d.ckKpPer.value, 1);
    EXPECT_EQ(d.ckKpFix.value, 0);

    Profile p = someEmployee();
    p.KplanPercent = 1;
    p.KplanFixed = 0;
    TaxInfoDialog loaded = loadedWith(p);
    loaded.kplanFixedChanged(1);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(loaded.takeOverBoxes(p)));
    EXPECT_EQ(p.KplanFixed, 1);
    EXPECT_EQ(p.KplanPercent, 0);
}

TEST(TaxInfoDialog, ClearAllResetsTheEmployee) {
    Profile p = someEmployee();
    p.PrintOffsetH = 3;  // not the dialog's: stays
    TaxInfoDialog d = loadedWith(p);
    d.txtBond.text = "88";
    d.ClearAll(p);

    Profile expected;
    expected.HourRate = 0;
    expected.FedExemptions = "0";
    expected.FedStatus = "Single";
    expected.StateExemptions = 0;
    expected.StateStatus = "Single";
    expected.PayWeekly = true;
    expected.PayBiWeekly = false;
    expected.KplanPercent = 1;
    expected.KplanFixed = 0;
    expected.EmpAddress = "Employee's Address for Check";
    expected.EmpCityStateZip = "City, State Zip Code";
    expected.EmpSSN = "Soc Sec #";
    expected.EmpName = "Employee's Name";
    expected.DedName5 = "CrUnion";
    expected.DedName6 = "Bond";
    expected.DedName7 = "Dues";
    expected.DedName8 = "Pension";
    expected.DedName9 = "Misc.";
    EXPECT_EQ(dialogFields(p), dialogFields(expected));
    EXPECT_EQ(p.PrintOffsetH, 3.0f);

    EXPECT_EQ(d.txtHourRate.text, "7.5");
    EXPECT_EQ(d.txtHourRate2.text, "0");
    EXPECT_EQ(d.txtTipsRate.text, "0");
    EXPECT_EQ(d.cboDepend.text, "0");
    EXPECT_EQ(d.cboStatus.text, "Single");
    EXPECT_EQ(d.cboDepend2.text, "0");
    EXPECT_EQ(d.cboStatus2.text, "Single");
    EXPECT_EQ(d.txtFedAddL.text, "0");
    EXPECT_EQ(d.txtBond.text, "0");
    EXPECT_EQ(d.txtCafe.text, "0");
    EXPECT_EQ(d.ckFedExemp.value, 0);
    EXPECT_EQ(d.ckSelfEmp.value, 0);
    EXPECT_TRUE(d.optWeek.value);
    EXPECT_FALSE(d.optBiWeek.value);
    EXPECT_EQ(d.ckKpPer.value, 1);
    EXPECT_EQ(d.ckKpFix.value, 0);
    EXPECT_EQ(d.txtName.text, "Employee's Name");
    EXPECT_EQ(d.txtTax9.text, "Misc.");
    EXPECT_EQ(d.deductionCaption(9), "Misc.");
}

TEST(TaxInfoDialog, OpeningAnEmployeeLeavesTheStateFileFieldsToTheStateFile) {
    Profile p = someEmployee();
    TaxInfoDialog d = loadedWith(p);
    Profile other = someEmployee();
    other.EmpName = "Bo Park";
    other.StateExemptions = 5;
    other.FedAddWithhold = 40;
    other.FedExempt = 0;
    d.showProfile(other);
    EXPECT_EQ(d.txtName.text, "Bo Park");
    EXPECT_EQ(d.cboDepend2.text, "2");
    EXPECT_EQ(d.txtFedAddL.text, "15");
    EXPECT_EQ(d.ckFedExemp.value, 1);
    d.showStateFields(other);
    EXPECT_EQ(d.cboDepend2.text, "5");
    EXPECT_EQ(d.txtFedAddL.text, "40");
    EXPECT_EQ(d.ckFedExemp.value, 0);
}

TEST(TaxInfoDialog, SavingTakesTheRatesAndRepairsFrequencyAndKplan) {
    Profile p = someEmployee();
    TaxInfoDialog d = loadedWith(p);
    d.txtHourRate.text = "0";
    d.txtHourRate2.text = "31.5";
    d.txtTipsRate.text = "3";
    p.PayWeekly = false;
    p.PayBiWeekly = false;
    p.KplanPercent = 0;
    p.KplanFixed = 0;
    d.ckKpFix.value = 0;
    EXPECT_FALSE(d.takeOverForSave(p));
    EXPECT_EQ(p.HourRate, 7.5f);
    EXPECT_EQ(p.HourRate2, 31.5f);
    EXPECT_EQ(p.TipsRate, 3.0f);
    EXPECT_TRUE(p.PayWeekly);
    EXPECT_TRUE(d.optWeek.value);
    EXPECT_FALSE(d.optBiWeek.value);
    EXPECT_EQ(p.KplanPercent, 1);
    EXPECT_EQ(d.ckKpPer.value, 1);

    // A rate that is not a number: no rate changes, the repairs still hold.
    d.txtHourRate2.text = "3..1";
    d.txtTipsRate.text = "4";
    p.PayWeekly = false;
    const auto bad = d.takeOverForSave(p);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtHourRate2");
    EXPECT_EQ(p.HourRate2, 31.5f);
    EXPECT_EQ(p.TipsRate, 3.0f);
    EXPECT_TRUE(p.PayWeekly);
}

TEST(TaxInfoDialog, AfterSavingTheKplanFlagsAreExclusive) {
    static const struct {
        std::int16_t percent, fixed;
        std::int16_t expectPercent, expectFixed;
    } cases[] = {{1, 1, 1, 0}, {0, 1, 0, 1}, {1, 0, 1, 0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.percent << k.fixed);
        Profile p;
        p.KplanPercent = k.percent;
        p.KplanFixed = k.fixed;
        TaxInfoDialog d;
        d.makeKplanExclusive(p);
        EXPECT_EQ(p.KplanPercent, k.expectPercent);
        EXPECT_EQ(p.KplanFixed, k.expectFixed);
        EXPECT_EQ(d.ckKpPer.value, k.expectPercent);
        EXPECT_EQ(d.ckKpFix.value, k.expectFixed);
    }
}

}  // namespace
}  // namespace quillon
