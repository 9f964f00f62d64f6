// The non-city dialog: the default values, blank filling, taking the boxes over all or nothing
// and showing the settings.
#include "session/noncity_dialog.hpp"
#include "session/tests/box_name.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using FloatColumn = NonCitySettings::Column;

// The default table as numbers.
constexpr FloatColumn kMinBi = {0, 145, 385, 769, 1154, 999999, 999999, 999999};
constexpr FloatColumn kExpBi = {0, 115, 77, 38, 0, 0, 0, 0};
constexpr FloatColumn kMinWk = {0, 78, 192, 385, 577, 999999, 999999, 999999};
constexpr FloatColumn kExpWk = {0, 58, 38, 19, 0, 0, 0, 0};

// Settings unlike the defaults in every cell: 100 x (column + 1) + row, rate 0.5.
NonCitySettings distinctSettings() {
    NonCitySettings n;
    std::array<FloatColumn*, 4> columns = {&n.NonMinBi, &n.NonExpBi, &n.NonMinWk, &n.NonExpWk};
    for (std::size_t k = 0; k < columns.size(); ++k) {
        for (std::size_t r = 0; r < 8; ++r) {
            (*columns[k])[r] = static_cast<float>(100 * (k + 1) + r);
        }
    }
    n.NonPer = 0.5f;
    return n;
}

void expectSame(const NonCitySettings& n, const NonCitySettings& expected) {
    EXPECT_EQ(n.NonMinBi, expected.NonMinBi);
    EXPECT_EQ(n.NonExpBi, expected.NonExpBi);
    EXPECT_EQ(n.NonMinWk, expected.NonMinWk);
    EXPECT_EQ(n.NonExpWk, expected.NonExpWk);
    EXPECT_EQ(n.NonPer, expected.NonPer);
}

NonCitySettings defaults() {
    NonCitySettings n;
    n.NonMinBi = kMinBi;
    n.NonExpBi = kExpBi;
    n.NonMinWk = kMinWk;
    n.NonExpWk = kExpWk;
    n.NonPer = 0.0045f;
    return n;
}

TEST(NonCityDialog, WithoutAFileTheLoadSequenceTakesTheDefaults) {
    NonCityDialog d;
    d.fillBlankBoxes();
    EXPECT_EQ(d.txtNonMinBi[1].text, "145");
    EXPECT_EQ(d.txtNonMinWk[7].text, "999999");
    EXPECT_EQ(d.txtNonExpWk[3].text, "19");
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    NonCitySettings n = distinctSettings();
    ASSERT_FALSE(d.takeOverBoxes(n));
    expectSame(n, defaults());
    EXPECT_EQ(d.caption, "NON City Resident");
}

TEST(NonCityDialog, DefaultReplacesEveryBox) {
    NonCityDialog d;
    d.showSettings(distinctSettings());
    d.txtNonExpBi[2].text = " ";
    d.deFault();
    EXPECT_EQ(d.txtNonExpBi[2].text, "77");
    EXPECT_EQ(d.txtNonMinBi[4].text, "1154");
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    NonCitySettings n;
    ASSERT_FALSE(d.takeOverBoxes(n));
    expectSame(n, defaults());
}

TEST(NonCityDialog, AnEmptiedBoxTakesItsDefaultAndOthersStay) {
    struct Case {
        const char* cell;
        NonCityDialog::Column NonCityDialog::*boxes;  // null: the rate box
        FloatColumn NonCitySettings::*setting;
        std::size_t row;
        float expected;
    };
    static const Case cases[] = {
        {"bi-weekly line 2 minimum", &NonCityDialog::txtNonMinBi, &NonCitySettings::NonMinBi, 1,
         145},
        {"bi-weekly line 3 subtract", &NonCityDialog::txtNonExpBi, &NonCitySettings::NonExpBi, 2,
         77},
        {"weekly line 5 minimum", &NonCityDialog::txtNonMinWk, &NonCitySettings::NonMinWk, 4, 577},
        {"weekly line 2 subtract", &NonCityDialog::txtNonExpWk, &NonCitySettings::NonExpWk, 1, 58},
        {"weekly line 8 minimum", &NonCityDialog::txtNonMinWk, &NonCitySettings::NonMinWk, 7,
         999999},
        {"rate", nullptr, nullptr, 0, 0.0045f},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.cell);
        const NonCitySettings stored = distinctSettings();
        NonCityDialog d;
        d.showSettings(stored);
        NonCitySettings expected = stored;
        if (k.boxes != nullptr) {
            (d.*k.boxes)[k.row].text.clear();
            (expected.*k.setting)[k.row] = k.expected;
        } else {
            d.txtNonPer.text.clear();
            expected.NonPer = k.expected;
        }
        d.fillBlankBoxes();
        NonCitySettings n = stored;
        ASSERT_FALSE(d.takeOverBoxes(n));
        expectSame(n, expected);
    }
}

