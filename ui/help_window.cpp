#include "ui/help_window.hpp"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace quillon::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Quillon 2016 Help"));
    setModal(false);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setAccessibleName(QStringLiteral("Operator's guide"));
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl(QStringLiteral("qrc:/help/guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(em * 60, em * 50);
}

}  // namespace quillon::ui
