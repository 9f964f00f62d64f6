// Social Security, Medicare, SDI and SUI.
#include "engine/wage_taxes.hpp"

#include <algorithm>

#include "engine/trace.hpp"

namespace quillon {

namespace {

constexpr Currency kWageBase = Currency::fromUnits(kSocialSecurityWageBase * 10000);
constexpr Currency kAdditionalMedicareWages =
    Currency::fromUnits(kAdditionalMedicareThreshold * 10000);

}  // namespace

SocSecResult GetSocSec(float GrossPay, float CafeThisPay, float HealthAmt, bool selfEmployed,
                       Currency TotGross, std::string* why) {
    SocSecResult r;
    const Currency ytd =
        TotGross + Currency::fromSingle(GrossPay) - Currency::fromSingle(CafeThisPay);
    r.SSYtdWage = ytd.toSingle();
    r.SSRoom = (kWageBase - ytd).toSingle();
    if (why != nullptr) {
        *why += "year to date " + traceAmount(TotGross) + " + gross " + traceAmount(GrossPay) +
                kTraceMinus + "cafeteria " + traceAmount(CafeThisPay) + " = " +
                traceAmount(r.SSYtdWage);
    }

    if (r.SSRoom < 0) {
        r.SocSecTax = 0;
        if (why != nullptr) {
            *why += ", above the wage base " + traceAmount(kWageBase) + ": 0";
        }
    } else {
        r.SocSecTax = (GrossPay - CafeThisPay - HealthAmt) * kSocialSecurityRate;
        if (why != nullptr) {
            *why += ", within the wage base " + traceAmount(kWageBase) + ": (gross " +
                    traceAmount(GrossPay) + kTraceMinus + "cafeteria " + traceAmount(CafeThisPay) +
                    kTraceMinus + "health insurance " + traceAmount(HealthAmt) + ")" + kTraceTimes +
                    tracePercent(kSocialSecurityRate) + " = " + traceAmount(r.SocSecTax);
        }
        if (r.SocSecTax > 0 && selfEmployed) {
            // The self-employed pay on the health insurance too.
            r.SocSecTax = (GrossPay - CafeThisPay) * kSocialSecurityRateSelfEmployed;
            if (why != nullptr) {
                *why += "; self-employed, the health insurance not taken off: (gross " +
                        traceAmount(GrossPay) + kTraceMinus + "cafeteria " +
                        traceAmount(CafeThisPay) + ")" + kTraceTimes +
                        tracePercent(kSocialSecurityRateSelfEmployed) + " = " +
                        traceAmount(r.SocSecTax);
            }
        }
    }

    if (r.SSYtdWage > static_cast<float>(kSocialSecurityWageBase) && TotGross < kWageBase) {
        // This pay crosses the base: only the part below it is taxed. The room is a currency
        // amount; the product is taken in double and held as a Single.
        const double room = (kWageBase - TotGross).toDouble();
        r.SocSecTax = static_cast<float>(room * static_cast<double>(kSocialSecurityRate));
        float rate = kSocialSecurityRate;
        if (r.SocSecTax > 0 && selfEmployed) {
            r.SocSecTax =
                static_cast<float>(room * static_cast<double>(kSocialSecurityRateSelfEmployed));
            rate = kSocialSecurityRateSelfEmployed;
        }
        if (why != nullptr) {
            *why += "; this pay crosses the wage base: (" + traceAmount(kWageBase) + kTraceMinus +
                    "year to date " + traceAmount(TotGross) + ") " + traceAmount(room) +
                    kTraceTimes + tracePercent(rate) + " = " + traceAmount(r.SocSecTax);
        }
    }
    return r;
}

float Medicare(float GrossPay, float HealthAmt, float CafeThisPay, bool selfEmployed,
               std::string* why) {
    float tax = (GrossPay - HealthAmt - CafeThisPay) * kMedicareRate;
    if (why != nullptr) {
        *why += "(gross " + traceAmount(GrossPay) + kTraceMinus + "health insurance " +
                traceAmount(HealthAmt) + kTraceMinus + "cafeteria " + traceAmount(CafeThisPay) +
                ")" + kTraceTimes + tracePercent(kMedicareRate) + " = " + traceAmount(tax);
    }
    if (selfEmployed) {
        tax = tax * 2.0f;
        if (why != nullptr) {
            *why += "; self-employed, twice that = " + traceAmount(tax);
        }
    }
    return tax;
}

float AdditionalMedicare(float medicareWages, Currency medicareWagesPosted, std::string* why) {
    const Currency after = medicareWagesPosted + Currency::fromSingle(medicareWages);
    if (!(after > kAdditionalMedicareWages)) {
        if (why != nullptr) {
            *why += "no Additional Medicare Tax: the Medicare wages of the year " +
                    traceAmount(medicareWagesPosted) + " posted + " + traceAmount(medicareWages) +
                    " = " + traceAmount(after) + " are not above " +
                    traceAmount(kAdditionalMedicareWages);
        }
        return 0.0f;
    }
    const Currency over = after - std::max(kAdditionalMedicareWages, medicareWagesPosted);
    const float tax =
        static_cast<float>(over.toDouble() * static_cast<double>(kAdditionalMedicareRate));
    if (why != nullptr) {
        *why += "Additional Medicare Tax on the Medicare wages of the year above " +
                traceAmount(kAdditionalMedicareWages) + ": (" + traceAmount(medicareWagesPosted) +
                " posted + " + traceAmount(medicareWages) + kTraceMinus +
                traceAmount(std::max(kAdditionalMedicareWages, medicareWagesPosted)) + ") " +
                traceAmount(over) + kTraceTimes + tracePercent(kAdditionalMedicareRate) + " = " +
                traceAmount(tax);
    }
    return tax;
}

float insuranceAmount(Currency TotGross, float GrossPay, float percent, float wageBase,
                      std::int16_t useBase, float ytdAfter, std::string* why) {
    if (useBase == 0) {
        if (why != nullptr) {
            *why += "a flat amount per pay (\"Use Base\" not checked) " + traceAmount(wageBase);
        }
        return wageBase;  // "Flat Rate": the box holds an amount per pay
    }
    if (!(TotGross.toDouble() < static_cast<double>(wageBase))) {
        if (why != nullptr) {
            *why += "the year to date " + traceAmount(TotGross) + " has reached the wage base " +
                    traceAmount(wageBase) + ": 0";
        }
        return 0.0f;  // the base was reached in an earlier period
    }
    float amount = percent * 0.01f * GrossPay;
    if (why != nullptr) {
        *why += traceNumber(percent) + " % of the gross " + traceAmount(GrossPay) + " = " +
                traceAmount(amount);
    }
    if (ytdAfter > wageBase) {
        const double room = (Currency::fromSingle(wageBase) - TotGross).toDouble();
        amount = static_cast<float>(room * static_cast<double>(percent) * 0.01);
        if (why != nullptr) {
            *why += "; the year to date after this pay " + traceAmount(ytdAfter) +
                    " passes the wage base: (" + traceAmount(wageBase) + kTraceMinus +
                    "year to date " + traceAmount(TotGross) + ") " + traceAmount(room) +
                    kTraceTimes + traceNumber(percent) + " % = " + traceAmount(amount);
        }
    }
    return amount;
}

SdiSuiResult GetSDI_SUI(const SdiSuiInput& in, std::string* whySDI, std::string* whySUI) {
    SdiSuiResult r;
    r.StateAdj = static_cast<float>(leadingNumber(in.txtStateAdj));
    r.CalAllow = static_cast<float>(leadingNumber(in.txtCalAllow));
    r.SDIYtdAfter = (in.TotGross + Currency::fromSingle(in.GrossPay)).toSingle();
    r.SUIYtdAfter = r.SDIYtdAfter;
    r.SDIAmt = insuranceAmount(in.TotGross, in.GrossPay, in.SDIpercent, in.SDIwageBase,
                               in.SDIuseBase, r.SDIYtdAfter, whySDI);
    r.SUIAmt = insuranceAmount(in.TotGross, in.GrossPay, in.SUIpercent, in.SUIwageBase,
                               in.SUIuseBase, r.SUIYtdAfter, whySUI);
    return r;
}

}  // namespace quillon