TEST(NonCityDialog, ALoneSpaceIsNotBlankAndIsRefused) {
    NonCityDialog d;
    d.txtNonExpBi[0].text = " ";
    d.txtNonPer.text = " ";
    d.fillBlankBoxes();
    EXPECT_EQ(d.txtNonExpBi[0].text, " ");
    EXPECT_EQ(d.txtNonPer.text, " ");
    EXPECT_EQ(d.txtNonExpBi[1].text, "115");
    NonCitySettings n;
    const auto bad = d.takeOverBoxes(n);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtNonExpBi(0)");
}

TEST(NonCityDialog, ShowingSettingsWritesDecimalText) {
    NonCitySettings n = distinctSettings();
    n.NonExpBi[0] = 12.25f;
    n.NonPer = 0.0045f;
    NonCityDialog d;
    d.showSettings(n);
    EXPECT_EQ(d.txtNonExpBi[0].text, "12.25");
    EXPECT_EQ(d.txtNonPer.text, "0.0045");
    EXPECT_EQ(d.txtNonMinWk[5].text, "305");
    EXPECT_EQ(d.txtNonExpWk[7].text, "407");
}

TEST(NonCityDialog, TextThatIsNotANumberIsRefusedAndNoSettingChanges) {
    struct Case {
        NonCityDialog::Column NonCityDialog::*boxes;  // null: the rate box
        std::size_t row;
        const char* text;
        const char* named;
    };
    static const Case cases[] = {
        {&NonCityDialog::txtNonMinBi, 0, "1.2.3", "txtNonMinBi(0)"},
        {&NonCityDialog::txtNonExpWk, 7, "-", "txtNonExpWk(7)"},
        {&NonCityDialog::txtNonMinWk, 3, " ", "txtNonMinWk(3)"},
        {&NonCityDialog::txtNonExpBi, 5, "", "txtNonExpBi(5)"},
        {nullptr, 0, ".", "txtNonPer"},
        {nullptr, 0, "0.0045 1", "txtNonPer"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.named);
        NonCityDialog d;
        d.deFault();
        if (k.boxes != nullptr) {
            (d.*k.boxes)[k.row].text = k.text;
        } else {
            d.txtNonPer.text = k.text;
        }
        NonCitySettings n = distinctSettings();
        const auto bad = d.takeOverBoxes(n);
        ASSERT_TRUE(bad);
        EXPECT_EQ(testing::boxName(*bad), k.named);
        expectSame(n, distinctSettings());
    }
}

TEST(NonCityDialog, TheFirstBadBoxIsNamedLineByLine) {
    NonCityDialog d;
    d.deFault();
    d.txtNonPer.text = "x";
    d.txtNonMinBi[1].text = "x";
    d.txtNonExpWk[0].text = "x";
    NonCitySettings n;
    auto bad = d.takeOverBoxes(n);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtNonExpWk(0)");
    d.txtNonExpWk[0].text = "0";
    d.txtNonMinBi[1].text = "145";
    bad = d.takeOverBoxes(n);
    ASSERT_TRUE(bad);
    EXPECT_EQ(testing::boxName(*bad), "txtNonPer");
}

}  // namespace
}  // namespace quillon
