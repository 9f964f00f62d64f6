// Social Security against the 2016 wage base of 118,500, Medicare, SDI and SUI.
#include "engine/wage_taxes.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

Currency dollars(double amount) {
    return Currency::fromDouble(amount);
}

struct SocSecCase {
    const char* what;
    double TotGross;
    float GrossPay, CafeThisPay, HealthAmt;
    bool selfEmployed;
    const char* shown;
};

TEST(GetSocSec, WageBaseOf118500) {
    static const SocSecCase cases[] = {
        {"crosses the base: 1000 of it taxed", 117500, 2000, 0, 0, false, "62.00"},
        {"ends exactly at the base: fully taxed", 116500, 2000, 0, 0, false, "124.00"},
        {"base reached before", 118500, 2000, 0, 0, false, ".00"},
        {"beyond the base", 130000, 2000, 0, 0, false, ".00"},
        {"far below, health insurance off", 0, 1000, 0, 100, false, "55.80"},
        {"far below, cafeteria off", 0, 1000, 50, 0, false, "58.90"},
        {"self-employed pay on health insurance", 0, 1000, 0, 100, true, "124.00"},
        {"self-employed crossing: double rate on 1000", 117500, 2000, 0, 0, true, "124.00"},
        // 116600 + 2000 - 100 = 118500: room 0, the whole wage less cafeteria is taxed
        {"cafeteria brings the pay to the base", 116600, 2000, 100, 0, false, "117.80"},
        // 117000 + 2000 - 100 crosses: the room below the base is 1500
        {"crossing ignores health insurance", 117000, 2000, 100, 300, false, "93.00"},
        {"one cent over the base", 118499.99, 2000, 0, 0, false, ".00"},  // .01 x 6.2%
        {"a half cent rounds up", 0, 112.5f, 0, 0, false, "6.98"},        // 6.975
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const SocSecResult r =
            GetSocSec(c.GrossPay, c.CafeThisPay, c.HealthAmt, c.selfEmployed, dollars(c.TotGross));
        EXPECT_EQ(format(r.SocSecTax, "#,###.00"), c.shown);
    }
}

TEST(GetSocSec, KeepsTheYearToDateWageAndTheRoom) {
    const SocSecResult r = GetSocSec(2000, 100, 0, false, dollars(117500));
    EXPECT_EQ(r.SSYtdWage, 119400.0f);
    EXPECT_EQ(r.SSRoom, -900.0f);
    EXPECT_EQ(kSocialSecurityWageBase, 118500);
}

struct MedicareCase {
    float GrossPay, HealthAmt, CafeThisPay;
    bool selfEmployed;
    const char* shown;
};

TEST(Medicare, NoCapDoubledForTheSelfEmployed) {
    static const MedicareCase cases[] = {
        {1000, 100, 0, true, "26.10"},  // 900 x 2.9%
        {1000, 100, 0, false, "13.05"},    {1000, 0, 0, false, "14.50"},
        {200000, 0, 0, false, "2,900.00"}, {1000, 50, 50, false, "13.05"},
        {10, 0, 0, false, ".15"},  // 0.145
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.GrossPay);
        EXPECT_EQ(
            format(Medicare(c.GrossPay, c.HealthAmt, c.CafeThisPay, c.selfEmployed), "#,###.00"),
            c.shown);
    }
}

struct InsuranceCase {
    const char* what;
    double TotGross;
    float GrossPay, percent, wageBase;
    std::int16_t useBase;
    const char* shown;
};

TEST(InsuranceAmount, PercentUpToTheBaseOrAFlatAmount) {
    static const InsuranceCase cases[] = {
        {"crosses the base", 900, 500, 1.2f, 1000, 1, "1.20"},  // (1000 - 900) x 1.2%
        {"below the base", 0, 500, 1.2f, 1000, 1, "6.00"},
        {"ends at the base", 500, 500, 1.2f, 1000, 1, "6.00"},
        {"base reached", 1000, 500, 1.2f, 1000, 1, ".00"},
        {"beyond the base", 1500, 500, 1.2f, 1000, 1, ".00"},
        {"flat amount", 0, 500, 1.2f, 5, 0, "5.00"},
        {"flat amount beyond any base", 90000, 3000, 1.2f, 5, 0, "5.00"},
        {"blank boxes", 0, 500, 0, 0, 1, ".00"},
        {"crossing in cents", 999.99, 500, 1, 1000, 1, ".00"},  // 0.01 x 1%
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const float after = (dollars(c.TotGross) + Currency::fromSingle(c.GrossPay)).toSingle();
        const float amount = insuranceAmount(dollars(c.TotGross), c.GrossPay, c.percent, c.wageBase,
                                             c.useBase, after);
        EXPECT_EQ(format(amount, "#,###.00"), c.shown);
    }
}

TEST(GetSDI_SUI, ReadsTheBoxesAndTheYearToDate) {
    SdiSuiInput in;
    in.TotGross = dollars(900);
    in.GrossPay = 500;
    in.SDIpercent = 1.2f;
    in.SDIwageBase = 1000;
    in.SDIuseBase = 1;
    in.SUIpercent = 2;
    in.SUIwageBase = 7000;
    in.SUIuseBase = 1;
    in.txtStateAdj = "-5.5";
    in.txtCalAllow = "12abc";
    const SdiSuiResult r = GetSDI_SUI(in);
    EXPECT_EQ(r.StateAdj, -5.5f);
    EXPECT_EQ(r.CalAllow, 12.0f);
    EXPECT_EQ(r.SDIYtdAfter, 1400.0f);
    EXPECT_EQ(r.SUIYtdAfter, 1400.0f);
    EXPECT_EQ(format(r.SDIAmt, "#,###.00"), "1.20");
    EXPECT_EQ(format(r.SUIAmt, "#,###.00"), "10.00");

    in.txtStateAdj = "";
    in.txtCalAllow = " ";
    const SdiSuiResult blank = GetSDI_SUI(in);
    EXPECT_EQ(blank.StateAdj, 0.0f);
    EXPECT_EQ(blank.CalAllow, 0.0f);
}

}  // namespace
}  // namespace quillon
