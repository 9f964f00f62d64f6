// The report's layout from the figures, and its three texts.
#include "session/year_report.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace quillon {
namespace {

ReportAmounts amountsOf(const WageFigures& f) {
    return {f.gross, f.fed,           f.ssWages,     f.ssTips,
            f.ssTax, f.medicareWages, f.medicareTax, f.addlMedicareWages,
            f.state, f.city,          f.sdi,         f.sui};
}

std::string nameOf(const std::string& empName, const std::string& userFile) {
    return empName.empty() ? userFile : empName;
}

ReportEmployee employeeLine(const EmployeeSummary& e) {
    return ReportEmployee{nameOf(e.EmpName, e.userFile), e.userFile, e.rows, amountsOf(e.figures)};
}

std::vector<ReturnLine> returnLines(const Form941& f) {
    auto amount = [](std::string_view line, std::string_view words, std::string_view key,
                     Currency value) {
        return ReturnLine{line, words, {}, key, std::nullopt, value, std::nullopt};
    };
    auto both = [](std::string_view line, std::string_view words, std::string_view wagesKey,
                   Currency wages, std::string_view taxKey, Currency tax) {
        return ReturnLine{line, words, wagesKey, taxKey, wages, tax, std::nullopt};
    };
    return {
        ReturnLine{"1",
                   "Employees paid for the pay period including the 12th of the last month",
                   {},
                   "line1",
                   std::nullopt,
                   std::nullopt,
                   f.line1},
        amount("2", "Wages, tips, and other compensation", "line2", f.line2),
        amount("3", "Federal income tax withheld", "line3", f.line3),
        both("5a", "Taxable social security wages x 0.124", "line5a_wages", f.line5aWages,
             "line5a_tax", f.line5aTax),
        both("5b", "Taxable social security tips x 0.124", "line5b_tips", f.line5bTips,
             "line5b_tax", f.line5bTax),
        both("5c", "Taxable Medicare wages & tips x 0.029", "line5c_wages", f.line5cWages,
             "line5c_tax", f.line5cTax),
        both("5d", "Subject to Additional Medicare x 0.009", "line5d_wages", f.line5dWages,
             "line5d_tax", f.line5dTax),
        amount("5e", "Add column 2 of lines 5a, 5b, 5c and 5d", "line5e", f.line5e),
        amount("6", "Total taxes before adjustments (3 + 5e)", "line6", f.line6),
        amount("7", "Current quarter's adjustment for fractions of cents", "line7", f.line7),
        amount("10", "Total taxes after adjustments (6 + 7)", "line10", f.line10),
    };
}

ReportW2 statementOf(const FormW2& w, const EmployeeSummary& about) {
    ReportW2 out{nameOf(w.EmpName, w.userFile),
                 w.userFile,
                 {w.box1, w.box2, w.box3, w.box4, w.box5, w.box6, w.box7, w.box12D, w.box16,
                  w.box17, w.box18, w.box19},
                 {}};
    for (const SummaryNote& note : w.notes) {
        out.notes.push_back(employeeNoteText(note, about));
    }
    return out;
}

std::string quarterTitle(int quarter) {
    const Date2016 last = lastDayOfQuarter(quarter);
    const Date2016 first{last.month - 2, 1};
    return "Quarter " + std::to_string(quarter) + " of 2016: " + dateText(first) + " to " +
           dateText(last);
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

void csvRow(std::ostringstream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out << (i ? "," : "") << csvField(fields[i]);
    }
    out << "\r\n";
}

std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            static const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string jsonAmounts(const ReportEmployee& e, bool named) {
    std::string out = "{";
    if (named) {
        out += "\"name\":" + jsonText(e.name) + ",\"file\":" + jsonText(e.userFile) + ",";
    }
    for (std::size_t c = 0; c < kReportColumns.size(); ++c) {
        out += (c ? "," : "") + jsonText(kReportColumns[c].key) + ':' +
               jsonText(reportAmount(e.amounts[c]));
    }
    return out + '}';
}

std::string jsonEmployees(const std::vector<ReportEmployee>& list) {
    std::string out = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        out += (i ? "," : "") + jsonAmounts(list[i], true);
    }
    return out + ']';
}

std::string jsonStrings(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += (i ? "," : "") + jsonText(texts[i]);
    }
    return out + ']';
}

// A table of the terminal: each column as wide as its widest cell, the first `left` columns
// left-aligned and the rest right-aligned.
void textTable(std::ostringstream& out, const std::vector<std::vector<std::string>>& rows,
               std::size_t left = 1) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - row[c].size(), ' ');
            const std::string gap = c == 0 ? "" : "  ";
            line += c < left ? gap + row[c] + pad : gap + pad + row[c];
        }
        while (!line.empty() && line.back() == ' ') {
            line.pop_back();
        }
        out << line << '\n';
    }
}

