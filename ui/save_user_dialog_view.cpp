#include "ui/save_user_dialog_view.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls.hpp"

namespace quillon::ui {

SaveUserDialogView::SaveUserDialogView(Session& session, SaveUserDialog& model, Asker& asker,
                                       QWidget* parent)
    : QDialog(parent), session_(session), model_(model), asker_(asker) {
    setObjectName(QStringLiteral("frmSaveUser"));
    setWindowTitle(qs(model_.caption));
    setModal(true);

    auto* line1 = new QLabel(qs(model_.lbLine1.caption), this);
    auto* line2 = new QLabel(qs(model_.lbLine2.caption), this);
    line1->setObjectName(QStringLiteral("lbLine1"));
    line2->setObjectName(QStringLiteral("lbLine2"));

    txtUser_ = new QLineEdit(qs(model_.txtUser.text), this);
    txtUser_->setObjectName(QStringLiteral("txtUser"));
    txtUser_->setToolTip(qs(model_.txtUserToolTip));
    txtUser_->setPlaceholderText(qs(kSaveUserNameText));
    txtUser_->setAccessibleName(QStringLiteral("Name of the employee"));
    txtUser_->setMinimumWidth(txtUser_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 20);
    selectAllOnFocus(txtUser_);
    connect(txtUser_, &QLineEdit::textEdited, this,
            [this](const QString& typed) { model_.txtUser.text = text(typed); });

    auto* cmdSave = new QPushButton(qs(model_.cmdSave), this);
    auto* cmdNo = new QPushButton(qs(model_.cmdNo), this);
    auto* cmdQuit = new QPushButton(qs(model_.cmdQuit), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdNo->setObjectName(QStringLiteral("cmdNo"));
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdSave->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &SaveUserDialogView::save);
    connect(cmdNo, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdQuit, &QPushButton::clicked, this, &SaveUserDialogView::quit);

    // In the dialog's own order, whatever the desktop's button order.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdNo);
    buttons->addWidget(cmdQuit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addWidget(txtUser_);
    layout->addLayout(buttons);
    txtUser_->setFocus();
}

void SaveUserDialogView::save() {
    model_.txtUser.text = text(txtUser_->text());
    WindowQuestions questions(session_, asker_, this);
    Outcome saved = saveUserDialogSave(session_, model_, questions);
    asker_.tell(saved.messages);
    if (saved.ok) {
        end_ = SaveUserEnd::Saved;
        accept();
    }
}

void SaveUserDialogView::quit() {
    end_ = SaveUserEnd::Quit;
    accept();
}

SaveUserEnd WindowQuestions::showSaveUser(SaveUserDialog& dialog) {
    SaveUserDialogView view(session_, dialog, asker_, parent_);
    asker_.runModal(view);
    return view.end();
}

}  // namespace quillon::ui
