// The words the dialogs use for their boxes.
#include "session/key_filter.hpp"

namespace quillon {

BadBox namedBox(std::string_view control, int row) {
    enum class Rows { None, Lines, Exemptions };
    struct Named {
        std::string_view control;
        std::string_view words;
        Rows rows;
    };
    static constexpr Named kNames[] = {
        {"txtStateMinBS", "Table for SINGLE Persons, Minimum Range", Rows::Lines},
        {"txtStateAmtBS", "Table for SINGLE Persons, Amount to Withhold", Rows::Lines},
        {"txtStatePerBS", "Table for SINGLE Persons, Multiply by Percentage in Decimal",
         Rows::Lines},
        {"txtStateMinBM", "Table for MARRIED Persons, Minimum Range", Rows::Lines},
        {"txtStateAmtBM", "Table for MARRIED Persons, Amount to Withhold", Rows::Lines},
        {"txtStatePerBM", "Table for MARRIED Persons, Multiply by Percentage in Decimal",
         Rows::Lines},
        {"txtStateSgExp", "Withholding Allowance, SINGLE", Rows::Exemptions},
        {"txtStateMarExp", "Withholding Allowance, MARRIED", Rows::Exemptions},
        {"txtCityMinBS", "Table for SINGLE Persons, Minimum Range", Rows::Lines},
        {"txtCityAmtBS", "Table for SINGLE Persons, Amount to Withhold", Rows::Lines},
        {"txtCityPerBS", "Table for SINGLE Persons, Multiply by Percentage in Decimal",
         Rows::Lines},
        {"txtCityMinBM", "Table for MARRIED Persons, Minimum Range", Rows::Lines},
        {"txtCityAmtBM", "Table for MARRIED Persons, Amount to Withhold", Rows::Lines},
        {"txtCityPerBM", "Table for MARRIED Persons, Multiply by Percentage in Decimal",
         Rows::Lines},
        {"txtCitySgExp", "Withholding Allowance, SINGLE", Rows::Exemptions},
        {"txtCityMarExp", "Withholding Allowance, MARRIED", Rows::Exemptions},
        {"txtNonMinBi", "BIWEEKLY NON Resident Table, Minimum Range", Rows::Lines},
        {"txtNonExpBi", "BIWEEKLY NON Resident Table, Subtract", Rows::Lines},
        {"txtNonMinWk", "WEEKLY NON Resident Table, Minimum Range", Rows::Lines},
        {"txtNonExpWk", "WEEKLY NON Resident Table, Subtract", Rows::Lines},
        {"txtNonPer", "Multiply by Percentage in Decimal", Rows::None},
        {"txtSDIpercent", "State Disability Insurance, % Rate", Rows::None},
        {"txtSDIwageBase", "State Disability Insurance, Wage Base / Flat Rate", Rows::None},
        {"txtSUIpercent", "State UnEmployment Insurance, % Rate", Rows::None},
        {"txtSUIwageBase", "State UnEmployment Insurance, Wage Base / Flat Rate", Rows::None},
        {"txtStateAdj", "Adjustment", Rows::None},
        {"txtCalAllow", "California Exempt Allowance", Rows::None},
        {"txtHourRate", "Hourly Rate 1", Rows::None},
        {"txtHourRate2", "Hourly Rate 2", Rows::None},
        {"txtTipsRate", "Tips Rate", Rows::None},
        {"cboDepend2", "STATE & CITY STATUS, Exemptions", Rows::None},
        {"txtFedAddL", "Additional Federal Withholdings", Rows::None},
        {"txtMuni", "CrUnion", Rows::None},
        {"txtBond", "Bond", Rows::None},
        {"txtDues", "Dues", Rows::None},
        {"txtPension", "Pension %", Rows::None},
        {"txtMisc", "Health Ins", Rows::None},
        {"txtKplan", "K Plan", Rows::None},
        {"txtCafe", "Cafeteria Plan", Rows::None},
    };
    BadBox box{std::string(control), row, std::string(control)};
    for (const Named& n : kNames) {
        if (n.control != control) {
            continue;
        }
        box.words = n.words;
        if (row >= 0 && n.rows == Rows::Lines) {
            box.words += ", line " + std::to_string(row + 1);
        } else if (row >= 0 && n.rows == Rows::Exemptions) {
            box.words += ", " + std::to_string(row) + " exemptions";
        }
        break;
    }
    if (box.words == control && row >= 0) {
        box.words += "(" + std::to_string(row) + ")";
    }
    return box;
}

}  // namespace quillon
