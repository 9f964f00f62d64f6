// Bracket-table withholding for the state, the city and the non-city resident.
#include "engine/local_tax.hpp"

#include <cstddef>

namespace quillon {

namespace {

// The row search shared by the state and city tables: rows 0 to last-1 apply when
// Min(r) <= w < Min(r+1), the last row when w >= Min(last); a later applying row overwrites
// an earlier one. `divisor` is 1 bi-weekly and 2 weekly: bounds and amounts are halved and
// compared as Singles.
template <std::size_t N>
bool searchRows(const std::array<float, N>& min, const std::array<float, N>& amt,
                const std::array<float, N>& per, std::size_t last, float divisor, float w,
                float& tax) {
    bool found = false;
    for (std::size_t r = 0; r <= last; ++r) {
        const float low = min[r] / divisor;
        const bool inside = r < last ? low <= w && w < min[r + 1] / divisor : w >= low;
        if (inside) {
            tax = (w - low) * per[r] + amt[r] / divisor;
            found = true;
        }
    }
    return found;
}

}  // namespace

StateByTableResult StateByTable(const StateSettings& state, bool single, PayFrequency frequency,
                                float TaxableWage, float StateExpAmt, float CafeStateAmt) {
    StateByTableResult r;
    float divisor = 0;
    if (frequency.biWeekly) {
        divisor = 1.0f;
        r.StateWage = TaxableWage - StateExpAmt - CafeStateAmt;
    } else if (frequency.weekly) {
        divisor = 2.0f;
        r.StateWage = TaxableWage - StateExpAmt / 2.0f - CafeStateAmt;
    } else {
        return r;
    }
    const auto& min = single ? state.StateMinBS : state.StateMinBM;
    const auto& amt = single ? state.StateAmtBS : state.StateAmtBM;
    const auto& per = single ? state.StatePerBS : state.StatePerBM;
    (void)searchRows(min, amt, per, 9, divisor, r.StateWage, r.StateTax);
    return r;
}

CityByTableResult CityByTable(const CitySettings& city, const NonCitySettings& nonCity, bool single,
                              bool nonCityResident, PayFrequency frequency, float TaxableWage,
                              float CityExpAmt) {
    CityByTableResult r;
    r.CityExpAmt = CityExpAmt;
    float divisor = 0;
    if (frequency.biWeekly) {
        divisor = 1.0f;
    } else if (frequency.weekly) {
        divisor = 2.0f;
    } else {
        return r;
    }

    if (nonCityResident) {
        // The non-city tables are kept per frequency and used as they stand.
        const auto& min = frequency.biWeekly ? nonCity.NonMinBi : nonCity.NonMinWk;
        const auto& sub = frequency.biWeekly ? nonCity.NonExpBi : nonCity.NonExpWk;
        const float w = TaxableWage;
        for (std::size_t row = 0; row < min.size(); ++row) {
            const bool inside =
                row + 1 < min.size() ? min[row] <= w && w < min[row + 1] : w >= min[row];
            if (inside) {
                r.CityExpAmt = sub[row];
            }
        }
        r.CityTax = (TaxableWage - r.CityExpAmt) * nonCity.NonPer;
        return r;
    }

    r.CityWage = TaxableWage - CityExpAmt / divisor;
    const auto& min = single ? city.CityMinBS : city.CityMinBM;
    const auto& amt = single ? city.CityAmtBS : city.CityAmtBM;
    const auto& per = single ? city.CityPerBS : city.CityPerBM;
    (void)searchRows(min, amt, per, 7, divisor, r.CityWage, r.CityTax);
    return r;
}

}  // namespace quillon
