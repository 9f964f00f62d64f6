// File > "C&hecks": the check screen frmChecks, "Check Printing", laid out like a bank check over
// the session's check screen model. Not modal. Its menu item "Print" opens the "Printer Offset"
// dialog, which prints the paycheck; "Pre&view" opens the same dialog with the print preview.
// A click on the check and the window becoming active fill it again from the profile and the
// net pay (the date, the memo and the payer block stay as typed).
#pragma once

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/session_printer.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class CheckWriterView : public QMainWindow {
    Q_OBJECT
  public:
    // The session's check screen must be loaded.
    CheckWriterView(Session& session, Asker& asker, SessionPrinter& printer,
                    QWidget* parent = nullptr);

    // Every box from the model.
    void redraw();
    // The menu's "Print" and "Pre&view".
    void printCheck();
    void previewCheck();

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    [[nodiscard]] const CheckWriter& model() const { return *session_.checkWriter.model; }
    QLineEdit* box(const char* name, TextBox CheckWriter::*field, const QString& accessibleName);
    void refresh();
    void openOffsetDialog(bool withPreview);

    Session& session_;
    Asker& asker_;
    SessionPrinter& printer_;
    SessionWatch watch_;
    bool closing_ = false;

    QPlainTextEdit* txtCheckCompany_ = nullptr;
    QLineEdit *txtCheckDate_ = nullptr, *txtPayTo_ = nullptr, *txtCheckAmt_ = nullptr;
    QLineEdit* txtDollars_ = nullptr;
    QLineEdit *txtUserName_ = nullptr, *txtUserAddress_ = nullptr, *txtUserState_ = nullptr;
    QLineEdit *txtUserSSnum_ = nullptr, *txtMemo_ = nullptr;
    std::vector<std::pair<QLineEdit*, TextBox CheckWriter::*>> boxes_;
};

}  // namespace quillon::ui
