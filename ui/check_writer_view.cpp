#include "ui/check_writer_view.hpp"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/printing.hpp"
#include "ui/controls.hpp"
#include "ui/print_offset_dialog_view.hpp"

namespace quillon::ui {
namespace {

// Pale check paper, the boxes as the lines printed on it.
constexpr const char* kCheckStyle =
    "QFrame#checkFace { background: #eef4ea; border: 1px solid #7f9a7f; border-radius: 3px; }"
    "QFrame#checkFace QLabel { color: #2c4a2c; font-weight: bold; }"
    "QFrame#checkFace QLineEdit { background: transparent; color: black;"
    "  border: none; border-bottom: 1px solid #5d735d; padding: 1px 3px; }"
    "QFrame#checkFace QLineEdit#txtCheckAmt { border: 1px solid #5d735d; background: white; }"
    "QFrame#checkFace QPlainTextEdit { background: transparent; color: black;"
    "  border: 1px dashed #9db29d; }"
    "QFrame#signatureLine { border: none; border-bottom: 1px solid #5d735d; }";

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CheckWriterView::CheckWriterView(Session& session, Asker& asker, SessionPrinter& printer,
                                 QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      session_(session),
      asker_(asker),
      printer_(printer),
      // New and Open unload the check screen with the employee it was written for.
      watch_(session, Part::CheckWriter, [this](Changes) {
          if (session_.checkWriter.loaded()) {
              redraw();
          } else if (!closing_) {
              close();
          }
      }) {
    setObjectName(QStringLiteral("frmChecks"));
    setWindowTitle(qs(model().caption));
    setAttribute(Qt::WA_DeleteOnClose);

    QAction* print = menuBar()->addAction(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("mnuPrintCheck"));
    connect(print, &QAction::triggered, this, &CheckWriterView::printCheck);
    QAction* preview = menuBar()->addAction(QStringLiteral("Pre&view"));
    preview->setObjectName(QStringLiteral("mnuPreviewCheck"));
    connect(preview, &QAction::triggered, this, &CheckWriterView::previewCheck);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* face = new QFrame(central);
    face->setObjectName(QStringLiteral("checkFace"));
    face->setStyleSheet(QString::fromLatin1(kCheckStyle));
    outer->addWidget(face);
    setCentralWidget(central);

    txtCheckCompany_ = new QPlainTextEdit(face);
    txtCheckCompany_->setObjectName(QStringLiteral("txtCheckCompany"));
    txtCheckCompany_->setAccessibleName(QStringLiteral("Payer"));
    txtCheckCompany_->setTabChangesFocus(true);
    txtCheckCompany_->setFixedHeight(txtCheckCompany_->fontMetrics().lineSpacing() * 4 + 12);
    connect(txtCheckCompany_, &QPlainTextEdit::textChanged, this, [this] {
        (void)checkWriterType(session_, &CheckWriter::txtCheckCompany,
                              text(txtCheckCompany_->toPlainText()));
    });

    txtCheckDate_ = box("txtCheckDate", &CheckWriter::txtCheckDate, {});
    txtCheckDate_->setToolTip(qs(model().txtCheckDateToolTip));
    txtCheckDate_->setAccessibleDescription(txtCheckDate_->toolTip());
    txtPayTo_ = box("txtPayTo", &CheckWriter::txtPayTo, {});
    txtCheckAmt_ =
        box("txtCheckAmt", &CheckWriter::txtCheckAmt, QStringLiteral("Amount in figures"));
    txtCheckAmt_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont figures = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    figures.setBold(true);
    txtCheckAmt_->setFont(figures);
    txtCheckAmt_->setFixedWidth(QFontMetrics(figures).horizontalAdvance(QStringLiteral("9")) * 12);
    txtDollars_ = box("txtDollars", &CheckWriter::txtDollars, QStringLiteral("Amount in words"));
    txtUserName_ = box("txtUserName", &CheckWriter::txtUserName, QStringLiteral("Employee name"));
    txtUserSSnum_ =
        box("txtUserSSnum", &CheckWriter::txtUserSSnum, QStringLiteral("Social security number"));
    txtUserAddress_ =
        box("txtUserAddress", &CheckWriter::txtUserAddress, QStringLiteral("Employee address"));
    txtUserState_ =
        box("txtUserState", &CheckWriter::txtUserState, QStringLiteral("City, state and zip code"));
    txtMemo_ = box("txtMemo", &CheckWriter::txtMemo, {});

    const int columnWidth = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    auto* grid = new QGridLayout(face);
    grid->setContentsMargins(18, 14, 18, 16);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    grid->addWidget(txtCheckCompany_, 0, 0, 2, 3);
    grid->addWidget(caption(QStringLiteral("DATE"), txtCheckDate_, face), 0, 4,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(txtCheckDate_, 0, 5);
    grid->addWidget(caption(QStringLiteral("PAY TO THE ORDER OF"), txtPayTo_, face), 2, 0);
    grid->addWidget(txtPayTo_, 2, 1, 1, 3);
    grid->addWidget(caption(QStringLiteral("$"), txtCheckAmt_, face), 2, 4,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(txtCheckAmt_, 2, 5);
    grid->addWidget(txtDollars_, 3, 0, 1, 5);
    grid->addWidget(caption(QStringLiteral("DOLLARS"), txtDollars_, face), 3, 5);
    grid->setRowMinimumHeight(4, columnWidth);
    grid->addWidget(txtUserName_, 5, 1, 1, 2);
    grid->addWidget(txtUserSSnum_, 5, 3);
    grid->addWidget(txtUserAddress_, 6, 1, 1, 2);
    grid->addWidget(txtUserState_, 7, 1, 1, 2);
    grid->setRowMinimumHeight(8, columnWidth);
    grid->addWidget(caption(QStringLiteral("MEMO"), txtMemo_, face), 9, 0);
    grid->addWidget(txtMemo_, 9, 1, 1, 3);
    auto* signature = new QFrame(face);
    signature->setObjectName(QStringLiteral("signatureLine"));
    signature->setFixedHeight(txtMemo_->sizeHint().height());
    grid->addWidget(signature, 9, 5);
    grid->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("PAY TO THE "
                                                                                  "ORDER OF")));
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnMinimumWidth(5, columnWidth * 9);
    txtUserSSnum_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000-00-0000")) +
                                   16);

    setTabOrder(txtCheckCompany_, txtCheckDate_);
    setTabOrder(txtCheckDate_, txtPayTo_);
    setTabOrder(txtPayTo_, txtCheckAmt_);
    setTabOrder(txtCheckAmt_, txtDollars_);
    setTabOrder(txtDollars_, txtUserName_);
    setTabOrder(txtUserName_, txtUserSSnum_);
    setTabOrder(txtUserSSnum_, txtUserAddress_);
    setTabOrder(txtUserAddress_, txtUserState_);
    setTabOrder(txtUserState_, txtMemo_);
    resize(columnWidth * 68, sizeHint().height());
    redraw();
}

QLineEdit* CheckWriterView::box(const char* name, TextBox CheckWriter::*field,
                                const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    if (!accessibleName.isEmpty()) {
        edit->setAccessibleName(accessibleName);
    }
    followText(edit, this, [this, field](const std::string& typed) {
        (void)checkWriterType(session_, field, typed);
    });
    boxes_.emplace_back(edit, field);
    return edit;
}

void CheckWriterView::redraw() {
    if (!session_.checkWriter.loaded()) {
        return;
    }
    for (const auto& [edit, field] : boxes_) {
        showText(edit, (model().*field).text);
    }
    const QString company = qs(model().txtCheckCompany.text);
    if (txtCheckCompany_->toPlainText() != company) {
        const QSignalBlocker quiet(txtCheckCompany_);
        txtCheckCompany_->setPlainText(company);
    }
}

void CheckWriterView::refresh() {
    refreshCheckWriter(session_);
}

bool CheckWriterView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && session_.checkWriter.loaded()) {
        refresh();
    }
    return QMainWindow::event(event);
}

void CheckWriterView::mousePressEvent(QMouseEvent* event) {
    refresh();
    QMainWindow::mousePressEvent(event);
}

void CheckWriterView::closeEvent(QCloseEvent* event) {
    closing_ = true;
    unloadCheckWriter(session_);
    event->accept();
}

void CheckWriterView::printCheck() {
    openOffsetDialog(false);
}

void CheckWriterView::previewCheck() {
    openOffsetDialog(true);
}

void CheckWriterView::openOffsetDialog(bool withPreview) {
    Outcome loaded = loadPrintOffsetDialog(session_);
    asker_.tell(loaded.messages);
    if (!session_.printOffset.loaded()) {
        return;
    }
    PrintOffsetDialogView dialog(session_, asker_, printer_, withPreview, this);
    asker_.runModal(dialog);
}

}  // namespace quillon::ui
