// Pay calculation inputs shared by the engine tests and the pay benchmark: a plain New York
// employee, and a realistic bi-weekly one whose every result is worked out by hand beside it.
#pragma once

#include "engine/pay.hpp"
#include "engine/tests/tables_fixture.hpp"

namespace quillon::testing {

constexpr PayFrequency kWeekly{true, false};
constexpr PayFrequency kBiWeekly{false, true};

// A plain employee with New York tables and no deductions.
inline PayInput newYorkInput(PayFrequency frequency) {
    PayInput in;
    in.employee.HourRate = 20;
    in.employee.FedStatus = "Single";
    in.employee.FedExemptions = "0";
    in.employee.StateStatus = "Single";
    in.employee.frequency = frequency;
    in.federal = federal2016();
    in.state = newYorkState();
    in.city = newYorkCity();
    in.nonCity = nonCityDefaults();
    in.txtStateAdj = "0";
    in.txtCalAllow = "0";
    in.opt1x = true;
    return in;
}

//   pay rate 25, rate 2 30, tips 2 an hour; 80 h, 4 h at rate 2, 3 h O.T. at (2X), 6.5 h at
//   1.5, 8 h holiday, $150.25, 12 tip hours
//   gross = 30x4 + 80x25 + 6.5x1.5x25 + 8x25 + 150.25 + 6x25 + 2x12 = 2888.00
//   K plan 4 % = 115.52; pension 2 % = 57.76; health 45.50; cafeteria 60 with "Deduct State"
//   taxable wage = 2888 - 45.50 - 115.52 = 2726.98
//   federal: married, 2 allowances, bi-weekly 2 x 155.80 = 311.60
//     wage 2726.98 - 57.76 - 311.60 - 60 = 2297.62; 71.30 + 15% x 1255.62 = 259.643
//     plus 15.00 additional = 274.64
//   Social Security: 117000 + 2888 - 60 crosses 118500: (118500 - 117000) x 6.2% = 93.00
//   Medicare: (2888 - 45.50 - 60) x 1.45% = 40.34625 -> 40.35
//   state (NY single, 1 exemption 323.10): 2726.98 - 323.10 - 60 = 2343.88
//     (2343.88 - 819) x 6.45% + 39.88 = 138.23476; adjustment -2.50 -> 135.73
//   city (NY single, 1 exemption 230.80): 2726.98 - 230.80 = 2496.18
//     (2496.18 - 2308) x 4% + 80.81 = 88.3372 -> 88.34
//   SDI 1 % up to a base of 118000: (118000 - 117000) x 1% = 10.00; SUI flat 3.25
//   dues 18.755 -> 18.76
//   taxes 274.64 + 135.73 + 10 + 3.25 + 88.34 + 40.35 + 93 = 645.31
//   deductions 10 + 25 + 45.50 + 18.76 + 115.52 + 57.76 + 60 = 332.54
//   net 2888 - (332.54 + 645.31) - 24 = 1886.15
inline PayInput realisticInput() {
    PayInput in = newYorkInput(kBiWeekly);
    PayEmployee& e = in.employee;
    e.HourRate = 25;
    e.HourRate2 = 30;
    e.TipsRate = 2;
    e.FedStatus = "Married";
    e.FedExemptions = "2";
    e.FedAddWithhold = 15;
    e.StateStatus = "Single";
    e.StateExemptions = 1;
    e.KplanPercent = 1;
    e.KplanValue = 4;
    e.PensionPct = 2;
    e.HealthAmt = 45.5f;
    e.CafeAmt = 60;
    e.CafeDeductState = 1;
    e.MuniAmt = 25;
    e.BondAmt = 10;
    e.DuesAmt = 18.755f;
    in.txtAmount = {"80", "4", "3", "6.5", "8", "", "150.25", "12"};
    in.opt1x = false;
    in.TotGross = Currency::fromUnits(117000LL * 10000);
    in.state.SDIuseBase = 1;
    in.state.SDIpercent = 1;
    in.state.SDIwageBase = 118000;
    in.state.SUIuseBase = 0;
    in.state.SUIwageBase = 3.25f;
    in.txtStateAdj = "-2.5";
    in.txtCalAllow = "0";
    return in;
}

}  // namespace quillon::testing
