// The city, non-city and "User Info" dialogs as models: blank filling, taking the boxes over,
// the switches, and refusing text that is not a number.
#include "session/local_dialogs.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

CitySettings newYorkCity() {
    CityDialog d;
    d.CheckFor();
    CitySettings c;
    EXPECT_FALSE(d.fillVar(c));
    return c;
}

TEST(CityDialog, BlankBoxesTakeTheNewYorkValues) {
    const CitySettings c = newYorkCity();
    const struct {
        const char* cell;
        float value;
        float expected;
    } cells[] = {
        {"single line 1 rate", c.CityPerBS[0], 0.019f},
        {"single line 4 minimum", c.CityMinBS[3], 577.0f},
        {"single line 7 amount", c.CityAmtBS[6], 801.31f},
        {"married line 7 amount", c.CityAmtBM[6], 801.09f},
        {"married line 8 minimum", c.CityMinBM[7], 999999.0f},
        {"single allowance, 9", c.CitySgExp[9], 538.8f},
        {"married allowance, 1", c.CityMarExp[1], 250.0f},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.cell);
        EXPECT_FLOAT_EQ(cell.value, cell.expected);
    }
    EXPECT_EQ(c.NoLocalTax, 0);
}

TEST(CityDialog, OnlyEmptyBoxesAreFilled) {
    CityDialog d;
    d.txtCityMinBS[3].text = "600";
    d.txtCityAmtBS[2].text = " ";  // a lone space is not empty
    d.CheckFor();
    EXPECT_EQ(d.txtCityMinBS[3].text, "600");
    EXPECT_EQ(d.txtCityAmtBS[2].text, " ");
    EXPECT_EQ(d.txtCityMinBS[4].text, "962");
    EXPECT_EQ(d.txtCityPerBM[1].text, "0.0265");
}

TEST(CityDialog, TextThatIsNotANumberIsRefusedAndNoSettingChanges) {
    const CitySettings saved = newYorkCity();
    for (const char* text : {"1-2", "1..2", "-", " ", "."}) {
        SCOPED_TRACE(text);
        CityDialog d;
        d.CheckFor();
        d.txtCityMinBS[0].text = "5";  // a good box before the bad one
        d.txtCityAmtBM[6].text = text;
        CitySettings c = saved;
        auto bad = d.fillVar(c);
        ASSERT_TRUE(bad);
        EXPECT_EQ(bad->box, "txtCityAmtBM(6)");
        EXPECT_FLOAT_EQ(c.CityMinBS[0], 0.0f);
        EXPECT_FLOAT_EQ(c.CityAmtBM[6], 801.09f);
    }
}

TEST(CityDialog, NoLocalTaxEmptiesTheTablesAndUncheckingShowsTheSettingsAgain) {
    CitySettings c = newYorkCity();
    CityDialog d;
    d.showSettings(c);
    d.noLocalTaxChanged(1, c);
    EXPECT_EQ(c.NoLocalTax, 1);  // at once, before any save
    EXPECT_EQ(d.txtCityMinBS[0].text, "999999");
    EXPECT_EQ(d.txtCityMinBM[9].text, "999999");
    EXPECT_EQ(d.txtCityAmtBS[6].text, "0");
    EXPECT_EQ(d.txtCityMarExp[4].text, "0");
    EXPECT_FLOAT_EQ(c.CityAmtBS[6], 801.31f);  // the tables change only at SAVE

    d.noLocalTaxChanged(0, c);
    EXPECT_EQ(d.txtCityAmtBS[6].text, "801.31");
    EXPECT_EQ(d.txtCitySgExp[0].text, "192.3");
}

TEST(CityDialog, ASavedNoLocalTaxReadsBackChecked) {
    CitySettings c = newYorkCity();
    CityDialog checked;
    checked.showSettings(c);
    checked.noLocalTaxChanged(1, c);
    ASSERT_FALSE(checked.fillVar(c));
    EXPECT_FLOAT_EQ(c.CityMinBS[2], 999999.0f);
    EXPECT_FLOAT_EQ(c.CityPerBS[2], 0.0f);

    CityDialog reopened;
    reopened.showSettings(c);
    EXPECT_EQ(reopened.ckNoLocalTax.value, 1);
    EXPECT_EQ(reopened.txtCityMinBS[2].text, "999999");
}

