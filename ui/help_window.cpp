#include "ui/help_window.hpp"

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "records/fields.hpp"
#include "session/installation.hpp"

namespace quillon::ui {

HelpWindow::HelpWindow(const std::filesystem::path& dataFolder, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Quillon 2016 Help"));
    setModal(false);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpText"));
    browser->setAccessibleName(QStringLiteral("Operator's guide"));
    browser->setOpenExternalLinks(false);
    const std::filesystem::path guide = dataFolder / kHelpGuideFileName;
    if (!dataFolder.empty() && fileExists(guide)) {
        browser->setSource(QUrl::fromLocalFile(QString::fromStdString(guide.string())));
    } else {
        browser->setPlainText(QString::fromStdString(helpGuideMissingText(guide)));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    resize(em * 60, em * 50);
}

}  // namespace quillon::ui
