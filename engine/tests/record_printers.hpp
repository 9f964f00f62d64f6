// How the tests print a record when EXPECT_EQ on two of them fails: every field by name, one a
// line at the top, nested records and arrays inline, floats in their shortest exact text (so
// that 0.1f and 0.100000009f do not print alike). Tests only; the library prints nothing.
#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <type_traits>
#include <variant>

#include "engine/money.hpp"
#include "engine/register.hpp"
#include "engine/tables.hpp"

namespace quillon::testing {

template <typename T>
struct IsStdArray : std::false_type {};
template <typename T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <typename T>
struct IsStdVariant : std::false_type {};
template <typename... T>
struct IsStdVariant<std::variant<T...>> : std::true_type {};

// Each record lists its fields in a describe(FieldPrinter&, const Record&) beside it:
// p("Name", r.Name)("Other", r.Other)...
class FieldPrinter {
  public:
    explicit FieldPrinter(std::ostream& os, int depth = 0) : os_(os), depth_(depth) {}

    template <typename T>
    FieldPrinter& operator()(const char* name, const T& value) {
        if (depth_ == 0) {
            os_ << "\n  ";
        } else if (!first_) {
            os_ << ", ";
        }
        first_ = false;
        os_ << name << ": ";
        print(value);
        return *this;
    }

    template <typename T>
    void print(const T& value) {
        if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
            std::array<char, 64> text{};
            const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
            os_.write(text.data(), end - text.data());
        } else if constexpr (std::is_same_v<T, bool>) {
            os_ << (value ? "true" : "false");
        } else if constexpr (std::is_integral_v<T>) {
            os_ << static_cast<long long>(value);
        } else if constexpr (std::is_same_v<T, std::string>) {
            os_ << '"' << value << '"';
        } else if constexpr (std::is_same_v<T, std::monostate>) {
            os_ << "(empty)";
        } else if constexpr (std::is_same_v<T, Currency>) {
            const std::int64_t units = value.units();
            const std::uint64_t magnitude =
                units < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(units)
                          : static_cast<std::uint64_t>(units);
            std::string fraction = std::to_string(magnitude % 10000);
            fraction.insert(0, 4 - fraction.size(), '0');
            os_ << (units < 0 ? "-" : "") << magnitude / 10000 << '.' << fraction << " (currency)";
        } else if constexpr (IsStdVariant<T>::value) {
            std::visit([this](const auto& held) { this->print(held); }, value);
        } else if constexpr (IsStdArray<T>::value) {
            os_ << '{';
            for (std::size_t i = 0; i < value.size(); ++i) {
                if constexpr (std::is_class_v<typename T::value_type> &&
                              !std::is_same_v<typename T::value_type, std::string> &&
                              !IsStdVariant<typename T::value_type>::value) {
                    os_ << "\n    [" << i << "] ";  // an array of records: one a line
                } else if (i > 0) {
                    os_ << ", ";
                }
                print(value[i]);
            }
            os_ << '}';
        } else {
            os_ << '{';
            FieldPrinter inner(os_, depth_ + 1);
            describe(inner, value);
            os_ << '}';
        }
    }

  private:
    std::ostream& os_;
    int depth_;
    bool first_ = true;
};

template <typename Record>
void printRecord(const Record& r, std::ostream& os) {
    FieldPrinter p(os);
    describe(p, r);
}

inline void describe(FieldPrinter& p, const PayFrequency& f) {
    p("weekly", f.weekly)("biWeekly", f.biWeekly);
}

inline void describe(FieldPrinter& p, const FedBracket& b) {
    p("Over", b.Over)("NotOver", b.NotOver)("ExcessOver", b.ExcessOver)("Rate", b.Rate)("Base",
                                                                                        b.Base);
}

inline void describe(FieldPrinter& p, const FederalTable& t) {
    p("SingleBiWeekly", t.set(FedSet::SingleBiWeekly))("SingleWeekly", t.set(FedSet::SingleWeekly))(
        "MarriedBiWeekly", t.set(FedSet::MarriedBiWeekly))("MarriedWeekly",
                                                           t.set(FedSet::MarriedWeekly));
    p("headings", t.headings)("FedAllow", t.FedAllow)("FedTableVersion", t.FedTableVersion);
}

