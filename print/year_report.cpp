// The quarter and year report's lines and columns.
#include "print/year_report.hpp"

#include <cmath>
#include <string>

namespace quillon {
namespace {

constexpr double kTableFont = 8;  // the employee table: thirteen columns across the sheet
constexpr double kBodyFont = 10;
constexpr int kNameColumn = 0;
constexpr int kFirstAmountEnd = 46;  // where the first amount column ends (its right edge)
constexpr int kAmountStep = 14;      // from one amount column's right edge to the next
constexpr int kRuleLength = 236;     // hyphens across the table at kTableFont

// The item that ends at column `end` of the font: the text moved left by its width, with the
// leading spaces that make up the part of a column left over, so that a column of amounts lines
// up on its last digit. Of the start columns up to two further left, the one whose spaces come
// nearest the edge is taken (a space is about five eighths of a column).
Item rightAligned(const Font& font, int end, const std::string& text) {
    const double column = columnWidth(font);
    const double width = textWidth(font, text);
    const double space = textWidth(font, " ");
    const int nearest = end - static_cast<int>(std::ceil(width / column));
    Item best{nearest, text};
    double bestMiss = column;
    for (int start = nearest; start >= nearest - 2 && start >= 0; --start) {
        const double left = (end - start) * column - width;
        const long spaces = std::lround(left / space);
        const double miss = std::abs(left - static_cast<double>(spaces) * space);
        if (miss < bestMiss - 1e-9) {
            bestMiss = miss;
            best = Item{start, std::string(static_cast<std::size_t>(spaces), ' ') + text};
        }
    }
    return best;
}

// Words cut into lines no wider than `width` points of the font.
std::vector<std::string> wrapped(const Font& font, const std::string& text, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(at, end - at);
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && textWidth(font, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        at = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void employeeLine(PageWriter& out, const Font& font, const ReportEmployee& e) {
    std::vector<Item> items{{kNameColumn, e.name}};
    for (std::size_t c = 0; c < e.amounts.size(); ++c) {
        items.push_back(rightAligned(font, kFirstAmountEnd + kAmountStep * static_cast<int>(c),
                                     groupedAmount(e.amounts[c])));
    }
    out.print(items);
}

void employeeTable(PageWriter& out, const std::vector<ReportEmployee>& list,
                   const ReportEmployee* totals) {
    const Font font{"Arial", kTableFont};
    out.setFontSize(kTableFont);
    std::vector<Item> header{{kNameColumn, "Employee"}};
    for (std::size_t c = 0; c < kReportColumns.size(); ++c) {
        header.push_back(rightAligned(font, kFirstAmountEnd + kAmountStep * static_cast<int>(c),
                                      std::string(kReportColumns[c].heading)));
    }
    out.print(header);
    out.print({{0, std::string(kRuleLength, '-')}});
    for (const ReportEmployee& e : list) {
        employeeLine(out, font, e);
    }
    if (totals != nullptr) {
        out.print({{0, std::string(kRuleLength, '-')}});
        employeeLine(out, font, *totals);
    }
}

void form941(PageWriter& out, const YearReport& r) {
    const Font font{"Arial", kBodyFont};
    constexpr int kWords = 5;
    constexpr int kColumn1End = 112;
    constexpr int kColumn2End = 138;
    out.setFontSize(kBodyFont);
    out.print({{0, "Form 941 for 2016 (Rev. January 2016), Part 1: " + r.title}});
    out.print({{0, "Line"},
               {kWords, "Description"},
               rightAligned(font, kColumn1End, "Column 1"),
               rightAligned(font, kColumn2End, "Column 2")});
    for (const ReturnLine& line : r.form941) {
        std::vector<Item> items{{0, std::string(line.line)}, {kWords, std::string(line.words)}};
        if (line.wages) {
            items.push_back(rightAligned(font, kColumn1End, groupedAmount(*line.wages)));
        }
        if (line.count) {
            items.push_back(rightAligned(font, kColumn2End, std::to_string(*line.count)));
        } else if (line.tax) {
            items.push_back(rightAligned(font, kColumn2End, groupedAmount(*line.tax)));
        }
        out.print(items);
    }
}

void wageStatements(PageWriter& out, const YearReport& r) {
    const Font font{"Arial", kBodyFont};
    // Two boxes a line, as the form sets them side by side.
    constexpr int kLeftBox = 4;
    constexpr int kLeftEnd = 62;
    constexpr int kRightBox = 70;
    constexpr int kRightEnd = 128;
    out.setFontSize(kBodyFont);
    for (const ReportW2& w : r.w2) {
        out.blankLines(1);
        out.print({{0, "Form W-2 for 2016: " + w.name + " (" + w.userFile + ")"}});
        for (std::size_t b = 0; b + 1 < kW2Boxes.size(); b += 2) {
            const W2Box& left = kW2Boxes[b];
            const W2Box& right = kW2Boxes[b + 1];
            out.print({{kLeftBox, std::string(left.box) + "  " + std::string(left.heading)},
                       rightAligned(font, kLeftEnd, groupedAmount(w.boxes[b])),
                       {kRightBox, std::string(right.box) + "  " + std::string(right.heading)},
                       rightAligned(font, kRightEnd, groupedAmount(w.boxes[b + 1]))});
        }
        for (const std::string& note : w.notes) {
            for (const std::string& line : wrapped(font, "Check: " + note, 600)) {
                out.print({{kLeftBox, line}});
            }
        }
    }
}

void listed(PageWriter& out, const std::string& title, const std::vector<std::string>& texts) {
    if (texts.empty()) {
        return;
    }
    const Font font{"Arial", kBodyFont};
    out.setFontSize(kBodyFont);
    out.blankLines(1);
    out.print({{0, title}});
    for (const std::string& text : texts) {
        bool first = true;
        for (const std::string& line : wrapped(font, text, 680)) {
            out.print({{first ? 0 : 2, (first ? "- " : "") + line}});
            first = false;
        }
    }
}

}  // namespace

Page yearReportPage(const YearReport& r, const std::string& today) {
    PageWriter out(Orientation::Landscape);
    const Font body{"Arial", kBodyFont};
    out.setFontSize(kBodyFont);
    out.print({{0, r.heading.HeadCompany}, rightAligned(body, 168, "Printed " + today)});
    out.print({{0, r.heading.HeadAddress}});
    out.print({{0, r.heading.HeadZip},
               {120, r.heading.HeadId.empty() ? "" : "Employer ID: " + r.heading.HeadId}});
    out.setFontSize(12);
    out.print(
        {{0, (r.period.isYear() ? "Year-end wages and taxes: " : "Quarterly wages and taxes: ") +
                 r.title}});
    out.blankLines(1);
    employeeTable(out, r.employees, &r.totals);
    out.blankLines(1);
    if (r.period.isYear()) {
        wageStatements(out, r);
    } else {
        form941(out, r);
    }
    if (!r.selfEmployed.empty()) {
        out.setFontSize(kBodyFont);
        out.blankLines(1);
        out.print({{0, "Self-employed: on no line of the return and no wage statement"}});
        employeeTable(out, r.selfEmployed, nullptr);
    }
    std::vector<std::string> skipped;
    for (const ReportSkipped& s : r.skipped) {
        skipped.push_back(s.text);
    }
    listed(out, "Rows in no figure", skipped);
    listed(out, "To check by hand", r.notes);
    return out.page();
}

}  // namespace quillon
