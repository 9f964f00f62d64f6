#include "ui/print_offset_dialog_view.hpp"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "print/print_jobs.hpp"
#include "print/renderer.hpp"
#include "session/printing.hpp"
#include "ui/controls.hpp"

namespace quillon::ui {
namespace {

QPushButton* button(const std::string& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(qs(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

PrintOffsetDialogView::PrintOffsetDialogView(Session& session, Asker& asker,
                                             SessionPrinter& printer, bool withPreview,
                                             QWidget* parent)
    : QDialog(parent),
      session_(session),
      asker_(asker),
      printer_(printer),
      previewOnShow_(withPreview) {
    setObjectName(QStringLiteral("dlgPrintSet"));
    setWindowTitle(qs(model().caption));
    setModal(true);

    auto* frame = new QGroupBox(qs(model().lbHeading.caption), this);
    frame->setObjectName(QStringLiteral("lbHeading"));
    cboHorz_ = offsetList("cboHorz", &PrintOffsetDialog::cboHorz);
    cboVert_ = offsetList("cboVert", &PrintOffsetDialog::cboVert);
    auto* lbHorz = new QLabel(qs(model().lbHorz.caption), frame);
    lbHorz->setBuddy(cboHorz_);
    auto* lbVert = new QLabel(qs(model().lbVert.caption), frame);
    lbVert->setBuddy(cboVert_);
    // An editable list would be named by its text; it is named by its caption instead.
    cboHorz_->setAccessibleName(lbHorz->text().trimmed());
    cboVert_->setAccessibleName(lbVert->text().trimmed());
    auto* offsets = new QGridLayout(frame);
    offsets->addWidget(lbHorz, 0, 0);
    offsets->addWidget(cboHorz_, 0, 1);
    offsets->addWidget(lbVert, 1, 0);
    offsets->addWidget(cboVert_, 1, 1);
    offsets->setColumnStretch(2, 1);

    QLineEdit* lbWeek = makeFigure(QStringLiteral("lbWeek"), this);
    lbWeek->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbWeek->setText(qs(model().lbWeek.caption));
    lbWeek->setAccessibleName(QStringLiteral("Week ending"));

    auto* instruction = new QLabel(qs(model().lbInstruction.caption), this);
    instruction->setObjectName(QStringLiteral("lbInstruction"));
    instruction->setWordWrap(true);

    QPushButton* cmdApply = button(model().cmdApply, "cmdApply", this);
    QPushButton* ok = button(model().OKButton, "OKButton", this);
    ok->setDefault(true);
    QPushButton* cancel = button(model().CancelButton, "CancelButton", this);
    QPushButton* cmdPreview = button("Pre&view", "cmdPreview", this);
    connect(cmdApply, &QPushButton::clicked, this, &PrintOffsetDialogView::apply);
    connect(ok, &QPushButton::clicked, this, &PrintOffsetDialogView::printCheck);
    connect(cancel, &QPushButton::clicked, this, &PrintOffsetDialogView::reject);
    connect(cmdPreview, &QPushButton::clicked, this, &PrintOffsetDialogView::showPreview);

    auto* top = new QHBoxLayout;
    top->addWidget(frame);
    top->addWidget(lbWeek, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPreview);
    buttons->addStretch(1);
    buttons->addWidget(cmdApply);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(instruction);
    layout->addLayout(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 34);
}

QComboBox* PrintOffsetDialogView::offsetList(const char* name, TextBox PrintOffsetDialog::*field) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const char* choice : kOffsetChoices) {
        list->addItem(QString::fromLatin1(choice));
    }
    list->setCurrentText(qs((model().*field).text));
    list->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    selectAllOnFocus(list, list->lineEdit());
    connect(list, &QComboBox::editTextChanged, this, [this, field](const QString& typed) {
        (void)printOffsetType(session_, field, text(typed));
        offsetsChanged();
    });
    return list;
}

void PrintOffsetDialogView::offsetsChanged() {
    if (!preview_ || !session_.printOffset.loaded()) {
        return;
    }
    // While an offset is half typed ("-") the preview keeps the last page it showed.
    PrintJob job = paycheckPreview(session_);
    if (!job.outcome.ok) {
        return;
    }
    previewPages_ = std::move(job.pages);
    if (auto* widget = preview_->findChild<QPrintPreviewWidget*>()) {
        widget->updatePreview();
    }
}

void PrintOffsetDialogView::showPreview() {
    if (preview_) {
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    PrintJob job = paycheckPreview(session_);
    asker_.tell(job.outcome.messages);
    if (!job.outcome.ok) {
        return;
    }
    previewPages_ = std::move(job.pages);
    QPrinter& printer = printer_.printer();
    printer.setPageOrientation(pageOrientation(previewPages_.front()));
    preview_ = new QPrintPreviewDialog(&printer, this);
    preview_->setObjectName(QStringLiteral("checkPreview"));
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->setWindowTitle(QStringLiteral("Print Preview: Paycheck"));
    // The paycheck is printed with "Print Check", which stores the offsets it was lined up
    // with, on the printer the check stock is in: the preview neither prints nor sets up pages.
    for (QAction* action : preview_->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("Print") ||
            action->text() == QStringLiteral("Page setup")) {
            action->setVisible(false);
        }
    }
    connect(preview_, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { (void)printPages(*target, previewPages_); });
    preview_->setModal(false);
    preview_->resize(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 62,
                     fontMetrics().lineSpacing() * 48);
    preview_->show();
}

void PrintOffsetDialogView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (previewOnShow_) {
        previewOnShow_ = false;
        showPreview();
    }
}

void PrintOffsetDialogView::apply() {
    asker_.tell(printOffsetApply(session_).messages);
}

void PrintOffsetDialogView::printCheck() {
    QPrinter* printer = printer_.current();
    if (printer == nullptr) {
        asker_.tell(noPrinterMessage());
        return;
    }
    PrintJob job = printOffsetPrintCheck(session_);
    asker_.tell(job.outcome.messages);
    if (!job.outcome.ok) {
        return;
    }
    const PrintStatus printed = printPages(*printer, job.pages);
    if (!printed.ok()) {
        // Nothing printed, nothing stored: the dialog stays for another try.
        asker_.tell(Message{MessageKind::Exclamation, printed.error->message, kProgramTitle});
        return;
    }
    asker_.tell(printOffsetPrinted(session_).messages);
    accept();
}

void PrintOffsetDialogView::reject() {
    printOffsetCancel(session_);
    QDialog::reject();
}

}  // namespace quillon::ui
