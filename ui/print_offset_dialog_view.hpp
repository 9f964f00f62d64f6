// The check screen's "Print": the "Printer Offset" dialog dlgPrintSet, modal, over the session's
// offset model. "&Apply" stores the offsets, "Print Check" stores them and prints the paycheck
// on the printer last chosen (no printer dialog), "&Cancel" closes. "Pre&view" shows the
// paycheck in Qt's print preview beside the dialog, and every change of an offset redraws it, so
// that the operator can line the printout up with his check stock before printing on it.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <vector>

#include "print/page.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/session_printer.hpp"

namespace quillon::ui {

class PrintOffsetDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's offset dialog must be loaded. withPreview: the preview opens with the
    // dialog.
    PrintOffsetDialogView(Session& session, Asker& asker, SessionPrinter& printer, bool withPreview,
                          QWidget* parent = nullptr);

    void apply();            // "&Apply"
    void printCheck();       // "Print Check"
    void reject() override;  // "&Cancel", Escape and the close box
    void showPreview();      // "Pre&view"

    // The print preview while it is open, for the tests.
    [[nodiscard]] QPrintPreviewDialog* preview() const { return preview_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    [[nodiscard]] const PrintOffsetDialog& model() const { return *session_.printOffset.model; }
    QComboBox* offsetList(const char* name, TextBox PrintOffsetDialog::*field);
    void offsetsChanged();

    Session& session_;
    Asker& asker_;
    SessionPrinter& printer_;
    bool previewOnShow_;
    QComboBox* cboHorz_ = nullptr;
    QComboBox* cboVert_ = nullptr;
    QPointer<QPrintPreviewDialog> preview_;
    // What the preview paints: the paycheck with the last offsets that were numbers.
    std::vector<Page> previewPages_;
};

}  // namespace quillon::ui
