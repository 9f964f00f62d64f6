// The register workbook, written with libxlsxwriter.
#include "print/register_sheet.hpp"

#include <xlsxwriter.h>

#include <cmath>
#include <cstdio>
#include <optional>

#include "engine/money.hpp"
#include "print/font_metrics.hpp"
#include "records/fields.hpp"

namespace quillon {
namespace {

constexpr lxw_color_t kRed = 0xFF0000;
constexpr lxw_color_t kBlue = 0x0000FF;
constexpr const char* kNumberFormat = "0.00";
constexpr std::uint8_t kLetterPaper = 1;

// A text the shown formats make: optional minus, digits, optional point and digits.
std::optional<double> cellNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return strictNumber(text);
}

// Widths as the spreadsheet's default font (Calibri 11) draws them, in pixels at 96 dpi; the
// column width unit is the width of a digit, 7 pixels.
int characterPixels(char c) {
    if (c >= '0' && c <= '9') {
        return 7;
    }
    switch (c) {
        case ' ':
        case '.':
        case ',':
        case ':':
        case ';':
        case '!':
        case '|':
        case 'i':
        case 'j':
        case 'l':
        case 'I':
        case '\'':
            return 3;
        case '-':
        case '(':
        case ')':
        case 'f':
        case 't':
        case 'r':
        case 'J':
            return 4;
        case '/':
        case '*':
        case 's':
        case 'z':
            return 5;
        case 'm':
        case 'M':
        case '&':
        case '%':
            return 11;
        case 'w':
            return 9;
        case 'W':
            return 13;
        default:
            break;
    }
    if (c >= 'a' && c <= 'z') {
        return 6;
    }
    if (c >= 'A' && c <= 'Z') {
        return 8;
    }
    return 7;
}

// Cell text as the workbook's XML can hold it: well-formed UTF-8 (8-bit text read as Latin-1)
// without control characters.
std::string cellText(std::string_view text) {
    std::string out = wellFormedUtf8(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return out;
}

double textPixels(std::string_view text, bool bold) {
    double pixels = 0;
    for (char c : text) {
        pixels += characterPixels(c);
    }
    return bold ? pixels * 1.07 : pixels;
}

struct Formats {
    lxw_format* number;
    lxw_format* heading;      // bold red
    lxw_format* total;        // bold blue
    lxw_format* totalNumber;  // bold blue, two decimals
    lxw_format* value;        // blue
    lxw_format* valueNumber;  // blue, two decimals
};

class SheetWriter {
  public:
    SheetWriter(lxw_worksheet* sheet, lxw_workbook* book) : sheet_(sheet) {
        auto make = [&](bool bold, std::optional<lxw_color_t> color, bool number) {
            lxw_format* f = workbook_add_format(book);
            if (bold) {
                format_set_bold(f);
            }
            if (color) {
                format_set_font_color(f, *color);
            }
            if (number) {
                format_set_num_format(f, kNumberFormat);
            }
            return f;
        };
        formats_ = {make(false, std::nullopt, true), make(true, kRed, false),
                    make(true, kBlue, false),        make(true, kBlue, true),
                    make(false, kBlue, false),       make(false, kBlue, true)};
    }

    const Formats& formats() const { return formats_; }

    // row and column from 0. A number goes in with numberFormat, other text with textFormat;
    // an empty text with a format leaves a blank cell that carries it.
    void cell(int row, std::size_t column, const std::string& text, lxw_format* textFormat,
              lxw_format* numberFormat, bool bold = false) {
        const auto r = static_cast<lxw_row_t>(row);
        const auto c = static_cast<lxw_col_t>(column);
        lxw_error error = LXW_NO_ERROR;
        std::string shown = text;
        if (const std::optional<double> number = cellNumber(text)) {
            error = worksheet_write_number(sheet_, r, c, *number, numberFormat);
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.2f", *number);
            shown = buffer;
        } else if (!text.empty()) {
            error = worksheet_write_string(sheet_, r, c, cellText(text).c_str(), textFormat);
        } else if (textFormat != nullptr) {
            error = worksheet_write_blank(sheet_, r, c, textFormat);
        }
        if (error != LXW_NO_ERROR && !error_) {
            error_ = error;
        }
        widest_[column] = std::max(widest_[column], textPixels(shown, bold));
    }

    // Each column as wide as its widest text and a digit more, as the spreadsheet's own fitting
    // makes it, with some room to spare for a reader that draws the sheet in a wider font.
    void fitColumns() {
        for (std::size_t c = 0; c < kSheetColumns; ++c) {
            if (widest_[c] > 0) {
                const double width = std::ceil((widest_[c] * 1.15 + 7) / 7 * 100) / 100;
                worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                     width, nullptr);
            }
        }
    }

    [[nodiscard]] std::optional<lxw_error> error() const { return error_; }

  private:
    lxw_worksheet* sheet_;
    Formats formats_{};
    std::array<double, kSheetColumns> widest_{};
    std::optional<lxw_error> error_;
};

void fillSheet(SheetWriter& out, const RegisterSheet& sheet) {
    const Formats& f = out.formats();
    for (std::size_t c = 0; c < kSheetColumns; ++c) {
        out.cell(0, c, sheet.headings[c], f.heading, f.heading, true);
    }
    int row = 1;
    for (const SheetRow& slot : sheet.rows) {
        for (std::size_t c = 0; c < kSheetColumns; ++c) {
            out.cell(row, c, slot[c], nullptr, f.number);
        }
        ++row;
    }
    const SheetLayout layout = registerSheetLayout(sheet.rows.size());
    const int totals = layout.totalsRow - 1;
    out.cell(totals, 0, "TOTALS=", f.total, f.totalNumber, true);
    for (std::size_t c = 1; c < kSheetColumns; ++c) {
        out.cell(totals, c, sheet.totals[c - 1], f.total, f.totalNumber, true);
    }
    const std::array<std::string, 6> captions = {"", "", "SDI", "SUI", "Cafe", "Tips"};
    const std::array<std::string, 6> values = {
        "", "", sheet.TotSdi, sheet.TotSui, sheet.TotCafe, sheet.TotTips};
    for (std::size_t c = 0; c < captions.size(); ++c) {
        out.cell(layout.sdiCaptionRow - 1, c, captions[c], f.heading, f.heading, true);
        out.cell(layout.sdiValueRow - 1, c, values[c], f.value, f.valueNumber);
    }
}

void setUpPage(lxw_worksheet* ws) {
    worksheet_freeze_panes(ws, 1, 0);
    worksheet_set_landscape(ws);
    worksheet_set_paper(ws, kLetterPaper);
    worksheet_fit_to_pages(ws, 1, 1);
    worksheet_set_margins(ws, 0, 0, 0, 0);
    lxw_header_footer_options edge{};
    edge.margin = 0;
    worksheet_set_header_opt(ws, "", &edge);
    worksheet_set_footer_opt(ws, "", &edge);
    worksheet_center_horizontally(ws);
}

std::string failure(const std::filesystem::path& file, std::string_view reason) {
    while (reason.ends_with('.')) {
        reason.remove_suffix(1);
    }
    return "The spreadsheet " + file.filename().string() +
           " could not be written: " + std::string(reason) + ".";
}

}  // namespace