TEST(CityDialog, NewYorkAndClearAll) {
    CitySettings c = newYorkCity();
    CityDialog d;
    d.noLocalTaxChanged(1, c);
    d.newYork();
    EXPECT_EQ(d.ckNoLocalTax.value, 0);
    EXPECT_EQ(d.txtCityAmtBM[6].text, "801.09");

    d.ckNoLocalTax.value = 1;
    d.clearAll();
    EXPECT_EQ(d.ckNoLocalTax.value, 1);  // CLEAR ALL leaves the check box
    EXPECT_EQ(d.txtCityMinBM[0].text, "999999");
    EXPECT_EQ(d.txtCityPerBM[0].text, "0");
    EXPECT_EQ(d.txtCitySgExp[0].text, "0");
}

TEST(NonCityDialog, DefaultsBlankFillingAndTakingOver) {
    NonCityDialog d;
    d.txtNonExpBi[1].text = "100";
    d.ChkFor();
    EXPECT_EQ(d.txtNonExpBi[1].text, "100");
    EXPECT_EQ(d.txtNonMinBi[2].text, "385");
    EXPECT_EQ(d.txtNonMinWk[4].text, "577");
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    NonCitySettings n;
    ASSERT_FALSE(d.fillVarib(n));
    EXPECT_FLOAT_EQ(n.NonExpBi[1], 100.0f);
    EXPECT_FLOAT_EQ(n.NonExpWk[3], 19.0f);
    EXPECT_FLOAT_EQ(n.NonMinBi[7], 999999.0f);
    EXPECT_FLOAT_EQ(n.NonPer, 0.0045f);

    d.deFault();
    EXPECT_EQ(d.txtNonExpBi[1].text, "115");
}

TEST(NonCityDialog, RefusesTextThatIsNotANumber) {
    NonCitySettings n;
    n.NonPer = 0.01f;
    for (const char* box : {"txtNonExpWk(3)", "txtNonPer"}) {
        SCOPED_TRACE(box);
        NonCityDialog d;
        d.deFault();
        (std::string(box) == "txtNonPer" ? d.txtNonPer : d.txtNonExpWk[3]).text = "0.1.2";
        auto bad = d.fillVarib(n);
        ASSERT_TRUE(bad);
        EXPECT_EQ(bad->box, box);
        EXPECT_FLOAT_EQ(n.NonPer, 0.01f);
        EXPECT_FLOAT_EQ(n.NonMinBi[1], 0.0f);
    }
}

TEST(TaxInfoDialog, LoadRepairsTheFrequencyTheKplanKindAndTheRate) {
    Profile p;  // as a profile without files starts: everything empty or zero
    TaxInfoDialog d;
    d.prepareLoad(p);
    EXPECT_TRUE(p.PayWeekly);
    EXPECT_TRUE(d.optWeek.value);
    EXPECT_EQ(p.KplanPercent, 1);
    EXPECT_EQ(d.ckKpPer.value, 1);
    EXPECT_EQ(d.txtHourRate.text, "7.5");
    EXPECT_EQ(d.cboStatus.text, "Single");
    EXPECT_EQ(d.cboStatus2.text, "Single");
    EXPECT_EQ(d.cboDepend.text, "0");
    EXPECT_EQ(d.txtName.text, "Employee's Name");
    EXPECT_EQ(d.txtTax9.text, "Health Ins");

    auto taken = d.fillVar_(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(taken));
    EXPECT_FLOAT_EQ(p.HourRate, 7.5f);
    EXPECT_EQ(std::get<TaxInfoMainItems>(taken).tableNotice, "Weekly Tax Tables");
    EXPECT_EQ(std::get<TaxInfoMainItems>(taken).deductionCaptions[4], "Health Ins");
}

TEST(TaxInfoDialog, AmountBoxesTakeTheirLeadingNumber) {
    const struct {
        const char* text;
        float expected;
    } cases[] = {{"1.2.3", 1.2f}, {"5-2", 5.0f}, {"", 0.0f}, {" 12.5", 12.5f}, {"-", 0.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Profile p;
        TaxInfoDialog d;
        d.prepareLoad(p);
        d.txtMuni.text = c.text;
        d.txtKplan.text = c.text;
        ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(d.fillVar_(p)));
        EXPECT_FLOAT_EQ(p.MuniAmt, c.expected);
        EXPECT_FLOAT_EQ(p.KplanValue, c.expected);
    }
}

