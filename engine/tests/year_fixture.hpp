// Five employees' registers through 2016 for the quarter and year figures, shared by the engine's
// tests and the folder reader's: each figure the tests expect is worked out by hand beside them.
//
//   Archer, weekly: 12 rows of 15,000.00 gross (cafeteria 100, ninth deduction 50, pension 300),
//     one a month on 1/15 2/12 3/18 4/15 5/13 6/17 7/15 8/12 9/16 10/14 11/11 12/16, and row 13
//     dated "2/30/2016" (no such day: skipped). Social Security and Medicare wages 14,850.00 a
//     row: the Social Security base is crossed in the third quarter, on 8/12, with 14,550.00 of
//     the 14,850.00 under it (103,950.00 counted before). "Deduct State" is checked.
//   Baker, bi-weekly: 8 rows of 30,000.00 in slots 1-4 and 6-9 (slot 5 empty) on 1/8 2/19 3/18
//     4/15 5/27 6/24 7/22 9/16. The base is crossed on 4/15 (28,500.00 under it); 200,000.00 of
//     Medicare wages on 7/22: 10,000.00 above it then, 30,000.00 on 9/16.
//   Carver, weekly: 3 rows of 800.00 gross with 200.00 of tips and a K plan of 40.00, on 6/10,
//     9/9 and 9/23, and row 4 dated "9/30/16" (a two-digit year: skipped).
//   Dunn, weekly, exempt from Social Security and Medicare: 1,000.00 on 9/16; row 2 holds 50.00
//     of gross without a date (skipped).
//   Ellis, weekly, self-employed: 2,000.00 on 9/16.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/register.hpp"
#include "engine/tests/record_printers.hpp"
#include "engine/year_summary.hpp"

