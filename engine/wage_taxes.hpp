// The wage taxes that do not depend on filing status: Social Security with its annual wage
// base, Medicare with the Additional Medicare Tax above its threshold, and the state disability
// (SDI) and unemployment (SUI) insurances.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/money.hpp"

namespace quillon {

// The 2016 Social Security wage base.
inline constexpr std::int64_t kSocialSecurityWageBase = 118500;
inline constexpr float kSocialSecurityRate = 0.062f;
inline constexpr float kSocialSecurityRateSelfEmployed = 0.124f;
inline constexpr float kMedicareRate = 0.0145f;
// The Additional Medicare Tax: withheld from the Medicare wages an employee is paid in the
// calendar year above the threshold, whatever his filing status; no employer share, so it is
// not doubled for the self-employed.
inline constexpr std::int64_t kAdditionalMedicareThreshold = 200000;
inline constexpr float kAdditionalMedicareRate = 0.009f;

struct SocSecResult {
    float SocSecTax = 0;
    float SSYtdWage = 0;  // TotGross + GrossPay - CafeThisPay
    float SSRoom = 0;     // the wage base less SSYtdWage
};

// Social Security of the period. The year-to-date wage and the room left under the base are
// worked out in currency; a pay that crosses the base is taxed on the part below it only.
// With `why`, each of these steps appends how it reached the tax (so do the functions below).
[[nodiscard]] SocSecResult GetSocSec(float GrossPay, float CafeThisPay, float HealthAmt,
                                     bool selfEmployed, Currency TotGross,
                                     std::string* why = nullptr);

// Medicare of the period (no cap), doubled for the self-employed.
[[nodiscard]] float Medicare(float GrossPay, float HealthAmt, float CafeThisPay, bool selfEmployed,
                             std::string* why = nullptr);

// The Additional Medicare Tax of the period, added to Medicare: the rate on the part of this
// period's Medicare wages (GrossPay - HealthAmt - CafeThisPay) that lies above the threshold
// once the Medicare wages already posted this year are counted,
//   0.009 x (posted + wages - max(200000, posted))  when posted + wages > 200000, else 0.
// Worked in currency; the product is taken in double and held as a Single, as Social Security's
// crossing of its base is. 100 of wages with 199,950 posted: 0.009 x 50 = 0.45.
[[nodiscard]] float AdditionalMedicare(float medicareWages, Currency medicareWagesPosted,
                                       std::string* why = nullptr);

// One insurance, SDI or SUI. With "Use Base" checked: percent of the gross pay
// until the year to date reaches the wage base, the part up to the base in the period that
// crosses it, nothing after. Unchecked (0): wageBase is a flat amount per pay.
[[nodiscard]] float insuranceAmount(Currency TotGross, float GrossPay, float percent,
                                    float wageBase, std::int16_t useBase, float ytdAfter,
                                    std::string* why = nullptr);

struct SdiSuiInput {
    Currency TotGross;
    float GrossPay = 0;
    float SDIpercent = 0, SUIpercent = 0;  // percent: 1.2 means 1.2 %
    float SDIwageBase = 0, SUIwageBase = 0;
    std::int16_t SDIuseBase = 0, SUIuseBase = 0;
    std::string_view txtStateAdj;  // the state dialog's adjustment box
    std::string_view txtCalAllow;  // its California-allowance box
};

struct SdiSuiResult {
    float StateAdj = 0, CalAllow = 0;
    float SDIYtdAfter = 0, SUIYtdAfter = 0;
    float SDIAmt = 0, SUIAmt = 0;
};

// GetSDI_SUI: takes the adjustment and the California allowance from their boxes (leading
// number), then SDI and SUI (explained into whySDI and whySUI when they are given).
[[nodiscard]] SdiSuiResult GetSDI_SUI(const SdiSuiInput& in, std::string* whySDI = nullptr,
                                      std::string* whySUI = nullptr);

}  // namespace quillon
