// Everything a window shows modally goes through one Asker: message boxes, questions, the input
// box, the file dialog, the printer dialog and the program's own modal dialogs; and so does
// handing a file to the desktop's program for it. The program asks with Qt's boxes (DialogAsker);
// a test replaces it with answers given beforehand, so nothing waits for a person.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "session/boxes.hpp"
#include "session/questions.hpp"

class QPrinter;

namespace quillon::ui {

class Asker {
  public:
    virtual ~Asker() = default;
    virtual void tell(const Message& message) = 0;
    [[nodiscard]] virtual bool askYesNo(const Message& question) = 0;
    [[nodiscard]] virtual std::optional<std::string> askText(const TextQuestion& question) = 0;
    [[nodiscard]] virtual std::optional<std::filesystem::path> askFile(
        const FileQuestion& question) = 0;
    // Shows one of the program's dialogs modally and returns its result (QDialog::DialogCode).
    virtual int runModal(QDialog& dialog) = 0;
    // The system's printer dialog over `printer`: true when the operator chose to print (the
    // printer then set up as chosen), false when he cancelled.
    [[nodiscard]] virtual bool askPrinter(QPrinter& printer) = 0;
    // Opens the file with the desktop's program for its kind (a spreadsheet program for a
    // workbook): false when none opened it.
    [[nodiscard]] virtual bool openWithDesktop(const std::filesystem::path& file) = 0;

    void tell(const Messages& messages) {
        for (const Message& m : messages) {
            tell(m);
        }
    }
};

// Qt's message boxes, input box and file dialog over the window `parent`.
class DialogAsker : public Asker {
  public:
    explicit DialogAsker(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void tell(const Message& message) override;
    bool askYesNo(const Message& question) override;
    std::optional<std::string> askText(const TextQuestion& question) override;
    std::optional<std::filesystem::path> askFile(const FileQuestion& question) override;
    int runModal(QDialog& dialog) override;
    bool askPrinter(QPrinter& printer) override;
    bool openWithDesktop(const std::filesystem::path& file) override;
    using Asker::tell;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace quillon::ui