namespace quillon::testing {

inline std::vector<RegisterRow> slots(int count) {
    return std::vector<RegisterRow>(static_cast<std::size_t>(count));
}

inline RegisterRow dated(RegisterRow row, const std::string& date) {
    row.Date = date;
    return row;
}

inline YearEmployee archer() {
    YearEmployee e;
    e.userFile = "Archer";
    e.EmpName = "Ann Archer";
    e.DedName8 = "Pension";
    e.DedName9 = "H.I.";
    e.CafeDeductState = true;
    e.rows = slots(kWeeklyRows);
    RegisterRow pay;
    pay.Gross = 15000;
    pay.Net = 9000;
    pay.Fed = 2000;
    pay.SS = 920.7f;     // 14,850 x 6.2 %
    pay.Medi = 215.33f;  // 14,850 x 1.45 % = 215.325
    pay.State = 500;
    pay.City = 100;
    pay.Pen = 300;
    pay.Misc = 50;
    pay.Cafe = 100;
    pay.Sdi = 20;
    pay.Sui = 10;
    const char* dates[] = {"1/15/2016", "2/12/2016",  "3/18/2016",  "4/15/2016",
                           "5/13/2016", "6/17/2016",  "7/15/2016",  "8/12/2016",
                           "9/16/2016", "10/14/2016", "11/11/2016", "12/16/2016"};
    for (std::size_t i = 0; i < 12; ++i) {
        e.rows[i] = dated(pay, dates[i]);
        if (i == 7) {
            e.rows[i].SS = 902.1f;  // 14,550 x 6.2 %, the part under the base
        } else if (i > 7) {
            e.rows[i].SS = 0;
        }
    }
    e.rows[12] = dated(pay, "2/30/2016");
    return e;
}

inline YearEmployee baker() {
    YearEmployee e;
    e.userFile = "Baker";
    e.EmpName = "Bob Baker";
    e.biWeekly = true;
    e.rows = slots(kBiWeeklyRows);
    RegisterRow pay;
    pay.Gross = 30000;
    pay.Net = 20000;
    pay.Fed = 6000;
    pay.SS = 1860;   // 30,000 x 6.2 %
    pay.Medi = 435;  // 30,000 x 1.45 %
    pay.State = 1500;
    const std::pair<std::size_t, const char*> rows[] = {
        {0, "1/8/2016"},  {1, "2/19/2016"}, {2, "3/18/2016"}, {3, "4/15/2016"},
        {5, "5/27/2016"}, {6, "6/24/2016"}, {7, "7/22/2016"}, {8, "9/16/2016"}};
    for (const auto& [slot, date] : rows) {
        e.rows[slot] = dated(pay, date);
    }
    e.rows[3].SS = 1767;  // 28,500 x 6.2 %
    for (std::size_t slot : {5U, 6U, 7U, 8U}) {
        e.rows[slot].SS = 0;
    }
    e.rows[7].Medi = 525;  // 435 + 10,000 x 0.9 %
    e.rows[8].Medi = 705;  // 435 + 30,000 x 0.9 %
    return e;
}

inline YearEmployee carver() {
    YearEmployee e;
    e.userFile = "Carver";
    e.EmpName = "Cy Carver";
    e.rows = slots(kWeeklyRows);
    RegisterRow pay;
    pay.Gross = 800;
    pay.Tips = 200;
    pay.Kplan = 40;
    pay.Net = 440;
    pay.Fed = 60;
    pay.SS = 49.6f;    // 800 x 6.2 %
    pay.Medi = 11.6f;  // 800 x 1.45 %
    pay.State = 25;
    e.rows[0] = dated(pay, "6/10/2016");
    e.rows[1] = dated(pay, "9/9/2016");
    e.rows[2] = dated(pay, "9/23/2016");
    e.rows[3] = dated(pay, "9/30/16");
    return e;
}

inline YearEmployee dunn() {
    YearEmployee e;
    e.userFile = "Dunn";
    e.EmpName = "Di Dunn";
    e.SSMediExempt = true;
    e.rows = slots(kWeeklyRows);
    e.rows[0].Date = "9/16/2016";
    e.rows[0].Gross = 1000;
    e.rows[0].Fed = 100;
    e.rows[0].Net = 900;
    e.rows[1].Gross = 50;
    return e;
}

inline YearEmployee ellis() {
    YearEmployee e;
    e.userFile = "Ellis";
    e.EmpName = "Ed Ellis";
    e.SelfEmployed = true;
    e.rows = slots(kWeeklyRows);
    e.rows[0].Date = "9/16/2016";
    e.rows[0].Gross = 2000;
    e.rows[0].SS = 248;   // 2,000 x 12.4 %
    e.rows[0].Medi = 58;  // 2,000 x 2.9 %
    e.rows[0].Net = 1694;
    return e;
}

inline std::vector<YearEmployee> fiveEmployees() {
    return {archer(), baker(), carver(), dunn(), ellis()};
}

inline Currency dollars(double amount) {
    return Currency::fromDouble(amount);
}

template <typename T>
void describe(FieldPrinter& p, const std::vector<T>& items) {
    for (const T& item : items) {
        p("", item);
    }
}

inline void describe(FieldPrinter& p, const YearEmployee& e) {
    p("userFile", e.userFile)("EmpName", e.EmpName)("DedName8", e.DedName8);
    p("DedName9", e.DedName9)("SSMediExempt", e.SSMediExempt)("SelfEmployed", e.SelfEmployed);
    p("biWeekly", e.biWeekly)("CafeDeductState", e.CafeDeductState)("rows", e.rows);
}

inline void describe(FieldPrinter& p, const WageFigures& f) {
    p("gross", f.gross)("fed", f.fed)("ssWages", f.ssWages)("ssTips", f.ssTips);
    p("ssTax", f.ssTax)("medicareWages", f.medicareWages)("medicareTax", f.medicareTax);
    p("addlMedicareWages", f.addlMedicareWages)("state", f.state)("city", f.city)("sdi", f.sdi);
    p("sui", f.sui)("federalWages", f.federalWages)("kplan", f.kplan)("pension", f.pension);
    p("ninthDeduction", f.ninthDeduction)("cafeteria", f.cafeteria)("tips", f.tips);
    p("stateWages", f.stateWages)("cityWages", f.cityWages);
}

inline void describe(FieldPrinter& p, const SummaryNote& n) {
    p("kind", static_cast<int>(n.kind))("amount", n.amount);
}

inline void describe(FieldPrinter& p, const SkippedRow& r) {
    p("userFile", r.userFile)("row", r.row)("date", r.date);
}

inline void describe(FieldPrinter& p, const Form941& f) {
    p("line1", f.line1)("line2", f.line2)("line3", f.line3)("line5aWages", f.line5aWages);
    p("line5aTax", f.line5aTax)("line5bTips", f.line5bTips)("line5bTax", f.line5bTax);
    p("line5cWages", f.line5cWages)("line5cTax", f.line5cTax)("line5dWages", f.line5dWages);
    p("line5dTax", f.line5dTax)("line5e", f.line5e)("line6", f.line6)("line7", f.line7);
    p("line10", f.line10);
}

inline void describe(FieldPrinter& p, const FormW2& w) {
    p("userFile", w.userFile)("EmpName", w.EmpName)("box1", w.box1)("box2", w.box2);
    p("box3", w.box3)("box4", w.box4)("box5", w.box5)("box6", w.box6)("box7", w.box7);
    p("box12D", w.box12D)("box16", w.box16)("box17", w.box17)("box18", w.box18);
    p("box19", w.box19)("notes", w.notes);
}

}  // namespace quillon::testing

namespace quillon {

inline void PrintTo(const YearEmployee& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const WageFigures& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const SummaryNote& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const SkippedRow& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const Form941& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const FormW2& r, std::ostream* os) {
    testing::printRecord(r, *os);
}

}  // namespace quillon
