// The main window's period as one view: boxes, earnings lines and the ordered result figures.
#include "session/shown_period.hpp"

#include <utility>

#include "engine/money.hpp"
#include "records/fields.hpp"
#include "session/session.hpp"

namespace quillon {
namespace {

bool blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

// The labels of the result area after rows 0 to 10, in key order from ResultKey::Sdi.
constexpr std::array<Label MainWindow::*, kResultFigureCount - 11> kLabels = {
    &MainWindow::lbSDI,   &MainWindow::lbSUI,   &MainWindow::lbCafe,
    &MainWindow::Label13, &MainWindow::lbTaxes, &MainWindow::lbDeduct,
    &MainWindow::lbNet,   &MainWindow::lbOverT, &MainWindow::lbTips};
constexpr std::array<const char*, kResultFigureCount - 11> kLabelNames = {
    "lbSDI", "lbSUI", "lbCafe", "Label13", "lbTaxes", "lbDeduct", "lbNet", "lbOverT", "lbTips"};

constexpr std::size_t kRows = 11;

// The figure as caption shows it: the calculation's number while caption is that number as the
// window formats it; otherwise the number caption reads as, if it is one.
void show(ShownFigure& figure, std::string caption) {
    const bool calculated =
        figure.number && !blank(caption) && format(*figure.number, figure.format) == caption;
    if (!calculated) {
        figure.number.reset();
        if (!blank(caption)) {
            if (const std::optional<double> read = strictNumber(caption)) {
                figure.number = *read;
            }
        }
    }
    figure.caption = std::move(caption);
}

}  // namespace

ShownPeriod shownPeriod(const PayResult& r, const std::array<std::string, 8>& txtAmount, bool opt1x,
                        std::string txtWeek) {
    ShownPeriod p;
    p.txtWeek = std::move(txtWeek);
    p.txtAmount = txtAmount;
    p.opt1x = opt1x;
    p.earnings = r.earnings;
    p.TotalOt = r.TotalOt;
    p.TotalTips = r.TotalTips;
    p.GrossPay = r.GrossPay;
    p.NetPay = r.NetPay;
    const std::array<ResultFigure, kResultFigureCount> figures = resultFigures(r);
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const ResultFigure& f = figures[i];
        ShownFigure& shown = p.figures[i];
        shown = ShownFigure{f.id, f.key, {}, Figure{f.number}, f.format};
        show(shown, std::string(f.caption));
    }
    return p;
}

ShownPeriod shownPeriod(const Session& session) {
    const MainWindow& m = session.main;
    std::array<std::string, 8> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = m.txtAmount[i].text;
    }
    ShownPeriod p = shownPeriod(session.results, boxes, m.opt1x.value, m.txtWeek.text);
    for (ShownFigure& figure : p.figures) {
        show(figure, resultLabel(m, figure.id).caption);
    }
    return p;
}

std::optional<std::string> unprintableReason(const ShownPeriod& period) {
    const std::string& overtime = period.txtAmount[2];
    if (overtime.empty() || strictNumber(overtime)) {
        return std::nullopt;
    }
    return "The O.T. box holds " + quotedExcerpt(overtime) +
           ", which is not a number. Correct it and print again.";
}

const Label& resultLabel(const MainWindow& main, ResultKey key) {
    const auto i = static_cast<std::size_t>(key);
    return i < kRows ? main.lbTaxDed[i] : main.*kLabels[i - kRows];
}

std::string resultLabelName(ResultKey key) {
    const auto i = static_cast<std::size_t>(key);
    return i < kRows ? "lbTaxDed_" + std::to_string(i) : std::string(kLabelNames[i - kRows]);
}

}  // namespace quillon
