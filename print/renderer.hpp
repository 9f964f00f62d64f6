// The one renderer of the page model: it paints pages with QPainter on a printer, a print
// preview's printer or a PDF file, in the fonts the page names, measuring character columns and
// lines with the metrics of the font actually used.
#pragma once

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <filesystem>
#include <string>
#include <vector>

#include "print/page.hpp"
#include "records/save.hpp"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace quillon {

// The renderer paints in twips (1/1440 inch, 1/20 point): the painter is scaled to them, so
// every Arial size of the printouts is a whole number of font pixels and is measured exactly,
// whatever the printer's resolution.
inline constexpr double kTwipsPerPoint = 20;

// The font a line is painted in: "Arial" at the line's size in twips, unhinted and unkerned, so
// that text advances as the page model measures it.
[[nodiscard]] QFont printFont(const Font& font);

// What "Arial" resolves to on this machine. problem is set when its character widths are not
// Arial's (fonts-liberation missing, another substitute chosen): the columns would not line up,
// so nothing is printed then.
struct PrintFontCheck {
    std::string family;
    std::optional<PrintError> problem;
};
[[nodiscard]] PrintFontCheck checkPrintFont();

// The page's orientation as Qt names it: set it on a printer before showing a print preview of
// the page (printPages sets it itself).
[[nodiscard]] QPageLayout::Orientation pageOrientation(const Page& page);

// Paints the pages with a painter already open on the device, each page on a sheet of its own,
// lines from the top of the printable area down. When a line with items would run past the
// bottom, it and the rest go on a new sheet, as the printer did. Fails if the device refuses a
// new sheet.
[[nodiscard]] PrintStatus paintPages(QPainter& painter, QPagedPaintDevice& device,
                                     const std::vector<Page>& pages);

// On a printer chosen by the operator (the print dialog's, or the one a print preview hands
// over): sets the orientation, paints the pages and ends the job.
[[nodiscard]] PrintStatus printPages(QPrinter& printer, const std::vector<Page>& pages);

// The sheet of a PDF file: Letter paper with a quarter-inch margin, like a printer's printable
// area.
struct PdfSheet {
    QPageSize pageSize{QPageSize::Letter};
    QMarginsF marginsInPoints{18, 18, 18, 18};
};

// Writes the pages to a PDF file, which is replaced atomically (an old file stays as it was
// unless the new one was written whole; a read-only one is not replaced). Needs a running
// QGuiApplication; the offscreen platform serves a program without windows. `held`: the
// program's own lock on a folder (records/save.hpp), used when it is the file's folder.
[[nodiscard]] PrintStatus writePdf(const std::vector<Page>& pages,
                                   const std::filesystem::path& file, const PdfSheet& sheet = {},
                                   const FolderLock* held = nullptr);

}  // namespace quillon
