// The city dialog: New York values in blank boxes, taking the boxes over all or nothing,
// NO LOCAL TAX, New York, CLEAR ALL, showing the settings; and the number boxes' key filter.
#include "session/city_dialog.hpp"
#include "session/tests/box_name.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

using FloatColumn = CitySettings::Column;

// The New York values as numbers, worked out from the city tax tables.
constexpr FloatColumn kMin = {0, 308, 334, 577, 962, 2308, 19231, 999999, 999999, 999999};
constexpr FloatColumn kAmtS = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.31f, 0, 0, 0};
constexpr FloatColumn kAmtM = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.09f, 0, 0, 0};
constexpr FloatColumn kPer = {0.019f, 0.0265f, 0.031f, 0.037f, 0.039f, 0.04f, 0.0425f, 0, 0, 0};
constexpr FloatColumn kSgExp = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f,
                                384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
constexpr FloatColumn kMarExp = {211.5f, 250, 288.5f, 327, 365.5f, 404, 442.5f, 481, 519.5f, 558};
constexpr FloatColumn kUnusedMin = {999999, 999999, 999999, 999999, 999999,
                                    999999, 999999, 999999, 999999, 999999};
constexpr FloatColumn kZeros = {};

void expectTables(const CitySettings& c, const FloatColumn& min, const FloatColumn& amtS,
                  const FloatColumn& amtM, const FloatColumn& per, const FloatColumn& sg,
                  const FloatColumn& mar) {
    EXPECT_EQ(c.CityMinBS, min);
    EXPECT_EQ(c.CityAmtBS, amtS);
    EXPECT_EQ(c.CityPerBS, per);
    EXPECT_EQ(c.CityMinBM, min);
    EXPECT_EQ(c.CityAmtBM, amtM);
    EXPECT_EQ(c.CityPerBM, per);
    EXPECT_EQ(c.CitySgExp, sg);
    EXPECT_EQ(c.CityMarExp, mar);
}

void expectSame(const CitySettings& c, const CitySettings& expected) {
    EXPECT_EQ(c.CityMinBS, expected.CityMinBS);
    EXPECT_EQ(c.CityAmtBS, expected.CityAmtBS);
    EXPECT_EQ(c.CityPerBS, expected.CityPerBS);
    EXPECT_EQ(c.CityMinBM, expected.CityMinBM);
    EXPECT_EQ(c.CityAmtBM, expected.CityAmtBM);
    EXPECT_EQ(c.CityPerBM, expected.CityPerBM);
    EXPECT_EQ(c.CitySgExp, expected.CitySgExp);
    EXPECT_EQ(c.CityMarExp, expected.CityMarExp);
    EXPECT_EQ(c.NoLocalTax, expected.NoLocalTax);
}

void expectNewYork(const CitySettings& c) {
    expectTables(c, kMin, kAmtS, kAmtM, kPer, kSgExp, kMarExp);
}

void expectEmptied(const CitySettings& c) {
    expectTables(c, kUnusedMin, kZeros, kZeros, kZeros, kZeros, kZeros);
}

// Settings unlike the New York values in every cell: 1000 + 10 x column + row.
CitySettings distinctSettings() {
    CitySettings c;
    std::array<FloatColumn*, 8> columns = {&c.CityMinBS, &c.CityAmtBS, &c.CityPerBS, &c.CityMinBM,
                                           &c.CityAmtBM, &c.CityPerBM, &c.CitySgExp, &c.CityMarExp};
    for (std::size_t k = 0; k < columns.size(); ++k) {
        for (std::size_t r = 0; r < 10; ++r) {
            (*columns[k])[r] = static_cast<float>(1000 + 10 * k + r);
        }
    }
    return c;
}

TEST(CityDialog, WithoutAFileTheLoadSequenceTakesTheNewYorkValues) {
    CityDialog d;
    d.fillBlankBoxes();
    EXPECT_EQ(d.txtCityMinBS[1].text, "308");
    EXPECT_EQ(d.txtCityPerBM[1].text, "0.0265");
    EXPECT_EQ(d.txtCityAmtBS[1].text, "5.85");
    EXPECT_EQ(d.txtCityMinBM[9].text, "999999");
    EXPECT_EQ(d.txtCitySgExp[0].text, "192.3");
    EXPECT_EQ(d.txtCityMarExp[1].text, "250");
    EXPECT_EQ(d.txtCityAmtBS[6].text, "801.31");
    EXPECT_EQ(d.txtCityAmtBM[6].text, "801.09");

    CitySettings c = distinctSettings();
    c.NoLocalTax = 1;
    ASSERT_FALSE(d.takeOverBoxes(c));
    expectNewYork(c);
    EXPECT_EQ(c.NoLocalTax, 0);
    EXPECT_EQ(d.ckNoLocalTax.value, 0);
    EXPECT_EQ(d.caption, "City (Local) Tax Tables");
}

