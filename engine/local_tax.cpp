// Bracket-table withholding for the state, the city and the non-city resident.
#include "engine/local_tax.hpp"

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/trace.hpp"

namespace quillon {

namespace {

// The row search shared by the state and city tables: rows 0 to last-1 apply when
// Min(r) <= w < Min(r+1), the last row when w >= Min(last); a later applying row overwrites
// an earlier one. `divisor` is 1 bi-weekly and 2 weekly: bounds and amounts are halved and
// compared as Singles. Gives the row that applied last.
template <std::size_t N>
std::optional<std::size_t> searchRows(const std::array<float, N>& min,
                                      const std::array<float, N>& amt,
                                      const std::array<float, N>& per, std::size_t last,
                                      float divisor, float w, float& tax) {
    std::optional<std::size_t> found;
    for (std::size_t r = 0; r <= last; ++r) {
        const float low = min[r] / divisor;
        const bool inside = r < last ? low <= w && w < min[r + 1] / divisor : w >= low;
        if (inside) {
            tax = (w - low) * per[r] + amt[r] / divisor;
            found = r;
        }
    }
    return found;
}

// "line 5 of the single state table (from 819.00 to under 3083.00): (2343.88 − 819.00) ×
// 6.45 % + 39.88 = 138.2348", or that no line applies.
template <std::size_t N>
void explainRow(std::string& why, std::string_view table, std::optional<std::size_t> row,
                const std::array<float, N>& min, const std::array<float, N>& amt,
                const std::array<float, N>& per, std::size_t last, float divisor, float w,
                float tax) {
    const std::string halved = divisor == 1.0f ? "" : ", halved for the week";
    if (!row) {
        why += "no line of the " + std::string(table) + halved + " applies: 0";
        return;
    }
    const std::size_t r = *row;
    const float low = min[r] / divisor;
    why += "line " + std::to_string(r + 1) + " of the " + std::string(table) + halved + " (from " +
           traceAmount(low);
    if (r < last) {
        why += " to under " + traceAmount(min[r + 1] / divisor);
    }
    why += "): (" + traceAmount(w) + kTraceMinus + traceAmount(low) + ")" + kTraceTimes +
           tracePercent(per[r]) + " + " + traceAmount(amt[r] / divisor) + " = " + traceAmount(tax);
}

}  // namespace

StateByTableResult StateByTable(const StateSettings& state, bool single, PayFrequency frequency,
                                float TaxableWage, float StateExpAmt, float CafeStateAmt,
                                std::string* why) {
    StateByTableResult r;
    float divisor = 0;
    if (frequency.biWeekly) {
        divisor = 1.0f;
        r.StateWage = TaxableWage - StateExpAmt - CafeStateAmt;
    } else if (frequency.weekly) {
        divisor = 2.0f;
        r.StateWage = TaxableWage - StateExpAmt / 2.0f - CafeStateAmt;
    } else {
        if (why != nullptr) {
            *why += "neither Weekly nor Bi-Weekly is chosen: 0";
        }
        return r;
    }
    const auto& min = single ? state.StateMinBS : state.StateMinBM;
    const auto& amt = single ? state.StateAmtBS : state.StateAmtBM;
    const auto& per = single ? state.StatePerBS : state.StatePerBM;
    const auto row = searchRows(min, amt, per, 9, divisor, r.StateWage, r.StateTax);
    if (why != nullptr) {
        *why += "wage " + traceAmount(TaxableWage) + kTraceMinus +
                (divisor == 1.0f ? "allowance " : "half the allowance ") +
                traceAmount(StateExpAmt) + kTraceMinus + "cafeteria " + traceAmount(CafeStateAmt) +
                " = " + traceAmount(r.StateWage) + "; ";
        if (state.NoStateTax != 0) {
            *why += "NO STATE TAX: ";
        }
        explainRow(*why, single ? "single state table" : "married state table", row, min, amt, per,
                   9, divisor, r.StateWage, r.StateTax);
    }
    return r;
}

CityByTableResult CityByTable(const CitySettings& city, const NonCitySettings& nonCity, bool single,
                              bool nonCityResident, PayFrequency frequency, float TaxableWage,
                              float CityExpAmt, std::string* why) {
    CityByTableResult r;
    r.CityExpAmt = CityExpAmt;
    float divisor = 0;
    if (frequency.biWeekly) {
        divisor = 1.0f;
    } else if (frequency.weekly) {
        divisor = 2.0f;
    } else {
        if (why != nullptr) {
            *why += "neither Weekly nor Bi-Weekly is chosen: 0";
        }
        return r;
    }

    if (nonCityResident) {
        // The non-city tables are kept per frequency and used as they stand.
        const auto& min = frequency.biWeekly ? nonCity.NonMinBi : nonCity.NonMinWk;
        const auto& sub = frequency.biWeekly ? nonCity.NonExpBi : nonCity.NonExpWk;
        const float w = TaxableWage;
        std::optional<std::size_t> found;
        for (std::size_t row = 0; row < min.size(); ++row) {
            const bool inside =
                row + 1 < min.size() ? min[row] <= w && w < min[row + 1] : w >= min[row];
            if (inside) {
                r.CityExpAmt = sub[row];
                found = row;
            }
        }
        r.CityTax = (TaxableWage - r.CityExpAmt) * nonCity.NonPer;
        if (why != nullptr) {
            const std::string table = frequency.biWeekly ? "bi-weekly" : "weekly";
            *why += "non-city resident: wage " + traceAmount(w);
            if (found) {
                *why += " in line " + std::to_string(*found + 1) + " of the " + table +
                        " non-city table (from " + traceAmount(min[*found]) + "): exemption " +
                        traceAmount(r.CityExpAmt);
            } else {
                *why += " in no line of the " + table + " non-city table: the city allowance " +
                        traceAmount(r.CityExpAmt) + " stays";
            }
            *why += "; (" + traceAmount(TaxableWage) + kTraceMinus + traceAmount(r.CityExpAmt) +
                    ")" + kTraceTimes + tracePercent(nonCity.NonPer) + " = " +
                    traceAmount(r.CityTax);
        }
        return r;
    }

    r.CityWage = TaxableWage - CityExpAmt / divisor;
    const auto& min = single ? city.CityMinBS : city.CityMinBM;
    const auto& amt = single ? city.CityAmtBS : city.CityAmtBM;
    const auto& per = single ? city.CityPerBS : city.CityPerBM;
    const auto row = searchRows(min, amt, per, 7, divisor, r.CityWage, r.CityTax);
    if (why != nullptr) {
        *why += "wage " + traceAmount(TaxableWage) + kTraceMinus +
                (divisor == 1.0f ? "allowance " : "half the allowance ") + traceAmount(CityExpAmt) +
                " = " + traceAmount(r.CityWage) + "; ";
        if (city.NoLocalTax != 0) {
            *why += "NO LOCAL TAX: ";
        }
        explainRow(*why, single ? "single city table" : "married city table", row, min, amt, per, 7,
                   divisor, r.CityWage, r.CityTax);
    }
    return r;
}

}  // namespace quillon
