// Federal withholding by the percentage method: bracket rules, and the 2016 table worked by
// hand (wage less the allowance, then the bracket's base plus its rate on the excess).
#include "engine/federal.hpp"

#include <gtest/gtest.h>

#include "engine/money.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon {
namespace {

constexpr PayFrequency kWeekly{true, false};
constexpr PayFrequency kBiWeekly{false, true};

// Bracket 1 = (50, 200, 50, 0.10), bracket 2 = (200, 800, 200, 0.15, 15); bracket 8 placed
// out of reach so that it does not overwrite them.
std::array<FedBracket, 8> twoBrackets() {
    std::array<FedBracket, 8> set{};
    set[0] = FedBracket{50, 200, 50, 0.10f, 0};
    set[1] = FedBracket{200, 800, 200, 0.15f, 15};
    set[7] = FedBracket{1e9f, 0, 1e9f, 0.5f, 0};
    return set;
}

struct WageTax {
    float wage;
    float tax;
};

TEST(FedByBrackets, BracketBoundsAndBase) {
    static const WageTax cases[] = {
        {200.0f, 15.0f},    // top of bracket 1: (200 - 50) x 0.10
        {200.5f, 15.075f},  // bracket 2: 15 + 0.5 x 0.15
        {50.0f, 0.0f},      // at bracket 1's Over: nothing applies
        {100.0f, 5.0f},     // (100 - 50) x 0.10
        {800.0f, 105.0f},   // 15 + 600 x 0.15
        {-20.0f, 0.0f},    {0.0f, 0.0f},
        {900.0f, 0.0f},  // above bracket 2 and below bracket 8: no bracket applies
    };
    const auto set = twoBrackets();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wage);
        EXPECT_FLOAT_EQ(FedByBrackets(set, c.wage), c.tax);
    }
}

TEST(FedByBrackets, AnAllZeroBracketEightZeroesEveryPositiveWage) {
    auto set = twoBrackets();
    set[7] = FedBracket{};
    EXPECT_EQ(FedByBrackets(set, 100.0f), 0.0f);
    EXPECT_EQ(FedByBrackets(set, 0.01f), 0.0f);
    EXPECT_EQ(FedByBrackets(FederalTable{}.set(FedSet::SingleWeekly), 5000.0f), 0.0f);
}

TEST(FedByBrackets, ALaterOverlappingBracketWins) {
    auto set = twoBrackets();
    set[2] = FedBracket{100, 300, 0, 0.5f, 1};           // overlaps brackets 1 and 2
    EXPECT_FLOAT_EQ(FedByBrackets(set, 150.0f), 76.0f);  // 150 x 0.5 + 1, not 10
}

struct Withholding {
    const char* what;
    bool single;
    PayFrequency frequency;
    float wage;
    int exemptions;
    const char* shown;  // the tax rounded to cents, as the result row shows it
};

// Each case's withholding on the 2016 table, the allowance taken off the wage first, as the
// result row shows it.
template <std::size_t N>
void expectShown(const Withholding (&cases)[N]) {
    const FederalTable table = testing::federal2016();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const float allowance =
            table.FedAllow[static_cast<std::size_t>(c.exemptions) + (c.single ? 0u : 10u)] *
            (c.frequency.biWeekly ? 2.0f : 1.0f);
        const float tax = FedWithholding(table, c.single, c.frequency, c.wage - allowance);
        EXPECT_EQ(format(tax, "#,###.00"), c.shown);
    }
}

TEST(FedWithholding, Table2016ByHand) {
    static const Withholding cases[] = {
        // 800 - 155.80 = 644.20; 17.90 + 15% x (644.20 - 222) = 81.23
        {"single weekly 2", true, kWeekly, 800, 2, "81.23"},
        // 722.10: 17.90 + 15% x 500.10 = 92.915, half a cent, rounded up
        {"single weekly 1", true, kWeekly, 800, 1, "92.92"},
        // 2000 - 2 x 155.80 = 1688.40: 199.40 + 25% x 153.40 = 237.75
        {"single bi-weekly 2", true, kBiWeekly, 2000, 2, "237.75"},
        // 1000 - 233.70 = 766.30: 35.70 + 15% x 245.30 = 72.495
        {"married weekly 3", false, kWeekly, 1000, 3, "72.50"},
        // 4000 - 623.20 = 3376.80: 398.75 + 25% x 151.80 = 436.70
        {"married bi-weekly 4", false, kBiWeekly, 4000, 4, "436.70"},
        // 10000 - 0: 2317.93 + 39.6% x 1975 = 3100.03
        {"single weekly top", true, kWeekly, 10000, 0, "3,100.03"},
        // 20000 - 0: 5022.08 + 39.6% x 1712 = 5700.032
        {"married bi-weekly top", false, kBiWeekly, 20000, 0, "5,700.03"},
        // 222 is the top of bracket 2: 10% x 179 = 17.90
        {"single weekly bound", true, kWeekly, 222, 0, "17.90"},
        // 300 - 701.10 is below every bracket
        {"married weekly 9", false, kWeekly, 300, 9, ".00"},
        // 87 is the top of bracket 1, whose rate is 0
        {"single bi-weekly floor", true, kBiWeekly, 87, 0, ".00"},
        // neither frequency: nothing computed
        {"no frequency", true, PayFrequency{}, 800, 0, ".00"},
    };
    expectShown(cases);
}

// The brackets are worked in extended precision on the Single inputs, and here that decides
// the cent shown: computed in single precision, every row shows one cent off (checked by
// switching FedByBrackets to float: all four rows fail).
TEST(FedWithholding, ExtendedPrecisionDecidesTheCent) {
    static const Withholding cases[] = {
        // 35.60 + 15% x (515.10 - 443) = 46.415, half a cent up; single precision 46.41
        {"single bi-weekly", true, kBiWeekly, 515.10f, 0, "46.42"},
        // 890.02 + 33% x (3758.53 - 3700) = 909.3349; single precision lands above 909.335
        {"single weekly", true, kWeekly, 3758.53f, 0, "909.33"},
        // 71.30 + 15% x (1173.70 - 1042) = 91.055, half a cent up; single precision 91.05
        {"married bi-weekly", false, kBiWeekly, 1173.70f, 0, "91.06"},
        // 35.70 + 15% x (739.10 - 521) = 68.415, half a cent up; single precision 68.41
        {"married weekly", false, kWeekly, 739.10f, 0, "68.42"},
    };
    expectShown(cases);
}

TEST(FedSetFor, BiWeeklyFirstThenWeekly) {
    EXPECT_EQ(FedSetFor(true, kBiWeekly), FedSet::SingleBiWeekly);
    EXPECT_EQ(FedSetFor(false, kBiWeekly), FedSet::MarriedBiWeekly);
    EXPECT_EQ(FedSetFor(true, kWeekly), FedSet::SingleWeekly);
    EXPECT_EQ(FedSetFor(false, kWeekly), FedSet::MarriedWeekly);
    EXPECT_EQ(FedSetFor(true, PayFrequency{true, true}), FedSet::SingleBiWeekly);
    EXPECT_FALSE(FedSetFor(true, PayFrequency{}).has_value());
}

}  // namespace
}  // namespace quillon
