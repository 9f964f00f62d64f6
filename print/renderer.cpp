// Painting the page model with QPainter.
#include "print/renderer.hpp"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "records/fields.hpp"

namespace quillon {
namespace {

QPageLayout::Orientation qtOrientation(Orientation o) {
    return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QString qtText(const std::string& text) {
    const std::u32string characters = decodeText(text);
    return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

// The character column of a font as a device measures it (print/font_metrics.hpp).
double columnWidth(const QFontMetricsF& metrics) {
    double weighted = 0;
    for (const auto& [character, weight] : kAverageWidthWeights) {
        weighted += weight * metrics.horizontalAdvance(QChar(character));
    }
    return weighted / 1000;
}

struct DeviceFont {
    QFont font;
    double column = 0, height = 0, ascent = 0;
};

class FontCache {
  public:
    const DeviceFont& operator[](const Font& font) {
        auto [it, added] = fonts_.try_emplace({font.family, font.pointSize});
        if (added) {
            DeviceFont& d = it->second;
            d.font = printFont(font);
            const QFontMetricsF metrics(d.font);
            d.column = columnWidth(metrics);
            d.height = metrics.height();
            d.ascent = metrics.ascent();
        }
        return it->second;
    }

  private:
    std::map<std::pair<std::string, double>, DeviceFont> fonts_;
};

bool haveGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

std::optional<PrintError> readyToPaint() {
    if (!haveGuiApplication()) {
        return PrintError{"Printing needs the program's window system, and none is running."};
    }
    return checkPrintFont().problem;
}

}  // namespace

QFont printFont(const Font& font) {
    QFont f(QString::fromStdString(font.family));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSize * kTwipsPerPoint))));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QPageLayout::Orientation pageOrientation(const Page& page) {
    return qtOrientation(page.orientation);
}

PrintFontCheck checkPrintFont() {
    // Measured at 2048 pixels to the em, where an advance in pixels is one in font units.
    QFont f = printFont(Font{});
    f.setPixelSize(kUnitsPerEm);
    PrintFontCheck check{QFontInfo(f).family().toStdString(), std::nullopt};
    const QFontMetricsF metrics(f);
    std::string differ;
    for (char32_t c = 0x20; c <= 0xFF; ++c) {
        if (c == 0x7F) {
            c = 0xA0;
        }
        const double advance = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
        if (std::fabs(advance - advanceUnits(c)) > 1) {
            differ = c < 0x80 ? std::string(1, static_cast<char>(c)) : "U+" + std::to_string(c);
            break;
        }
    }
    if (!differ.empty()) {
        check.problem = PrintError{
            "The printouts need Arial or Liberation Sans (fonts-liberation), but \"Arial\" is " +
            check.family + " here, whose character widths differ (\"" + differ +
            "\"), so the columns would not line up. Nothing was printed."};
    }
    return check;
}

PrintStatus paintPages(QPainter& painter, QPagedPaintDevice& device,
                       const std::vector<Page>& pages) {
    FontCache fonts;
    const double twipsPerPixel = kTwipsPerPoint * 72 / device.logicalDpiY();
    painter.save();
    painter.scale(1 / (kTwipsPerPoint * 72 / device.logicalDpiX()), 1 / twipsPerPixel);
    bool first = true;
    for (const Page& page : pages) {
        if (!first) {
            device.setPageOrientation(qtOrientation(page.orientation));
            if (!device.newPage()) {
                painter.restore();
                return PrintStatus::failed("The printer did not take the next sheet.");
            }
        }
        first = false;
        const double bottom = device.height() * twipsPerPixel;
        double top = 0;
        for (const Line& line : page.lines) {
            const DeviceFont& f = fonts[line.font];
            // Only a line with something on it starts a new sheet: blank lines at the end of a
            // page never make an empty one.
            if (!line.items.empty() && top > 0 && top + f.height > bottom) {
                if (!device.newPage()) {
                    painter.restore();
                    return PrintStatus::failed("The printer did not take the next sheet.");
                }
                top = 0;
            }
            painter.setFont(f.font);
            for (const Item& item : line.items) {
                painter.drawText(QPointF(item.column * f.column, top + f.ascent),
                                 qtText(item.text));
            }
            top += f.height;
        }
    }
    painter.restore();
    return PrintStatus::done();
}

PrintStatus printPages(QPrinter& printer, const std::vector<Page>& pages) {
    if (const auto problem = readyToPaint()) {
        return {problem};
    }
    if (!pages.empty()) {
        printer.setPageOrientation(qtOrientation(pages.front().orientation));
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return PrintStatus::failed("The printer could not be opened. Nothing was printed.");
    }
    PrintStatus status = paintPages(painter, printer, pages);
    if (!painter.end() && status.ok()) {
        status = PrintStatus::failed("The printer did not finish the job.");
    }
    return status;
}

PrintStatus writePdf(const std::vector<Page>& pages, const std::filesystem::path& file,
                     const PdfSheet& sheet, const FolderLock* held) {
    if (const auto problem = readyToPaint()) {
        return {problem};
    }
    const std::string name = file.filename().string();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Quillon 2016");
        pdf.setTitle(QString::fromStdString(file.stem().string()));
        pdf.setPageLayout(QPageLayout(
            sheet.pageSize,
            qtOrientation(pages.empty() ? Orientation::Portrait : pages.front().orientation),
            sheet.marginsInPoints, QPageLayout::Point));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return PrintStatus::failed("The PDF file " + name + " could not be started.");
        }
        PrintStatus painted = paintPages(painter, pdf, pages);
        painter.end();
        if (!painted.ok()) {
            return painted;
        }
    }
    const QByteArray& bytes = buffer.data();
    const Status written = writeFileAtomically(
        file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), name,
        held);
    if (written.failed()) {
        return PrintStatus::failed(
            "The PDF file could not be written: " + written.error().describe() + ".");
    }
    return PrintStatus::done();
}

}  // namespace quillon
