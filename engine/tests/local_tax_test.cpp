// State, city and non-city withholding by table.
#include "engine/local_tax.hpp"

#include <gtest/gtest.h>

#include "engine/money.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

constexpr PayFrequency kWeekly{true, false};
constexpr PayFrequency kBiWeekly{false, true};

// Rows: (100, 0, 1%), (1000, 30, 5%), (2000, 80, 10%), then unused.
StateSettings smallState() {
    StateSettings s = testing::noStateTax();
    s.StateMinBS[0] = 100;
    s.StatePerBS[0] = 0.01f;
    s.StateMinBS[1] = 1000;
    s.StateAmtBS[1] = 30;
    s.StatePerBS[1] = 0.05f;
    s.StateMinBS[2] = 2000;
    s.StateAmtBS[2] = 80;
    s.StatePerBS[2] = 0.10f;
    return s;
}

struct StateCase {
    const char* what;
    PayFrequency frequency;
    float TaxableWage, StateExpAmt, CafeStateAmt;
    float StateWage;
    const char* shown;
};

TEST(StateByTable, RowSearchAndWeeklyHalving) {
    static const StateCase cases[] = {
        {"below the first row", kBiWeekly, 50, 0, 0, 50, ".00"},
        {"at a row's minimum", kBiWeekly, 1000, 0, 0, 1000, "30.00"},
        {"just below it", kBiWeekly, 999.99f, 0, 0, 999.99f, "9.00"},  // 899.99 x 1%
        {"last used row", kBiWeekly, 2500, 0, 0, 2500, "130.00"},
        {"allowance and cafeteria", kBiWeekly, 1300, 100, 100, 1100, "35.00"},
        // weekly: row (1000, 30, 5%) halved to (500, 15); 650 - 100 / 2 = 600 -> 20
        {"weekly halves the row and the allowance", kWeekly, 650, 100, 0, 600, "20.00"},
        {"weekly at a halved minimum", kWeekly, 1000, 0, 0, 1000, "40.00"},
        {"weekly cafeteria is not halved", kWeekly, 700, 0, 100, 600, "20.00"},
        {"no frequency", PayFrequency{}, 1500, 0, 0, 0, ".00"},
    };
    const StateSettings s = smallState();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const StateByTableResult r =
            StateByTable(s, true, c.frequency, c.TaxableWage, c.StateExpAmt, c.CafeStateAmt);
        EXPECT_FLOAT_EQ(r.StateWage, c.StateWage);
        EXPECT_EQ(format(r.StateTax, "#,###.00"), c.shown);
    }
}

TEST(StateByTable, NoStateTaxGivesZero) {
    const StateSettings s = testing::noStateTax();
    EXPECT_EQ(StateByTable(s, true, kBiWeekly, 5000, 0, 0).StateTax, 0.0f);
    EXPECT_EQ(StateByTable(s, false, kWeekly, 5000, 0, 0).StateTax, 0.0f);
}

TEST(StateByTable, RowsNineAndTenApply) {
    // New York single: (10000 - 8231) x 8.15% + 571.81 = 715.9835; married line 9:
    // (7000 - 6173) x 8.08% + 417.27 = 484.0916
    const StateSettings ny = testing::newYorkState();
    EXPECT_EQ(format(StateByTable(ny, true, kBiWeekly, 10000, 0, 0).StateTax, "#,###.00"),
              "715.98");
    EXPECT_EQ(format(StateByTable(ny, false, kBiWeekly, 7000, 0, 0).StateTax, "#,###.00"),
              "484.09");
}

TEST(StateByTable, ArizonaIsJustTheOperatorsTable) {
    StateSettings s = smallState();
    s.StateAriz = 1;
    EXPECT_EQ(format(StateByTable(s, true, kBiWeekly, 1000, 0, 0).StateTax, "#,###.00"), "30.00");
}

struct CityCase {
    const char* what;
    PayFrequency frequency;
    float TaxableWage, CityExpAmt;
    float CityWage;
    const char* shown;
};

TEST(CityByTable, EightRowsOnly) {
    CitySettings c = testing::newYorkCity();
    // Lines 9 and 10 hold brackets that would apply; they are never searched.
    c.CityMinBS[7] = 30000;
    c.CityAmtBS[7] = 1000;
    c.CityPerBS[7] = 0.05f;
    c.CityMinBS[8] = 40000;
    c.CityAmtBS[8] = 9999;
    c.CityMinBS[9] = 50000;
    c.CityAmtBS[9] = 9999;
    static const CityCase cases[] = {
        // (45000 - 30000) x 5% + 1000, line 8
        {"above line 9's minimum", kBiWeekly, 45000, 0, 45000, "1,750.00"},
        // (1000 - 962) x 3.9% + 28.31 = 29.792
        {"allowance taken off", kBiWeekly, 1230.8f, 230.8f, 1000, "29.79"},
        // weekly: 1000 - 230.80 / 2 = 884.60; (884.60 - 481) x 3.9% + 14.155 = 29.8954
        {"weekly halves", kWeekly, 1000, 230.8f, 884.6f, "29.90"},
        {"below the first row", kBiWeekly, 100, 192.3f, -92.3f, ".00"},
        {"no frequency", PayFrequency{}, 1000, 0, 0, ".00"},
    };
    const NonCitySettings n = testing::nonCityDefaults();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        const CityByTableResult r =
            CityByTable(c, n, true, false, k.frequency, k.TaxableWage, k.CityExpAmt);
        EXPECT_FLOAT_EQ(r.CityWage, k.CityWage);
        EXPECT_EQ(format(r.CityTax, "#,###.00"), k.shown);
        EXPECT_EQ(r.CityExpAmt, k.CityExpAmt);
    }
}

TEST(CityByTable, NoLocalTaxGivesZero) {
    const CityByTableResult r = CityByTable(testing::noLocalTax(), testing::nonCityDefaults(),
                                            false, false, kBiWeekly, 5000, 0);
    EXPECT_EQ(r.CityTax, 0.0f);
}

struct NonCityCase {
    const char* what;
    PayFrequency frequency;
    float TaxableWage, CityExpAmt;
    float expectedExp;
    const char* shown;
};

TEST(CityByTable, NonCityResident) {
    NonCitySettings n = testing::nonCityDefaults();
    n.NonMinBi = {0, 145, 385, 999999, 999999, 999999, 999999, 999999};
    n.NonExpBi = {115, 77, 38, 0, 0, 0, 0, 0};
    n.NonPer = 0.01f;
    static const NonCityCase cases[] = {
        // 385 <= 500: subtract 38; (500 - 38) x 1% = 4.62
        {"bi-weekly", kBiWeekly, 500, 192.3f, 38, "4.62"},
        {"at a minimum", kBiWeekly, 145, 192.3f, 77, ".68"},
        // weekly table as it stands: 192 <= 300 < 385, subtract 38
        {"weekly table not halved", kWeekly, 300, 192.3f, 38, "2.62"},
        // below every row: the city allowance stays, (-10 - 192.30) x 1% = -2.023
        {"no row keeps the allowance", kBiWeekly, -10, 192.3f, 192.3f, "-2.02"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        const CityByTableResult r = CityByTable(testing::newYorkCity(), n, true, true, k.frequency,
                                                k.TaxableWage, k.CityExpAmt);
        EXPECT_EQ(r.CityExpAmt, k.expectedExp);
        EXPECT_EQ(format(r.CityTax, "#,###.00"), k.shown);
    }
}

}  // namespace
}  // namespace quillon