inline void describe(FieldPrinter& p, const StateSettings& s) {
    p("StateMinBS", s.StateMinBS)("StateAmtBS", s.StateAmtBS)("StatePerBS", s.StatePerBS);
    p("StateMinBM", s.StateMinBM)("StateAmtBM", s.StateAmtBM)("StatePerBM", s.StatePerBM);
    p("StateSgExp", s.StateSgExp)("StateMarExp", s.StateMarExp)("NoStateTax", s.NoStateTax);
    p("SDIpercent", s.SDIpercent)("SUIpercent", s.SUIpercent)("SDIwageBase", s.SDIwageBase);
    p("SUIwageBase", s.SUIwageBase)("SDIuseBase", s.SDIuseBase)("SUIuseBase", s.SUIuseBase);
    p("StateAdj", s.StateAdj)("CalAllow", s.CalAllow)("RoundState", s.RoundState);
    p("SpouseWorks", s.SpouseWorks)("StateAriz", s.StateAriz)("StateLouis", s.StateLouis);
    p("StateIowa", s.StateIowa)("StateMissouri", s.StateMissouri)("StateMass", s.StateMass);
    p("StateOregon", s.StateOregon)("StateUtah", s.StateUtah)("StateAlabama", s.StateAlabama);
    p("StateKentucky", s.StateKentucky)("StateWiscon", s.StateWiscon);
    p("StateWisconApril", s.StateWisconApril)("StateNC", s.StateNC);
}

inline void describe(FieldPrinter& p, const CitySettings& c) {
    p("CityMinBS", c.CityMinBS)("CityAmtBS", c.CityAmtBS)("CityPerBS", c.CityPerBS);
    p("CityMinBM", c.CityMinBM)("CityAmtBM", c.CityAmtBM)("CityPerBM", c.CityPerBM);
    p("CitySgExp", c.CitySgExp)("CityMarExp", c.CityMarExp)("NoLocalTax", c.NoLocalTax);
}

inline void describe(FieldPrinter& p, const NonCitySettings& n) {
    p("NonMinBi", n.NonMinBi)("NonExpBi", n.NonExpBi)("NonMinWk", n.NonMinWk);
    p("NonExpWk", n.NonExpWk)("NonPer", n.NonPer);
}

inline void describe(FieldPrinter& p, const RegisterRow& r) {
    p("Date", r.Date)("Fed", r.Fed)("SS", r.SS)("Medi", r.Medi)("State", r.State)("City", r.City);
    p("Muni", r.Muni)("Bond", r.Bond)("Dues", r.Dues)("Pen", r.Pen)("Misc", r.Misc);
    p("Kplan", r.Kplan)("Tips", r.Tips)("OT", r.OT)("Net", r.Net)("Gross", r.Gross);
    p("Sdi", r.Sdi)("Sui", r.Sui)("Cafe", r.Cafe);
}

inline void describe(FieldPrinter& p, const RegisterTotals& t) {
    p("TotFed", t.TotFed)("TotSS", t.TotSS)("TotMedi", t.TotMedi)("TotState", t.TotState);
    p("TotCity", t.TotCity)("TotMuni", t.TotMuni)("TotBond", t.TotBond)("TotDues", t.TotDues);
    p("TotPen", t.TotPen)("TotMisc", t.TotMisc)("TotKplan", t.TotKplan)("TotOT", t.TotOT);
    p("TotTips", t.TotTips)("TotGross", t.TotGross)("TotNet", t.TotNet)("TotSdi", t.TotSdi);
    p("TotSui", t.TotSui)("TotCafe", t.TotCafe);
}

inline void describe(FieldPrinter& p, const Register& r) {
    p("rows", r.rows)("totals", r.totals);
}

}  // namespace quillon::testing

namespace quillon {

// Found by GoogleTest next to the records' own namespace.
inline void PrintTo(const PayFrequency& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const FedBracket& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const FederalTable& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const StateSettings& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const CitySettings& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const NonCitySettings& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const RegisterRow& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const RegisterTotals& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const Register& r, std::ostream* os) {
    testing::printRecord(r, *os);
}
inline void PrintTo(const Currency& c, std::ostream* os) {
    testing::FieldPrinter(*os).print(c);
}

}  // namespace quillon
