// State, city and non-city withholding by the operator's bracket tables.
#pragma once

#include <string>

#include "engine/tables.hpp"

namespace quillon {

struct StateByTableResult {
    float StateWage = 0;
    float StateTax = 0;  // 0 when no row applies
};

// The generic state computation on rows 0 to 9 of the single table (single true) or the
// married one. The table is bi-weekly; a weekly period halves every minimum, amount and the
// allowance (the rate stays). With no frequency selected nothing is computed. With `why`,
// appends the wage and the line that applied: "... line 5 of the single state table (from
// 819.00 to under 3083.00): (2343.88 − 819.00) × 6.45 % + 39.88 = 138.2347".
[[nodiscard]] StateByTableResult StateByTable(const StateSettings& state, bool single,
                                              PayFrequency frequency, float TaxableWage,
                                              float StateExpAmt, float CafeStateAmt,
                                              std::string* why = nullptr);

struct CityByTableResult {
    float CityWage = 0;
    float CityTax = 0;
    float CityExpAmt = 0;  // a non-city resident's row replaces the city allowance
};

// The city computation on rows 0 to 7 of the city table (rows 8 and 9 are kept but never
// searched), or for a non-city resident the non-city table of the frequency and its rate.
[[nodiscard]] CityByTableResult CityByTable(const CitySettings& city,
                                            const NonCitySettings& nonCity, bool single,
                                            bool nonCityResident, PayFrequency frequency,
                                            float TaxableWage, float CityExpAmt,
                                            std::string* why = nullptr);

}  // namespace quillon
