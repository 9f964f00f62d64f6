// What the window tests put in place of the operator: every message is written down, questions
// are answered from lists given beforehand, and a modal dialog is shown without waiting and
// handed to the next step of the test's script.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <QTest>
#include <deque>
#include <functional>
#include <vector>

#include "ui/asker.hpp"

namespace quillon::ui::testing {

class ScriptedAsker : public Asker {
  public:
    void tell(const Message& message) override { told.push_back(message); }
    bool askYesNo(const Message& question) override {
        asked.push_back(question.text);
        if (yes.empty()) {
            QTest::qFail("a Yes/No question that the test did not expect", __FILE__, __LINE__);
            return false;
        }
        const bool answer = yes.front();
        yes.pop_front();
        return answer;
    }
    std::optional<std::string> askText(const TextQuestion& question) override {
        asked.push_back(question.prompt);
        if (texts.empty()) {
            return std::nullopt;
        }
        auto answer = texts.front();
        texts.pop_front();
        return answer;
    }
    std::optional<std::filesystem::path> askFile(const FileQuestion& question) override {
        asked.push_back(question.filter);
        if (files.empty()) {
            return std::nullopt;
        }
        auto answer = files.front();
        files.pop_front();
        return answer;
    }
    // The dialog is shown as it would be, then the next step of `inDialog` works it; a dialog
    // the step left open is closed as by its close box.
    int runModal(QDialog& dialog) override {
        dialog.show();
        dialogs.push_back(dialog.windowTitle());
        if (!inDialog.empty()) {
            auto step = std::move(inDialog.front());
            inDialog.pop_front();
            step(dialog);
        }
        if (dialog.isVisible()) {
            dialog.reject();
        }
        return dialog.result();
    }
    // The printer dialog: the next answer of `printers`, a PDF file to print into, or nothing for
    // Cancel.
    bool askPrinter(QPrinter& printer) override {
        asked.push_back("printer dialog");
        if (printers.empty()) {
            QTest::qFail("a printer dialog that the test did not expect", __FILE__, __LINE__);
            return false;
        }
        const auto answer = printers.front();
        printers.pop_front();
        if (!answer) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(answer->string()));
        return true;
    }
    // Nothing is started; the file is written down, and the desktop opens it if `desktopOpens`.
    bool openWithDesktop(const std::filesystem::path& file) override {
        opened.push_back(file);
        return desktopOpens;
    }
    using Asker::tell;

    std::vector<Message> told;
    std::vector<std::string> asked;
    QStringList dialogs;  // the captions of the dialogs shown
    std::deque<bool> yes;
    std::deque<std::optional<std::string>> texts;
    std::deque<std::optional<std::filesystem::path>> files;
    std::deque<std::optional<std::filesystem::path>> printers;
    std::deque<std::function<void(QDialog&)>> inDialog;
    std::vector<std::filesystem::path> opened;
    bool desktopOpens = true;
};

}  // namespace quillon::ui::testing
