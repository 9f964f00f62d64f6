// The quarter's and the year's figures, row by row through each employee's register.
#include "engine/year_summary.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/wage_taxes.hpp"

namespace quillon {

namespace {

constexpr std::array<int, 12> kDaysInMonth = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr Currency dollars(std::int64_t whole) {
    return Currency::fromUnits(whole * 10000);
}
constexpr Currency kSocialSecurityBase = dollars(kSocialSecurityWageBase);
constexpr Currency kAdditionalMedicareFrom = dollars(kAdditionalMedicareThreshold);
// A cent and half a cent, in ten-thousandths.
constexpr std::int64_t kCent = 100;
constexpr std::int64_t kHalfCent = 50;
// The rate 1 in ten-thousandths: taxAtRate(amount, kWholeAmount) is the amount to the cent.
constexpr std::int64_t kWholeAmount = 10000;

// A register amount is a two-decimal text read into a Single: the cent it was written as. Below
// 131,072 the Single is within half a cent of it, so the cent comes back exactly.
Currency registerAmount(float amount) {
    const double cents = std::nearbyint(static_cast<double>(amount) * 100.0);
    return Currency::fromDouble(cents / 100.0);
}

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// A text of digits only, at most `most` of them, as a number; nullopt otherwise.
std::optional<int> smallNumber(std::string_view digits, std::size_t most) {
    if (digits.empty() || digits.size() > most) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The part of an amount counted through the year that lies under the Social Security base, and
// the part above the Additional Medicare threshold. What a row adds to either is the difference
// of the part after it and the part before it.
Currency underBase(Currency counted) {
    return std::clamp(counted, Currency{}, kSocialSecurityBase);
}
Currency aboveThreshold(Currency counted) {
    return std::max(counted - kAdditionalMedicareFrom, Currency{});
}

Currency magnitude(Currency amount) {
    return amount < Currency{} ? -amount : amount;
}

// Whether the pay period that ends on `date` (seven days weekly, fourteen bi-weekly) includes
// the 12th of the quarter's last month.
bool periodIncludesThe12th(Date2016 date, bool biWeekly, int quarter) {
    const int twelfth = Date2016{quarter * 3, 12}.dayOfYear();
    const int last = date.dayOfYear();
    const int first = last - (biWeekly ? 13 : 6);
    return first <= twelfth && twelfth <= last;
}

// One employee's rows through the year, the period's figures kept.
struct EmployeeRun {
    EmployeeSummary summary;
    std::vector<SkippedRow> skipped;
    bool paidFor12th = false;
};

EmployeeRun runEmployee(const YearEmployee& e, SummaryPeriod period) {
    EmployeeRun run;
    EmployeeSummary& s = run.summary;
    s.userFile = e.userFile;
    s.EmpName = e.EmpName;
    s.DedName8 = e.DedName8;
    s.DedName9 = e.DedName9;
    s.SSMediExempt = e.SSMediExempt;
    s.SelfEmployed = e.SelfEmployed;
    WageFigures& f = s.figures;

    Currency ssCounted;        // Social Security wages and tips of the year so far
    Currency medicareCounted;  // Medicare wages of the year so far
    // The bases are crossed in date order, which is the slot order of rows posted week by
    // week; a row entered later in a lower date (an opening balance in the first empty slot)
    // counts where its date puts it. Rows of one date keep their slot order.
    std::vector<std::pair<std::size_t, Date2016>> dated;
    for (std::size_t i = 0; i < e.rows.size(); ++i) {
        const RegisterRow& row = e.rows[i];
        if (emptyRegisterRow(row)) {
            continue;
        }
        if (const std::optional<Date2016> date = date2016(row.Date)) {
            dated.emplace_back(i, *date);
        } else {
            run.skipped.push_back(SkippedRow{e.userFile, static_cast<int>(i) + 1, row.Date});
        }
    }
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) {
        return a.second.dayOfYear() < b.second.dayOfYear();
    });
    for (const auto& [i, day] : dated) {
        const RegisterRow& row = e.rows[i];
        const std::optional<Date2016> date = day;
        const Currency gross = registerAmount(row.Gross);
        const Currency tips = registerAmount(row.Tips);
        const Currency cafeteria = registerAmount(row.Cafe);
        const Currency ninth = registerAmount(row.Misc);
        const Currency kplan = registerAmount(row.Kplan);
        const Currency pension = registerAmount(row.Pen);
        const Currency medicareWages = gross - cafeteria - ninth;

        // The year's running totals take every dated row, whatever the period asked for.
        Currency ssWagesPart, ssTipsPart, additionalPart;
        if (!e.SSMediExempt) {
            const Currency wagesWithoutTips = medicareWages - tips;
            ssWagesPart = underBase(ssCounted + wagesWithoutTips) - underBase(ssCounted);
            ssTipsPart =
                underBase(ssCounted + medicareWages) - underBase(ssCounted + wagesWithoutTips);
            ssCounted += medicareWages;
            additionalPart =
                aboveThreshold(medicareCounted + medicareWages) - aboveThreshold(medicareCounted);
            medicareCounted += medicareWages;
        }
        if (!period.isYear() && date->quarter() != period.quarter) {
            continue;
        }

        ++s.rows;
        f.gross += gross;
        f.fed += registerAmount(row.Fed);
        f.ssTax += registerAmount(row.SS);
        f.medicareTax += registerAmount(row.Medi);
        f.state += registerAmount(row.State);
        f.city += registerAmount(row.City);
        f.sdi += registerAmount(row.Sdi);
        f.sui += registerAmount(row.Sui);
        f.kplan += kplan;
        f.pension += pension;
        f.ninthDeduction += ninth;
        f.cafeteria += cafeteria;
        f.tips += tips;
        f.federalWages += gross - ninth - kplan - pension - cafeteria;
        f.cityWages += gross - ninth - kplan;
        f.stateWages += gross - ninth - kplan - (e.CafeDeductState ? cafeteria : Currency{});
        if (!e.SSMediExempt) {
            f.ssWages += ssWagesPart;
            f.ssTips += ssTipsPart;
            f.medicareWages += medicareWages;
            f.addlMedicareWages += additionalPart;
        }
        if (!period.isYear() && gross > Currency{} &&
            periodIncludesThe12th(*date, e.biWeekly, period.quarter)) {
            run.paidFor12th = true;
        }
    }

