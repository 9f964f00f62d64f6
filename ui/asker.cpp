#include "ui/asker.hpp"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "ui/controls.hpp"

namespace quillon::ui {

void DialogAsker::tell(const Message& message) {
    QMessageBox box(
        message.kind == MessageKind::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
        qs(message.title), messageText(message), QMessageBox::Ok, parent_);
    box.exec();
}

bool DialogAsker::askYesNo(const Message& question) {
    QMessageBox box(QMessageBox::Question, qs(question.title), messageText(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(question.noByDefault ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> DialogAsker::askText(const TextQuestion& question) {
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, qs(question.title), qs(question.prompt),
                                                 QLineEdit::Normal, QString(), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text(answer);
}

std::optional<std::filesystem::path> DialogAsker::askFile(const FileQuestion& question) {
    const QString chosen = QFileDialog::getOpenFileName(
        parent_, QStringLiteral("Open"), QString::fromStdString(question.folder.string()),
        qs(question.filter));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(chosen.toStdString());
}

int DialogAsker::runModal(QDialog& dialog) {
    return dialog.exec();
}

bool DialogAsker::askPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogAsker::openWithDesktop(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

}  // namespace quillon::ui