std::vector<std::string> employeeCells(const ReportEmployee& e) {
    std::vector<std::string> cells{e.name};
    for (Currency amount : e.amounts) {
        cells.push_back(groupedAmount(amount));
    }
    return cells;
}

}  // namespace

std::string reportAmount(Currency amount) {
    const std::int64_t units = amount.units();
    const bool negative = units < 0;
    // Ten-thousandths to cents, halves away from zero, without negating the smallest count.
    std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(units + 1)) + 1 : static_cast<std::uint64_t>(units);
    const std::uint64_t cents = (magnitude + 50) / 100;
    std::string text = std::to_string(cents / 100) + '.';
    const std::uint64_t part = cents % 100;
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
    return (negative && cents != 0 ? "-" : "") + text;
}

// The amount with thousands separators for the terminal and the page: 1234.5 -> "1,234.50".
std::string groupedAmount(Currency amount) {
    std::string plain = reportAmount(amount);
    const bool negative = plain.front() == '-';
    std::string whole = plain.substr(negative ? 1 : 0, plain.size() - 3 - (negative ? 1 : 0));
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += whole[i];
    }
    return (negative ? "-" : "") + grouped + plain.substr(plain.size() - 3);
}

YearReport yearReport(const YearSummary& summary, const std::vector<UnreadRegister>& unread,
                      const CompanyHeading& heading) {
    YearReport r;
    r.period = summary.period;
    r.title = summary.period.isYear() ? std::string("The year 2016")
                                      : quarterTitle(summary.period.quarter);
    r.heading = heading;
    for (const EmployeeSummary& e : summary.employees) {
        r.employees.push_back(employeeLine(e));
        r.totals.rows += e.rows;
    }
    r.totals.name = "TOTAL";
    r.totals.amounts = amountsOf(summary.totals);
    for (const EmployeeSummary& e : summary.selfEmployed) {
        r.selfEmployed.push_back(employeeLine(e));
    }
    if (summary.form941) {
        r.form941 = returnLines(*summary.form941);
    }
    for (std::size_t i = 0; i < summary.w2.size() && i < summary.employees.size(); ++i) {
        r.w2.push_back(statementOf(summary.w2[i], summary.employees[i]));
    }
    for (const SkippedRow& row : summary.skipped) {
        r.skipped.push_back(ReportSkipped{row.userFile, row.row, row.date, skippedRowText(row)});
    }
    for (const auto* list : {&summary.employees, &summary.selfEmployed}) {
        for (const EmployeeSummary& e : *list) {
            for (const SummaryNote& note : e.notes) {
                r.notes.push_back(employeeNoteText(note, e));
            }
        }
    }
    for (const SummaryNote& note : summary.notes) {
        r.notes.push_back(reportNoteText(note));
    }
    for (const UnreadRegister& u : unread) {
        r.notes.push_back(unreadRegisterText(u));
    }
    return r;
}

std::string reportJson(const YearReport& r) {
    std::string out = "{\"period\":" + jsonText(r.period.isYear() ? "year" : "quarter");
    if (!r.period.isYear()) {
        out += ",\"quarter\":" + std::to_string(r.period.quarter);
    }
    out += ",\"employees\":" + jsonEmployees(r.employees);
    out += ",\"totals\":" + jsonAmounts(r.totals, false);
    if (r.period.isYear()) {
        out += ",\"w2\":[";
        for (std::size_t i = 0; i < r.w2.size(); ++i) {
            const ReportW2& w = r.w2[i];
            out += std::string(i ? "," : "") + "{\"name\":" + jsonText(w.name) +
                   ",\"file\":" + jsonText(w.userFile);
            for (std::size_t b = 0; b < kW2Boxes.size(); ++b) {
                out += "," + jsonText(kW2Boxes[b].key) + ':' + jsonText(reportAmount(w.boxes[b]));
            }
            out += ",\"notes\":" + jsonStrings(w.notes) + '}';
        }
        out += ']';
    } else {
        out += ",\"form941\":{";
        bool first = true;
        auto item = [&](std::string_view key, const std::string& value) {
            out += std::string(first ? "" : ",") + jsonText(key) + ':' + value;
            first = false;
        };
        for (const ReturnLine& line : r.form941) {
            if (line.count) {
                item(line.taxKey, std::to_string(*line.count));
            }
            if (line.wages) {
                item(line.wagesKey, jsonText(reportAmount(*line.wages)));
            }
            if (line.tax) {
                item(line.taxKey, jsonText(reportAmount(*line.tax)));
            }
        }
        out += '}';
    }
    out += ",\"self_employed\":" + jsonEmployees(r.selfEmployed);
    out += ",\"skipped\":[";
    for (std::size_t i = 0; i < r.skipped.size(); ++i) {
        const ReportSkipped& s = r.skipped[i];
        out += std::string(i ? "," : "") + "{\"name\":" + jsonText(s.name) +
               ",\"row\":" + std::to_string(s.row) + ",\"date\":" + jsonText(s.date) + '}';
    }
    out += "],\"notes\":" + jsonStrings(r.notes) + "}\n";
    return out;
}

