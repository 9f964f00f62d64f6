// The save-user dialog "Save User" on the screen, and the questions of the File menu put to the
// operator with the program's boxes and this dialog.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "session/file_menu.hpp"
#include "session/save_user_dialog.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"

namespace quillon::ui {

class SaveUserDialogView : public QDialog {
    Q_OBJECT
  public:
    SaveUserDialogView(Session& session, SaveUserDialog& model, Asker& asker,
                       QWidget* parent = nullptr);
    // How the dialog was closed; the close box counts as "&No".
    [[nodiscard]] SaveUserEnd end() const { return end_; }

  private:
    void save();
    void quit();

    Session& session_;
    SaveUserDialog& model_;
    Asker& asker_;
    SaveUserEnd end_ = SaveUserEnd::No;
    QLineEdit* txtUser_ = nullptr;
};

// The File menu's questions, put to the operator through an Asker; the save-user dialog is the
// dialog above.
class WindowQuestions : public Questions {
  public:
    WindowQuestions(Session& session, Asker& asker, QWidget* parent)
        : session_(session), asker_(asker), parent_(parent) {}

    bool askYesNo(const Message& question) override { return asker_.askYesNo(question); }
    std::optional<std::string> askText(const TextQuestion& question) override {
        return asker_.askText(question);
    }
    std::optional<std::filesystem::path> askFile(const FileQuestion& question) override {
        return asker_.askFile(question);
    }
    SaveUserEnd showSaveUser(SaveUserDialog& dialog) override;

  private:
    Session& session_;
    Asker& asker_;
    QWidget* parent_;
};

}  // namespace quillon::ui
