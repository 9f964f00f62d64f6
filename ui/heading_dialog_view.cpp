#include "ui/heading_dialog_view.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/printing.hpp"
#include "ui/controls.hpp"

namespace quillon::ui {

HeadingDialogView::HeadingDialogView(Session& session, Asker& asker, QWidget* parent)
    : QDialog(parent), session_(session), asker_(asker) {
    HeadingDialog& model = *session_.headingDialog.model;
    setObjectName(QStringLiteral("DialogHeader"));
    setWindowTitle(qs(model.caption));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < txtHeader_.size(); ++i) {
        auto* box = new QLineEdit(qs(model.txtHeader[i].text), this);
        box->setObjectName(arrayName("txtHeader", i));
        // The defaults name the boxes; a box emptied by the operator shows its name faintly.
        box->setAccessibleName(qs(kHeadingDefaults[i]));
        box->setPlaceholderText(qs(kHeadingDefaults[i]));
        followText(box, this, [this, i](const std::string& typed) {
            (void)headingDialogType(session_, i, typed);
        });
        txtHeader_[i] = box;
    }
    const int column = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    grid->addWidget(txtHeader_[0], 0, 0, 1, 2);
    grid->addWidget(txtHeader_[1], 1, 0, 1, 2);
    grid->addWidget(txtHeader_[2], 2, 0);
    grid->addWidget(txtHeader_[3], 2, 1);
    txtHeader_[3]->setFixedWidth(column * 9);
    grid->setColumnMinimumWidth(0, column * 22);

    auto* okButton = new QPushButton(qs(model.OKButton), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(qs(model.CancelButton), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(okButton, &QPushButton::clicked, this, &HeadingDialogView::ok);
    connect(cancelButton, &QPushButton::clicked, this, &HeadingDialogView::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void HeadingDialogView::ok() {
    Outcome saved = headingDialogOK(session_);
    asker_.tell(saved.messages);
    if (saved.ok) {
        QDialog::accept();
    }
}

void HeadingDialogView::reject() {
    headingDialogCancel(session_);
    QDialog::reject();
}

}  // namespace quillon::ui