std::string reportCsv(const YearReport& r) {
    std::ostringstream out;
    csvRow(out, {r.title});
    out << "\r\n";
    std::vector<std::string> header{"name"};
    for (const ReportColumn& c : kReportColumns) {
        header.emplace_back(c.key);
    }
    csvRow(out, header);
    auto amounts = [](const ReportEmployee& e) {
        std::vector<std::string> fields{e.name};
        for (Currency amount : e.amounts) {
            fields.push_back(reportAmount(amount));
        }
        return fields;
    };
    for (const ReportEmployee& e : r.employees) {
        csvRow(out, amounts(e));
    }
    csvRow(out, amounts(r.totals));
    out << "\r\n";
    if (r.period.isYear()) {
        std::vector<std::string> boxes{"name"};
        for (const W2Box& b : kW2Boxes) {
            boxes.emplace_back(b.key);
        }
        csvRow(out, boxes);
        for (const ReportW2& w : r.w2) {
            std::vector<std::string> fields{w.name};
            for (Currency amount : w.boxes) {
                fields.push_back(reportAmount(amount));
            }
            csvRow(out, fields);
        }
    } else {
        csvRow(out, {"line", "description", "column 1", "column 2"});
        for (const ReturnLine& line : r.form941) {
            csvRow(out, {std::string(line.line), std::string(line.words),
                         line.wages ? reportAmount(*line.wages) : std::string(),
                         line.count ? std::to_string(*line.count)
                         : line.tax ? reportAmount(*line.tax)
                                    : std::string()});
        }
    }
    if (!r.selfEmployed.empty()) {
        out << "\r\n";
        csvRow(out, {"self-employed, on no line of the return"});
        for (const ReportEmployee& e : r.selfEmployed) {
            csvRow(out, amounts(e));
        }
    }
    if (!r.skipped.empty()) {
        out << "\r\n";
        csvRow(out, {"skipped", "row", "date"});
        for (const ReportSkipped& s : r.skipped) {
            csvRow(out, {s.name, std::to_string(s.row), s.date});
        }
    }
    if (!r.notes.empty()) {
        out << "\r\n";
        csvRow(out, {"notes"});
        for (const std::string& note : r.notes) {
            csvRow(out, {note});
        }
    }
    return out.str();
}

std::string reportText(const YearReport& r) {
    std::ostringstream out;
    out << r.title << "\n\n";
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header{"Employee"};
    for (const ReportColumn& c : kReportColumns) {
        header.emplace_back(c.heading);
    }
    table.push_back(header);
    for (const ReportEmployee& e : r.employees) {
        table.push_back(employeeCells(e));
    }
    table.push_back(employeeCells(r.totals));
    textTable(out, table);
    if (r.period.isYear()) {
        for (const ReportW2& w : r.w2) {
            out << "\nForm W-2 of " << w.name << '\n';
            std::vector<std::vector<std::string>> boxes;
            for (std::size_t b = 0; b < kW2Boxes.size(); ++b) {
                boxes.push_back({"Box " + std::string(kW2Boxes[b].box),
                                 std::string(kW2Boxes[b].heading), groupedAmount(w.boxes[b])});
            }
            textTable(out, boxes, 2);
        }
    } else {
        out << "\nForm 941\n";
        std::vector<std::vector<std::string>> lines;
        for (const ReturnLine& line : r.form941) {
            lines.push_back({std::string(line.line), std::string(line.words),
                             line.wages ? groupedAmount(*line.wages) : std::string(),
                             line.count ? std::to_string(*line.count)
                             : line.tax ? groupedAmount(*line.tax)
                                        : std::string()});
        }
        textTable(out, lines, 2);
    }
    if (!r.selfEmployed.empty()) {
        out << "\nSelf-employed, on no line of the return\n";
        std::vector<std::vector<std::string>> apart;
        for (const ReportEmployee& e : r.selfEmployed) {
            apart.push_back(employeeCells(e));
        }
        textTable(out, apart);
    }
    if (!r.skipped.empty()) {
        out << "\nSkipped rows\n";
        for (const ReportSkipped& s : r.skipped) {
            out << s.text << '\n';
        }
    }
    if (!r.notes.empty()) {
        out << "\nNotes\n";
        for (const std::string& note : r.notes) {
            out << "- " << note << '\n';
        }
    }
    return out.str();
}

}  // namespace quillon