TEST(CityDialog, AnEmptiedBoxTakesTheNewYorkValueOfItsCell) {
    struct Case {
        const char* cell;
        CityDialog::Column CityDialog::*boxes;
        FloatColumn CitySettings::*setting;
        std::size_t row;
        float expected;
    };
    static const Case cases[] = {
        {"single line 4 minimum", &CityDialog::txtCityMinBS, &CitySettings::CityMinBS, 3, 577},
        {"single line 7 amount", &CityDialog::txtCityAmtBS, &CitySettings::CityAmtBS, 6, 801.31f},
        {"married line 7 amount", &CityDialog::txtCityAmtBM, &CitySettings::CityAmtBM, 6, 801.09f},
        {"married line 2 rate", &CityDialog::txtCityPerBM, &CitySettings::CityPerBM, 1, 0.0265f},
        {"married line 10 minimum", &CityDialog::txtCityMinBM, &CitySettings::CityMinBM, 9, 999999},
        {"single allowance 0", &CityDialog::txtCitySgExp, &CitySettings::CitySgExp, 0, 192.3f},
        {"married allowance 1", &CityDialog::txtCityMarExp, &CitySettings::CityMarExp, 1, 250},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.cell);
        const CitySettings stored = distinctSettings();
        CityDialog d;
        d.showSettings(stored);
        (d.*k.boxes)[k.row].text.clear();
        d.fillBlankBoxes();
        CitySettings c = stored;
        ASSERT_FALSE(d.takeOverBoxes(c));
        CitySettings expected = stored;
        (expected.*k.setting)[k.row] = k.expected;
        expectSame(c, expected);
    }
}

TEST(CityDialog, NoLocalTaxEmptiesTheTablesAndSavesAsChecked) {
    CityDialog d;
    d.fillBlankBoxes();
    CitySettings c;
    ASSERT_FALSE(d.takeOverBoxes(c));

    d.noLocalTaxChanged(1, c);
    EXPECT_EQ(d.ckNoLocalTax.value, 1);
    EXPECT_EQ(c.NoLocalTax, 1);  // at once
    expectNewYork(c);            // the tables change only when taken over
    EXPECT_EQ(d.txtCityMinBM[0].text, "999999");
    EXPECT_EQ(d.txtCityPerBS[0].text, "0");
    EXPECT_EQ(d.txtCityMarExp[9].text, "0");

    ASSERT_FALSE(d.takeOverBoxes(c));
    expectEmptied(c);
    EXPECT_EQ(c.NoLocalTax, 1);

    // Reopening: the boxes and the check box as saved.
    CityDialog reopened;
    reopened.showSettings(c);
    EXPECT_EQ(reopened.ckNoLocalTax.value, 1);
    EXPECT_EQ(reopened.txtCityMinBS[4].text, "999999");
    EXPECT_EQ(reopened.txtCityAmtBM[6].text, "0");
    reopened.fillBlankBoxes();
    CitySettings again;
    ASSERT_FALSE(reopened.takeOverBoxes(again));
    expectEmptied(again);
    EXPECT_EQ(again.NoLocalTax, 1);
}

TEST(CityDialog, UncheckingNoLocalTaxShowsTheSettingsAgainWithoutResettingIt) {
    CityDialog d;
    CitySettings c = distinctSettings();
    d.showSettings(c);
    d.noLocalTaxChanged(1, c);
    d.noLocalTaxChanged(0, c);
    EXPECT_EQ(d.ckNoLocalTax.value, 0);
    EXPECT_EQ(c.NoLocalTax, 1);  // only the take-over resets it
    EXPECT_EQ(d.txtCityMinBS[0].text, "1000");
    EXPECT_EQ(d.txtCityMarExp[9].text, "1079");
    ASSERT_FALSE(d.takeOverBoxes(c));
    EXPECT_EQ(c.NoLocalTax, 0);
}

TEST(CityDialog, ShowingSettingsWithNoLocalTaxEmptiesTheBoxesAgain) {
    // A file with NO LOCAL TAX but tables that are not empty: setting the box empties them.
    CitySettings c = distinctSettings();
    c.NoLocalTax = 1;
    CityDialog d;
    d.showSettings(c);
    EXPECT_EQ(d.ckNoLocalTax.value, 1);
    EXPECT_EQ(d.txtCityMinBS[2].text, "999999");
    EXPECT_EQ(d.txtCityAmtBS[2].text, "0");

    // The box is checked already: showing settings without NO LOCAL TAX unchecks it and the
    // boxes show the settings.
    CitySettings plain = distinctSettings();
    d.showSettings(plain);
    EXPECT_EQ(d.ckNoLocalTax.value, 0);
    EXPECT_EQ(d.txtCityAmtBS[2].text, "1012");
}

TEST(CityDialog, ShowingSettingsWritesDecimalText) {
    CitySettings c = distinctSettings();
    c.CityAmtBS[0] = 1234.56f;
    c.CityPerBS[0] = 0.0525f;
    c.CitySgExp[0] = 7.5f;
    c.CityMarExp[0] = 0;
    CityDialog d;
    d.showSettings(c);
    EXPECT_EQ(d.txtCityAmtBS[0].text, "1234.56");
    EXPECT_EQ(d.txtCityPerBS[0].text, "0.0525");
    EXPECT_EQ(d.txtCitySgExp[0].text, "7.5");
    EXPECT_EQ(d.txtCityMarExp[0].text, "0");
    EXPECT_EQ(d.txtCityMinBM[3].text, "1033");
}