SheetRow registerSheetHeadings(const std::array<std::string, 5>& names) {
    return {"Date",   "Federal", "Soc Sec", "Medicare", "State", "City", names[0], names[1],
            names[2], names[3],  names[4],  "Kplan",    "Tips",  "OT",   "Net",    "Gross"};
}

std::string exportStatusText(std::string_view UserFile, std::string_view EmpSSN,
                             std::string_view notice) {
    return "File: " + std::string(UserFile) + "   " + std::string(EmpSSN) + "  -  " +
           std::string(notice);
}

static_assert(kSheetColumns == kGridColumns);

RegisterSheet registerSheet(const RegisterWindow& window, std::string status) {
    constexpr auto muni = static_cast<std::size_t>(GridColumn::Muni);
    RegisterSheet sheet;
    sheet.headings = registerSheetHeadings({window.headings[muni], window.headings[muni + 1],
                                            window.headings[muni + 2], window.headings[muni + 3],
                                            window.headings[muni + 4]});
    // The grid's columns are the sheet's, A to P.
    sheet.rows.assign(window.grid.begin(), window.grid.end());
    sheet.totals = window.totalsInGridOrder();
    sheet.TotSdi = window.total(TotalBox::Sdi);
    sheet.TotSui = window.total(TotalBox::Sui);
    sheet.TotCafe = window.total(TotalBox::Cafe);
    sheet.TotTips = window.total(TotalBox::Tips);
    sheet.status = std::move(status);
    return sheet;
}

SheetLayout registerSheetLayout(std::size_t usedRows) {
    const int totals = static_cast<int>(usedRows) + 2;
    return {totals, totals + 2, totals + 3};
}

std::filesystem::path registerWorkbookPath(const std::filesystem::path& folder,
                                           std::string_view UserFile) {
    return folder / (std::string(UserFile) + " YTD.xlsx");
}

PrintStatus writeRegisterWorkbook(const RegisterSheet& sheet, const std::filesystem::path& file,
                                  const FolderLock* held) {
    std::string problem;
    const Status written = writeFileThrough(
        file,
        [&](const std::filesystem::path& staged) -> Status {
            // The library's own temporary files go into the staging folder too, so that a
            // write killed while it holds them leaves nothing in the system's temporary folder.
            std::string temporaryFolder = staged.parent_path().string();
            lxw_workbook_options options{};
            options.tmpdir = temporaryFolder.data();
            lxw_workbook* book = workbook_new_opt(staged.c_str(), &options);
            lxw_worksheet* ws = book != nullptr ? workbook_add_worksheet(book, nullptr) : nullptr;
            if (ws == nullptr) {
                if (book != nullptr) {
                    workbook_close(book);
                }
                problem = "out of memory";
                return FileError{file.filename().string(), 0, 0, problem};
            }
            SheetWriter out(ws, book);
            fillSheet(out, sheet);
            out.fitColumns();
            setUpPage(ws);
            std::string comments = cellText(sheet.status);
            lxw_doc_properties properties{};
            properties.comments = comments.data();
            workbook_set_properties(book, &properties);

            const lxw_error closed = workbook_close(book);
            if (const std::optional<lxw_error> cellError = out.error();
                closed != LXW_NO_ERROR || cellError) {
                problem = lxw_strerror(cellError.value_or(closed));
                return FileError{file.filename().string(), 0, 0, problem};
            }
            return Status::done();
        },
        held);
    if (written.failed()) {
        return PrintStatus::failed(
            failure(file, problem.empty() ? written.error().problem : problem));
    }
    return PrintStatus::done();
}

}  // namespace quillon
