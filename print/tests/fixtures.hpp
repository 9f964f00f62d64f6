// Printout fixtures shared by the print tests, benchmarks and sample pictures: a company
// heading, a bi-weekly employee whose period is the worked calculation of the engine tests
// (gross 2888.00, net 1886.15), his register before that period (26 periods, 117,000.00 gross),
// and a weekly employee's register of twelve posted weeks.
#pragma once

#include <array>
#include <string>

#include "engine/check_words.hpp"
#include "engine/pay.hpp"
#include "engine/register.hpp"
#include "engine/tests/pay_inputs.hpp"
#include "print/pay_figures.hpp"
#include "print/paycheck.hpp"
#include "print/register_printout.hpp"
#include "print/statement.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"
#include "session/session.hpp"
#include "session/shown_period.hpp"

namespace quillon::testing {

inline CompanyHeading sampleHeading() {
    return {"Harbor Street Hardware", "1200 Harbor Street", "Portland, ME 04101", "01-2345678"};
}

inline void sampleDeductionNames(Profile& p) {
    p.DedName5 = "CrUnion";
    p.DedName6 = "Bond";
    p.DedName7 = "Dues";
    p.DedName8 = "Pension";
    p.DedName9 = "Health";
}

// The employee of realisticInput(): rates 25 and 30, tips 2 an hour, bi-weekly.
inline Profile biWeeklyProfile() {
    Profile p;
    p.EmpName = "Maria Lopez";
    p.EmpAddress = "48 Fore Street";
    p.EmpCityStateZip = "Portland, ME 04101";
    p.EmpSSN = "123-45-6789";
    p.HourRate = 25;
    p.HourRate2 = 30;
    p.TipsRate = 2;
    p.PayBiWeekly = true;
    sampleDeductionNames(p);
    return p;
}

inline Profile weeklyProfile() {
    Profile p;
    p.EmpName = "Tom Baker";
    p.EmpSSN = "987-65-4321";
    p.HourRate = 18.5f;
    p.PayWeekly = true;
    sampleDeductionNames(p);
    return p;
}

// "m/d/2016" for day (1 = January 1) of the leap year 2016.
inline std::string date2016(int day) {
    static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11 && day > kMonthDays[month]) {
        day -= kMonthDays[month++];
    }
    return std::to_string(month + 1) + "/" + std::to_string(day) + "/2016";
}

// The worked period: posted to no row yet, so the register holds the 26 periods before it.
inline PayResult workedCalculation() {
    return std::get<PayResult>(Calcu_late(realisticInput()));
}

inline constexpr const char* kWorkedWeekEnding = "12/30/2016";

inline Register biWeeklyRegister() {
    Register r;
    for (int i = 0; i < 26; ++i) {
        RegisterRow& row = r.rows[static_cast<std::size_t>(i)];
        row = RegisterRow{date2016(1 + 14 * i),
                          612.4f,
                          275.28f,
                          64.38f,
                          238.15f,
                          152.9f,
                          25,
                          10,
                          18.76f,
                          90,
                          45.5f,
                          180,
                          24,
                          150,
                          2655.38f,
                          4500,
                          45,
                          3.25f,
                          60};
    }
    r.totals = AddAnnual(r.rows, kBiWeeklyRows);
    return r;
}

// Twelve weeks with differing figures, one of them with a credit (a negative city tax).
inline Register weeklyRegister() {
    Register r;
    for (int i = 0; i < 12; ++i) {
        RegisterRow& row = r.rows[static_cast<std::size_t>(i)];
        const float gross = 740 + 18.5f * static_cast<float>(i);
        row.Date = date2016(1 + 7 * i);
        row.Fed = roundedToCents(gross * 0.11f);
        row.SS = roundedToCents(gross * 0.062f);
        row.Medi = roundedToCents(gross * 0.0145f);
        row.State = roundedToCents(gross * 0.048f);
        row.City = i == 5 ? -12.5f : roundedToCents(gross * 0.03f);
        row.Muni = 15;
        row.Bond = i % 4 == 0 ? 25 : 0;
        row.Dues = 9.38f;
        row.Pen = roundedToCents(gross * 0.02f);
        row.Misc = 22.75f;
        row.Kplan = roundedToCents(gross * 0.03f);
        row.OT = i % 3 == 0 ? 55.5f : 0;
        row.Gross = gross;
        row.Net = roundedToCents(gross - row.Fed - row.SS - row.Medi - row.State - row.City -
                                 row.Muni - row.Bond - row.Dues - row.Pen - row.Misc - row.Kplan);
        row.Sdi = roundedToCents(gross * 0.005f);
        row.Sui = 1.5f;
    }
    r.totals = AddAnnual(r.rows, kWeeklyRows);
    return r;
}

inline RegisterPrintInput weeklyPrintInput() {
    return {sampleHeading(), "Baker", "1/4/2017", weeklyProfile(), weeklyRegister(), kWeeklyRows};
}

inline RegisterPrintInput biWeeklyPrintInput() {
    return {sampleHeading(),    "Lopez",      "1/4/2017", biWeeklyProfile(),
            biWeeklyRegister(), kBiWeeklyRows};
}

// The register window opened on a printout's register, as the operator sees it before exporting.
inline RegisterWindow shownWindow(RegisterPrintInput& in) {
    RegisterWindow window(in.usedRows);
    (void)window.open(in.yearRegister, in.profile);
    return window;
}

inline ShownPeriod workedPeriod() {
    const PayResult r = workedCalculation();
    return shownPeriod(r, r.txtAmount, realisticInput().opt1x, kWorkedWeekEnding);
}

inline StatementInput workedStatement() {
    return {sampleHeading(),   "Lopez",        "1/4/2017",
            biWeeklyProfile(), workedPeriod(), biWeeklyRegister().totals};
}

// The check screen as it fills itself for the worked period.
inline CheckScreen workedCheckScreen() {
    const Profile p = biWeeklyProfile();
    const float net = workedCalculation().NetPay;
    return {kWorkedWeekEnding, p.EmpName + "********", CheckFigures(net), p.EmpName,
            p.EmpSSN,          p.EmpAddress,           p.EmpCityStateZip, "Period 27"};
}

inline CheckInput workedCheck(CheckOffsets offsets = {}) {
    return {workedCheckScreen(),
            AmountInWords(workedCalculation().NetPay),
            offsets,
            biWeeklyProfile(),
            workedPeriod(),
            biWeeklyRegister().totals};
}

}  // namespace quillon::testing