TEST(CityDialog, ClearAllLeavesTheCheckBox) {
    for (const std::int16_t checked : {std::int16_t{0}, std::int16_t{1}}) {
        SCOPED_TRACE(checked);
        CityDialog d;
        d.fillBlankBoxes();
        d.ckNoLocalTax.value = checked;
        d.clearAll();
        EXPECT_EQ(d.ckNoLocalTax.value, checked);
        EXPECT_EQ(d.txtCityMinBM[0].text, "999999");
        EXPECT_EQ(d.txtCitySgExp[4].text, "0");
        CitySettings c;
        ASSERT_FALSE(d.takeOverBoxes(c));
        expectEmptied(c);
        EXPECT_EQ(c.NoLocalTax, checked);
    }
}

TEST(CityDialog, NewYorkClearsNoLocalTaxAndFillsEveryBox) {
    CityDialog d;
    CitySettings c = distinctSettings();
    d.showSettings(c);
    d.noLocalTaxChanged(1, c);
    d.txtCityAmtBM[6].text = " ";
    d.newYork();
    EXPECT_EQ(d.ckNoLocalTax.value, 0);
    EXPECT_EQ(d.txtCityAmtBM[6].text, "801.09");
    EXPECT_EQ(d.txtCityAmtBS[6].text, "801.31");
    ASSERT_FALSE(d.takeOverBoxes(c));
    expectNewYork(c);
    EXPECT_EQ(c.NoLocalTax, 0);
}

TEST(CityDialog, OnlyEmptyBoxesAreFilledSoALoneSpaceIsRefused) {
    CityDialog d;
    d.txtCityMinBS[0].text = " ";
    d.txtCityAmtBS[0].text = "12";
    d.fillBlankBoxes();
    EXPECT_EQ(d.txtCityMinBS[0].text, " ");
    EXPECT_EQ(d.txtCityAmtBS[0].text, "12");
    CitySettings c;
    const auto bad = d.takeOverBoxes(c);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtCityMinBS(0)");
}

TEST(CityDialog, TextThatIsNotANumberIsRefusedAndNoSettingChanges) {
    struct Case {
        CityDialog::Column CityDialog::*boxes;
        std::size_t row;
        const char* text;
        const char* named;
    };
    static const Case cases[] = {
        {&CityDialog::txtCityAmtBM, 6, "1.2.3", "txtCityAmtBM(6)"},
        {&CityDialog::txtCityMinBS, 0, "-", "txtCityMinBS(0)"},
        {&CityDialog::txtCityPerBS, 2, "", "txtCityPerBS(2)"},
        {&CityDialog::txtCityMarExp, 9, " ", "txtCityMarExp(9)"},
        {&CityDialog::txtCitySgExp, 5, "3 4", "txtCitySgExp(5)"},
        {&CityDialog::txtCityPerBM, 8, "..", "txtCityPerBM(8)"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.named);
        CityDialog d;
        d.fillBlankBoxes();
        d.ckNoLocalTax.value = 1;  // would change NoLocalTax if anything were taken
        (d.*k.boxes)[k.row].text = k.text;
        CitySettings c = distinctSettings();
        const auto bad = d.takeOverBoxes(c);
        ASSERT_TRUE(bad);
        EXPECT_EQ(testing::boxName(*bad), k.named);
        expectSame(c, distinctSettings());  // NoLocalTax stays 0 as well
    }
}

TEST(CityDialog, TheFirstBadBoxIsNamedLineByLine) {
    CityDialog d;
    d.fillBlankBoxes();
    d.txtCityMarExp[0].text = "x";  // allowances come after the tables
    d.txtCityMinBS[1].text = "x";   // line 2
    d.txtCityPerBM[0].text = "x";   // line 1, last column of the tables
    CitySettings c;
    auto bad = d.takeOverBoxes(c);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtCityPerBM(0)");
    d.txtCityPerBM[0].text = "0";
    d.txtCityMinBS[1].text = "308";
    bad = d.takeOverBoxes(c);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtCityMarExp(0)");
}

TEST(NumberBoxKeyFilter, TakesDigitsSpaceMinusPeriodAndBackspaceOnly) {
    const std::string taken = "0123456789 -.\b";
    const std::string dropped = "aZ,+$e\t\r/:";
    for (const char c : taken) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_TRUE(acceptsNumericKey(c));
    }
    for (const char c : dropped) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_FALSE(acceptsNumericKey(c));
    }
    EXPECT_TRUE(acceptsNumericKey(static_cast<char>(8)));
    EXPECT_FALSE(acceptsNumericKey('\0'));
}

}  // namespace
}  // namespace quillon
