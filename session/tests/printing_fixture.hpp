// The employee, the week and the register history the printing tests print, in the session's
// working folder (session/tests/session_fixture.hpp).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/register.hpp"
#include "session/session.hpp"

namespace quillon::testing {

// Maria Lopez at 15.50 an hour, weekly, single, two federal exemptions, one state-and-city
// exemption, a bond deduction of `bond` a period.
inline void setUpEmployee(Session& s, const char* bond = "0") {
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.loadTaxInfo().ok);
    TaxInfoDialog& info = *s.taxInfo.model;
    info.txtName.text = "Maria Lopez";
    info.txtAddress.text = "48 Fore Street";
    info.txtStateCityZip.text = "Portland, ME 04101";
    info.txtSSnum.text = "123-45-6789";
    info.txtHourRate.text = "15.5";
    info.cboDepend.text = "2";
    info.cboDepend2.text = "1";
    info.txtBond.text = bond;
    Outcome saved = s.taxInfoSave();
    ASSERT_TRUE(saved.ok) << saved.messages.front().text;
}

// 40 hours: gross 620.00, taxes 139.84, net 480.16 (worked by hand in workflow_test.cpp).
inline void calculateWeek(Session& s, const char* hours = "40") {
    s.main.txtAmount[0].text = hours;
    Outcome calculated = s.calculate();
    ASSERT_TRUE(calculated.ok) << calculated.messages.front().text;
}

inline const std::string& messageOf(const Outcome& o) {
    static const std::string none = "(no message)";
    return o.messages.empty() ? none : o.messages.front().text;
}

}  // namespace quillon::testing
