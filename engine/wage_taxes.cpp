// Social Security, Medicare, SDI and SUI.
#include "engine/wage_taxes.hpp"

#include <algorithm>

namespace quillon {

namespace {

constexpr Currency kWageBase = Currency::fromUnits(kSocialSecurityWageBase * 10000);
constexpr Currency kAdditionalMedicareWages =
    Currency::fromUnits(kAdditionalMedicareThreshold * 10000);

}  // namespace

SocSecResult GetSocSec(float GrossPay, float CafeThisPay, float HealthAmt, bool selfEmployed,
                       Currency TotGross) {
    SocSecResult r;
    const Currency ytd =
        TotGross + Currency::fromSingle(GrossPay) - Currency::fromSingle(CafeThisPay);
    r.SSYtdWage = ytd.toSingle();
    r.SSRoom = (kWageBase - ytd).toSingle();

    if (r.SSRoom < 0) {
        r.SocSecTax = 0;
    } else {
        r.SocSecTax = (GrossPay - CafeThisPay - HealthAmt) * kSocialSecurityRate;
        if (r.SocSecTax > 0 && selfEmployed) {
            // The self-employed pay on the health insurance too.
            r.SocSecTax = (GrossPay - CafeThisPay) * kSocialSecurityRateSelfEmployed;
        }
    }

    if (r.SSYtdWage > static_cast<float>(kSocialSecurityWageBase) && TotGross < kWageBase) {
        // This pay crosses the base: only the part below it is taxed. The room is a currency
        // amount; the product is taken in double and held as a Single.
        const double room = (kWageBase - TotGross).toDouble();
        r.SocSecTax = static_cast<float>(room * static_cast<double>(kSocialSecurityRate));
        if (r.SocSecTax > 0 && selfEmployed) {
            r.SocSecTax =
                static_cast<float>(room * static_cast<double>(kSocialSecurityRateSelfEmployed));
        }
    }
    return r;
}

float Medicare(float GrossPay, float HealthAmt, float CafeThisPay, bool selfEmployed) {
    float tax = (GrossPay - HealthAmt - CafeThisPay) * kMedicareRate;
    if (selfEmployed) {
        tax = tax * 2.0f;
    }
    return tax;
}

float AdditionalMedicare(float medicareWages, Currency medicareWagesPosted) {
    const Currency after = medicareWagesPosted + Currency::fromSingle(medicareWages);
    if (!(after > kAdditionalMedicareWages)) {
        return 0.0f;
    }
    const Currency over = after - std::max(kAdditionalMedicareWages, medicareWagesPosted);
    return static_cast<float>(over.toDouble() * static_cast<double>(kAdditionalMedicareRate));
}

float insuranceAmount(Currency TotGross, float GrossPay, float percent, float wageBase,
                      std::int16_t useBase, float ytdAfter) {
    if (useBase == 0) {
        return wageBase;  // "Flat Rate": the box holds an amount per pay
    }
    if (!(TotGross.toDouble() < static_cast<double>(wageBase))) {
        return 0.0f;  // the base was reached in an earlier period
    }
    float amount = percent * 0.01f * GrossPay;
    if (ytdAfter > wageBase) {
        const double room = (Currency::fromSingle(wageBase) - TotGross).toDouble();
        amount = static_cast<float>(room * static_cast<double>(percent) * 0.01);
    }
    return amount;
}

SdiSuiResult GetSDI_SUI(const SdiSuiInput& in) {
    SdiSuiResult r;
    r.StateAdj = static_cast<float>(leadingNumber(in.txtStateAdj));
    r.CalAllow = static_cast<float>(leadingNumber(in.txtCalAllow));
    r.SDIYtdAfter = (in.TotGross + Currency::fromSingle(in.GrossPay)).toSingle();
    r.SUIYtdAfter = r.SDIYtdAfter;
    r.SDIAmt = insuranceAmount(in.TotGross, in.GrossPay, in.SDIpercent, in.SDIwageBase,
                               in.SDIuseBase, r.SDIYtdAfter);
    r.SUIAmt = insuranceAmount(in.TotGross, in.GrossPay, in.SUIpercent, in.SUIwageBase,
                               in.SUIuseBase, r.SUIYtdAfter);
    return r;
}

}  // namespace quillon
