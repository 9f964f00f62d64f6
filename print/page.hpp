// The page model every printout shares: a page is lines of items placed at character columns,
// each line in one Arial size, written the way the old printer's Print and Tab worked. Layouts
// build pages as data; one renderer paints them (print/renderer.hpp); tests compare their text.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "print/font_metrics.hpp"

namespace quillon {

enum class Orientation { Portrait, Landscape };

// An item's column counts character columns (print/font_metrics.hpp) of its line's font from
// the left margin: column 0 is the margin.
struct Item {
    int column = 0;
    std::string text;
    friend bool operator==(const Item&, const Item&) = default;
};

struct Line {
    Font font;                // the items' font; its height is the line's height
    std::vector<Item> items;  // none: a blank line
    friend bool operator==(const Line&, const Line&) = default;
};

struct Page {
    Orientation orientation = Orientation::Portrait;
    std::vector<Line> lines;
    friend bool operator==(const Page&, const Page&) = default;
};

// The page as text, one row per page line: its number, its font, then each item as
// @column "text". For golden files and for reading a page in a test failure.
//    5  Arial 11  @0 "Springfield, IL 62701"  @85 "36-1234567"
[[nodiscard]] std::string describe(const Page& page);

// Writes a page the way the printer was driven: set the font, then print statements of items at
// columns. An item goes to its column on the current line; when that column is left of where the
// line's last item ended, the item goes to its column on a new line instead, and the statement
// carries on from there. Each statement ends its line. A column left of the margin is the margin.
class PageWriter {
  public:
    explicit PageWriter(Orientation orientation);

    void setFontSize(double points);
    void print(const std::vector<Item>& items);
    void blankLines(int count);

    [[nodiscard]] const Page& page() const { return page_; }

  private:
    Page page_;
    Font font_;
};

// What the operator is told when a page cannot be made, written or printed.
struct PrintError {
    std::string message;
    friend bool operator==(const PrintError&, const PrintError&) = default;
};

// A layout that can refuse (an amount too large for a check, an entry that is not a number).
using PageOutcome = std::variant<Page, PrintError>;

// Writing or printing: done, or the error.
struct [[nodiscard]] PrintStatus {
    std::optional<PrintError> error;
    [[nodiscard]] bool ok() const { return !error.has_value(); }
    [[nodiscard]] static PrintStatus done() { return {}; }
    [[nodiscard]] static PrintStatus failed(std::string message) {
        return {PrintError{std::move(message)}};
    }
};

}  // namespace quillon
