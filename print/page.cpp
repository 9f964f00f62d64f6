// The page model's writer and its text form.
#include "print/page.hpp"

#include <algorithm>
#include <cstdio>

namespace quillon {
namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

std::string sizeText(double points) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", points);
    return buffer;
}

}  // namespace

std::string describe(const Page& page) {
    std::string out = page.orientation == Orientation::Landscape ? "landscape\n" : "portrait\n";
    int number = 0;
    for (const Line& line : page.lines) {
        char head[16];
        std::snprintf(head, sizeof head, "%3d", ++number);
        out += head;
        out += "  " + line.font.family + " " + sizeText(line.font.pointSize);
        for (const Item& item : line.items) {
            out += "  @" + std::to_string(item.column) + " " + quoted(item.text);
        }
        out += '\n';
    }
    return out;
}

PageWriter::PageWriter(Orientation orientation) {
    page_.orientation = orientation;
}

void PageWriter::setFontSize(double points) {
    font_.pointSize = points;
}

void PageWriter::print(const std::vector<Item>& items) {
    Line line{font_, {}};
    double position = 0;  // where the last item ended, in points from the margin
    const double column = columnWidth(font_);
    for (const Item& given : items) {
        Item item{std::max(given.column, 0), given.text};
        const double x = item.column * column;
        if (x + 1e-9 < position) {
            page_.lines.push_back(std::move(line));
            line = Line{font_, {}};
        }
        position = x + textWidth(font_, item.text);
        line.items.push_back(std::move(item));
    }
    page_.lines.push_back(std::move(line));
}

void PageWriter::blankLines(int count) {
    for (int i = 0; i < count; ++i) {
        page_.lines.push_back(Line{font_, {}});
    }
}

}  // namespace quillon
