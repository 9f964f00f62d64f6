// The employee profile: the open employee's identity, rates, statuses, deductions, overtime
// tracker figures and the reserved fields that keep their places in the files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "records/fields.hpp"

namespace quillon {

struct Profile {
    std::string EmpName, EmpAddress, EmpCityStateZip, EmpSSN;
    float HourRate = 0, HourRate2 = 0, TipsRate = 0;
    bool PayWeekly = false, PayBiWeekly = false;
    std::string FedStatus;          // "Single" or another status (treated as married)
    std::string FedExemptions;      // "0" to "9"
    std::int16_t FedExempt = 0;     // kept in the state file
    float FedAddWithhold = 0;       // kept in the state file
    std::int16_t SSMediExempt = 0;  // kept in the state file
    std::int16_t SelfEmployed = 0;
    std::string StateStatus;           // kept in the state file
    std::int16_t StateExemptions = 0;  // kept in the state file
    std::int16_t NonCityRes = 0;
    float MuniAmt = 0, BondAmt = 0, DuesAmt = 0, PensionPct = 0, HealthAmt = 0;
    float KplanValue = 0;
    std::int16_t KplanPercent = 0, KplanFixed = 0;
    float CafeAmt = 0;
    std::int16_t CafeDeductState = 0;
    std::string DedName5, DedName6, DedName7, DedName8, DedName9;
    float PrintOffsetH = 0, PrintOffsetV = 0;
    float AnnualSalary = 0, OtApprovedPct = 0, OtEarned = 0, OtMax = 0, OtAvail = 0,
          OtEarnedPct = 0;
    std::array<std::string, 53> OtDates{}, OtAmounts{};

    // Reserved: read and written back unchanged.
    std::array<Variant, 15> SpareVar{};
    float SpareSng1 = 0, SpareSng2 = 0, SpareSng3 = 0, SpareSng4 = 0, SpareSng5 = 0;
    bool SpareBool1 = false, SpareBool2 = false, SpareBool3 = false;
    std::string SpareStr1, SpareStr2;
    std::int16_t SpareInt1 = 0, SpareInt2 = 0;

    // Field by field: a NaN, also one held in a SpareVar, makes the profile unequal to itself.
    friend bool operator==(const Profile&, const Profile&) = default;
};

}  // namespace quillon