    // What the operator must look at: each period's tax was rounded to the cent by itself, so
    // the withheld amounts may differ from the rates on the whole by half a cent a row.
    const Currency roundingRoom = Currency::fromUnits(kHalfCent * s.rows + kCent);
    if (s.SelfEmployed) {
        s.notes.push_back({SummaryNoteKind::SelfEmployed, {}});
    } else if (s.SSMediExempt) {
        if (const Currency withheld = f.ssTax + f.medicareTax; withheld != Currency{}) {
            s.notes.push_back({SummaryNoteKind::ExemptButWithheld, withheld});
        }
    } else {
        const Currency ss = taxAtRate(f.ssWages + f.ssTips, kSocialSecurityEmployeeRate);
        if (magnitude(f.ssTax - ss) > roundingRoom) {
            s.notes.push_back({SummaryNoteKind::SocialSecurityDiffers, ss});
        }
        const Currency medicare = taxAtRate(f.medicareWages, kMedicareEmployeeRate) +
                                  taxAtRate(f.addlMedicareWages, kAdditionalMedicareReturnRate);
        if (magnitude(f.medicareTax - medicare) > roundingRoom) {
            s.notes.push_back({SummaryNoteKind::MedicareDiffers, medicare});
        }
    }
    return run;
}

Form941 form941(const WageFigures& t, int paidFor12th) {
    Form941 f;
    f.line1 = paidFor12th;
    f.line2 = t.federalWages;
    f.line3 = t.fed;
    f.line5aWages = t.ssWages;
    f.line5aTax = taxAtRate(t.ssWages, kSocialSecurityReturnRate);
    f.line5bTips = t.ssTips;
    f.line5bTax = taxAtRate(t.ssTips, kSocialSecurityReturnRate);
    f.line5cWages = t.medicareWages;
    f.line5cTax = taxAtRate(t.medicareWages, kMedicareReturnRate);
    f.line5dWages = t.addlMedicareWages;
    f.line5dTax = taxAtRate(t.addlMedicareWages, kAdditionalMedicareReturnRate);
    f.line5e = f.line5aTax + f.line5bTax + f.line5cTax + f.line5dTax;
    f.line6 = f.line3 + f.line5e;
    // The employees' share of column 2 is half of 5a to 5c (exact: half of whole cents) and all
    // of 5d; line 7 is what was withheld beyond it, to the cent.
    const Currency employeeShare =
        Currency::fromUnits((f.line5aTax + f.line5bTax + f.line5cTax).units() / 2) + f.line5dTax;
    f.line7 = taxAtRate(t.ssTax + t.medicareTax - employeeShare, kWholeAmount);
    f.line10 = f.line6 + f.line7;
    return f;
}

FormW2 formW2(const EmployeeSummary& s) {
    const WageFigures& f = s.figures;
    FormW2 w;
    w.userFile = s.userFile;
    w.EmpName = s.EmpName;
    w.box1 = f.federalWages;
    w.box2 = f.fed;
    if (!s.SSMediExempt) {
        w.box3 = f.ssWages;
        w.box4 = f.ssTax;
        w.box5 = f.medicareWages;
        w.box6 = f.medicareTax;
        w.box7 = f.ssTips;
    }
    w.box12D = f.kplan;
    w.box16 = f.stateWages;
    w.box17 = f.state;
    w.box18 = f.cityWages;
    w.box19 = f.city;
    if (f.kplan != Currency{}) {
        w.notes.push_back({SummaryNoteKind::KplanIsBox12D, f.kplan});
    }
    if (f.pension != Currency{}) {
        w.notes.push_back({SummaryNoteKind::PensionLeftOutOfBox1, f.pension});
    }
    if (f.ninthDeduction != Currency{}) {
        w.notes.push_back({SummaryNoteKind::NinthDeductionLeftOut, f.ninthDeduction});
    }
    if (f.cafeteria != Currency{}) {
        w.notes.push_back({SummaryNoteKind::CafeteriaLeftOut, f.cafeteria});
    }
    return w;
}

}  // namespace

