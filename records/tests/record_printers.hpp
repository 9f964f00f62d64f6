// How the tests print the records of records/ when EXPECT_EQ on two of them fails: every
// field by name, as engine/tests/record_printers.hpp prints the tables and the register.
#pragma once

#include <ostream>

#include "engine/tests/record_printers.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"

namespace quillon::testing {

inline void describe(FieldPrinter& p, const Profile& r) {
    p("EmpName", r.EmpName)("EmpAddress", r.EmpAddress)("EmpCityStateZip", r.EmpCityStateZip);
    p("EmpSSN", r.EmpSSN)("HourRate", r.HourRate)("HourRate2", r.HourRate2);
    p("TipsRate", r.TipsRate)("PayWeekly", r.PayWeekly)("PayBiWeekly", r.PayBiWeekly);
    p("FedStatus", r.FedStatus)("FedExemptions", r.FedExemptions)("FedExempt", r.FedExempt);
    p("FedAddWithhold", r.FedAddWithhold)("SSMediExempt", r.SSMediExempt);
    p("SelfEmployed", r.SelfEmployed)("StateStatus", r.StateStatus);
    p("StateExemptions", r.StateExemptions)("NonCityRes", r.NonCityRes)("MuniAmt", r.MuniAmt);
    p("BondAmt", r.BondAmt)("DuesAmt", r.DuesAmt)("PensionPct", r.PensionPct);
    p("HealthAmt", r.HealthAmt)("KplanValue", r.KplanValue)("KplanPercent", r.KplanPercent);
    p("KplanFixed", r.KplanFixed)("CafeAmt", r.CafeAmt)("CafeDeductState", r.CafeDeductState);
    p("DedName5", r.DedName5)("DedName6", r.DedName6)("DedName7", r.DedName7);
    p("DedName8", r.DedName8)("DedName9", r.DedName9)("PrintOffsetH", r.PrintOffsetH);
    p("PrintOffsetV", r.PrintOffsetV)("AnnualSalary", r.AnnualSalary);
    p("OtApprovedPct", r.OtApprovedPct)("OtEarned", r.OtEarned)("OtMax", r.OtMax);
    p("OtAvail", r.OtAvail)("OtEarnedPct", r.OtEarnedPct)("OtDates", r.OtDates);
    p("OtAmounts", r.OtAmounts)("SpareVar", r.SpareVar)("SpareSng1", r.SpareSng1);
    p("SpareSng2", r.SpareSng2)("SpareSng3", r.SpareSng3)("SpareSng4", r.SpareSng4);
    p("SpareSng5", r.SpareSng5)("SpareBool1", r.SpareBool1)("SpareBool2", r.SpareBool2);
    p("SpareBool3", r.SpareBool3)("SpareStr1", r.SpareStr1)("SpareStr2", r.SpareStr2);
    p("SpareInt1", r.SpareInt1)("SpareInt2", r.SpareInt2);
}

inline void describe(FieldPrinter& p, const VacationRecord& v) {
    p("VacBal", v.VacBal)("VacStart", v.VacStart)("HolBal", v.HolBal)("HolStart", v.HolStart);
    p("SickBal", v.SickBal)("SickStart", v.SickStart)("VacTaken", v.VacTaken);
    p("HolTaken", v.HolTaken)("SickTaken", v.SickTaken)("VacDate", v.VacDate);
    p("HolDate", v.HolDate)("SickDate", v.SickDate);
}

inline void describe(FieldPrinter& p, const CompanyHeading& h) {
    p("HeadCompany", h.HeadCompany)("HeadAddress", h.HeadAddress)("HeadZip", h.HeadZip);
    p("HeadId", h.HeadId);
}

inline void describe(FieldPrinter& p, const SavedPeriod& s) {
    p("entries", s.entries)("rows", s.rows)("sdi", s.sdi)("sui", s.sui)("cafe", s.cafe);
    p("gross", s.gross)("taxes", s.taxes)("deductions", s.deductions)("net", s.net);
}

}  // namespace quillon::testing

namespace quillon {

inline void PrintTo(const Profile& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const VacationRecord& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const CompanyHeading& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const SavedPeriod& r, std::ostream* os) {
    testing::printRecord(r, *os);
}

}  // namespace quillon
