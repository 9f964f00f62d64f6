// The tax tables the calculation reads: the federal table, the state settings, the city and
// non-city settings, and the pay frequency that picks a table's weekly or bi-weekly figures.
// Plain data; the files that keep them are read and written in records/. Records compare
// whole, field by field with ==: a float field that holds NaN makes its record unequal even to
// itself, and -0 equals 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quillon {

// The pay frequency as the tax information options hold it: at most one is set, and with
// neither set the frequency tests of a computation find nothing.
struct PayFrequency {
    bool weekly = false;
    bool biWeekly = false;

    friend bool operator==(const PayFrequency&, const PayFrequency&) = default;
};

// One bracket of a federal set. Bracket 1 has no Base; bracket 8 has no NotOver.
struct FedBracket {
    float Over = 0;
    float NotOver = 0;
    float ExcessOver = 0;
    float Rate = 0;
    float Base = 0;

    friend bool operator==(const FedBracket&, const FedBracket&) = default;
};

enum class FedSet { SingleBiWeekly = 0, SingleWeekly = 1, MarriedBiWeekly = 2, MarriedWeekly = 3 };

struct FederalTable {
    std::array<std::array<FedBracket, 8>, 4> sets{};  // indexed by FedSet
    std::array<std::string, 4> headings{};            // the heading after each set, not used
    std::array<float, 20> FedAllow{};  // weekly totals for 0..9 exemptions, single then married
    std::string FedTableVersion;

    [[nodiscard]] const std::array<FedBracket, 8>& set(FedSet s) const {
        return sets[static_cast<std::size_t>(s)];
    }
    [[nodiscard]] std::array<FedBracket, 8>& set(FedSet s) {
        return sets[static_cast<std::size_t>(s)];
    }

    friend bool operator==(const FederalTable&, const FederalTable&) = default;
};

// State settings of the open employee, bi-weekly figures. Each column has 11 elements of which
// 0 to 9 are used.
struct StateSettings {
    using Column = std::array<float, 11>;
    Column StateMinBS{}, StateAmtBS{}, StatePerBS{};
    Column StateMinBM{}, StateAmtBM{}, StatePerBM{};
    Column StateSgExp{}, StateMarExp{};
    std::int16_t NoStateTax = 0;
    float SDIpercent = 0, SUIpercent = 0;
    float SDIwageBase = 0, SUIwageBase = 0;
    std::int16_t SDIuseBase = 0, SUIuseBase = 0;
    float StateAdj = 0;
    float CalAllow = 0;
    std::int16_t RoundState = 0;
    std::int16_t SpouseWorks = 0;
    // The special states; at most one is 1 when the state dialog sets them.
    std::int16_t StateAriz = 0, StateLouis = 0, StateIowa = 0, StateMissouri = 0, StateMass = 0,
                 StateOregon = 0, StateUtah = 0, StateAlabama = 0, StateKentucky = 0,
                 StateWiscon = 0, StateWisconApril = 0, StateNC = 0;

    friend bool operator==(const StateSettings&, const StateSettings&) = default;
};

// City (local) settings, bi-weekly figures; rows 0 to 9.
struct CitySettings {
    using Column = std::array<float, 10>;
    Column CityMinBS{}, CityAmtBS{}, CityPerBS{};
    Column CityMinBM{}, CityAmtBM{}, CityPerBM{};
    Column CitySgExp{}, CityMarExp{};
    std::int16_t NoLocalTax = 0;

    friend bool operator==(const CitySettings&, const CitySettings&) = default;
};

// Non-city resident settings; rows 0 to 7, a bi-weekly and a weekly table, one rate.
struct NonCitySettings {
    using Column = std::array<float, 8>;
    Column NonMinBi{}, NonExpBi{}, NonMinWk{}, NonExpWk{};
    float NonPer = 0;

    friend bool operator==(const NonCitySettings&, const NonCitySettings&) = default;
};

// A minimum range that marks a table row as not used.
inline constexpr float kUnusedRowMinimum = 999999.0f;

}  // namespace quillon