TEST(TaxInfoDialog, RatesAndStateExemptionsMustBeNumbers) {
    const struct {
        TextBox TaxInfoDialog::*box;
        const char* text;
        const char* named;
    } cases[] = {
        {&TaxInfoDialog::txtHourRate2, "1..5", "txtHourRate2"},
        {&TaxInfoDialog::txtHourRate2, "", "txtHourRate2"},
        {&TaxInfoDialog::txtTipsRate, "-", "txtTipsRate"},
        {&TaxInfoDialog::txtHourRate, "12-3", "txtHourRate"},
        {&TaxInfoDialog::cboDepend2, "two", "cboDepend2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        Profile p;
        p.EmpName = "Ann";
        p.HourRate2 = 9;
        TaxInfoDialog d;
        d.prepareLoad(p);
        d.txtName.text = "Changed";
        d.*c.box = TextBox{c.text};
        const Profile before = p;
        auto taken = d.fillVar_(p);
        ASSERT_TRUE(std::holds_alternative<BadBox>(taken));
        EXPECT_EQ(std::get<BadBox>(taken).box, c.named);
        EXPECT_EQ(p.EmpName, before.EmpName);
        EXPECT_FLOAT_EQ(p.HourRate2, 9.0f);
    }
}

TEST(TaxInfoDialog, ZeroRateBecomesTheDefaultAndExemptionsRoundHalfToEven) {
    Profile p;
    TaxInfoDialog d;
    d.prepareLoad(p);
    d.txtHourRate.text = "0";
    d.cboDepend2.text = "2.5";
    d.optWeek.value = false;
    d.optBiWeek.value = true;
    auto taken = d.fillVar_(p);
    ASSERT_TRUE(std::holds_alternative<TaxInfoMainItems>(taken));
    EXPECT_FLOAT_EQ(p.HourRate, 7.5f);
    EXPECT_EQ(p.StateExemptions, 2);
    EXPECT_EQ(std::get<TaxInfoMainItems>(taken).tableNotice, "Bi-Weekly Tax Tables");
}

TEST(TaxInfoDialog, KplanBoxesExcludeEachOther) {
    TaxInfoDialog d;
    d.kplanPercentChanged(1);
    d.kplanFixedChanged(1);
    EXPECT_EQ(d.ckKpFix.value, 1);
    EXPECT_EQ(d.ckKpPer.value, 0);
    d.kplanFixedChanged(0);
    EXPECT_EQ(d.ckKpFix.value, 0);
    EXPECT_EQ(d.ckKpPer.value, 0);  // clearing the checked one leaves both clear
}

TEST(TaxInfoDialog, ClearAllGivesANewEmployeesDefaults) {
    Profile p;
    p.HourRate = 20;
    p.FedStatus = "Married";
    p.StateExemptions = 4;
    p.PayBiWeekly = true;
    p.KplanFixed = 1;
    p.DedName9 = "Health Ins";
    TaxInfoDialog d;
    d.ClearAll(p);
    EXPECT_FLOAT_EQ(p.HourRate, 0.0f);
    EXPECT_EQ(d.txtHourRate.text, "7.5");
    EXPECT_EQ(p.FedStatus, "Single");
    EXPECT_EQ(p.StateExemptions, 0);
    EXPECT_TRUE(p.PayWeekly);
    EXPECT_FALSE(p.PayBiWeekly);
    EXPECT_EQ(p.KplanPercent, 1);
    EXPECT_EQ(p.KplanFixed, 0);
    EXPECT_EQ(p.DedName9, "Misc.");
    EXPECT_EQ(d.txtTax9.text, "Misc.");
    EXPECT_EQ(p.EmpCityStateZip, "City, State Zip Code");
}

TEST(KeyFilter, NumberBoxesTakeDigitsBlankMinusPointAndBackspace) {
    for (char c : std::string("0123456789 -.\b")) {
        EXPECT_TRUE(acceptsNumericKey(c)) << int(c);
    }
    for (char c : std::string("a,+$e/")) {
        EXPECT_FALSE(acceptsNumericKey(c)) << c;
    }
}

}  // namespace
}  // namespace quillon