bool emptyRegisterRow(const RegisterRow& row) {
    if (!blank(row.Date)) {
        return false;
    }
    for (float amount :
         {row.Fed, row.SS, row.Medi, row.State, row.City, row.Muni, row.Bond, row.Dues, row.Pen,
          row.Misc, row.Kplan, row.Tips, row.OT, row.Net, row.Gross, row.Sdi, row.Sui, row.Cafe}) {
        if (amount != 0) {
            return false;
        }
    }
    return true;
}

int Date2016::dayOfYear() const {
    int days = day;
    for (int m = 1; m < month; ++m) {
        days += kDaysInMonth[static_cast<std::size_t>(m - 1)];
    }
    return days;
}

int Date2016::quarter() const {
    return (month + 2) / 3;
}

std::optional<Date2016> date2016(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
    const std::size_t slash1 = text.find('/');
    const std::size_t slash2 =
        slash1 == std::string_view::npos ? slash1 : text.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos || text.substr(slash2 + 1) != "2016") {
        return std::nullopt;
    }
    const std::optional<int> month = smallNumber(text.substr(0, slash1), 2);
    const std::optional<int> day = smallNumber(text.substr(slash1 + 1, slash2 - slash1 - 1), 2);
    if (!month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > kDaysInMonth[static_cast<std::size_t>(*month - 1)]) {
        return std::nullopt;
    }
    return Date2016{*month, *day};
}

std::string dateText(Date2016 date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/2016";
}

Date2016 lastDayOfQuarter(int quarter) {
    const int month = std::clamp(quarter, 1, 4) * 3;
    return Date2016{month, kDaysInMonth[static_cast<std::size_t>(month - 1)]};
}

Currency taxAtRate(Currency amount, std::int64_t rateTenThousandths) {
    // amount x rate is in hundred-millionths of a dollar, so a cent is 1,000,000 of them. The
    // amount is split so that no product leaves 64 bits: whole millions of ten-thousandths times
    // the rate are whole cents; the rest times the rate is below 10^10 and rounded.
    constexpr std::int64_t kCentOfProduct = 1'000'000;
    const std::int64_t units = amount.units();
    const std::int64_t rest = units % kCentOfProduct;  // the sign of the amount
    const std::int64_t restProduct = rest * rateTenThousandths;
    std::int64_t cents =
        (units / kCentOfProduct) * rateTenThousandths + restProduct / kCentOfProduct;
    const std::int64_t left = restProduct % kCentOfProduct;
    if (2 * left >= kCentOfProduct) {
        ++cents;
    } else if (2 * left <= -kCentOfProduct) {
        --cents;
    }
    return Currency::fromUnits(cents * kCent);
}

WageFigures& WageFigures::operator+=(const WageFigures& o) {
    gross += o.gross;
    fed += o.fed;
    ssWages += o.ssWages;
    ssTips += o.ssTips;
    ssTax += o.ssTax;
    medicareWages += o.medicareWages;
    medicareTax += o.medicareTax;
    addlMedicareWages += o.addlMedicareWages;
    state += o.state;
    city += o.city;
    sdi += o.sdi;
    sui += o.sui;
    federalWages += o.federalWages;
    kplan += o.kplan;
    pension += o.pension;
    ninthDeduction += o.ninthDeduction;
    cafeteria += o.cafeteria;
    tips += o.tips;
    stateWages += o.stateWages;
    cityWages += o.cityWages;
    return *this;
}

YearSummary summarize(const std::vector<YearEmployee>& employees, SummaryPeriod period) {
    if (period.quarter < 0 || period.quarter > 4) {
        throw std::invalid_argument("summarize: a quarter is 1 to 4, or 0 for the year");
    }
    YearSummary report;
    report.period = period;
    int paidFor12th = 0;
    for (const YearEmployee& e : employees) {
        EmployeeRun run = runEmployee(e, period);
        report.skipped.insert(report.skipped.end(), run.skipped.begin(), run.skipped.end());
        if (run.summary.rows == 0) {
            continue;
        }
        if (e.SelfEmployed) {
            report.selfEmployed.push_back(std::move(run.summary));
            continue;
        }
        report.totals += run.summary.figures;
        paidFor12th += run.paidFor12th ? 1 : 0;
        if (period.isYear()) {
            report.w2.push_back(formW2(run.summary));
        }
        report.employees.push_back(std::move(run.summary));
    }
    if (period.isYear()) {
        if (!report.w2.empty()) {
            report.notes.push_back({SummaryNoteKind::StateAndCityWages, {}});
        }
    } else {
        report.form941 = form941(report.totals, paidFor12th);
        report.notes.push_back({SummaryNoteKind::LinesNotFigured, {}});
    }
    return report;
}

}  // namespace quillon
