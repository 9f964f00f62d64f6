// Options > "Non City Tax": the non-city dialog DialogNonCity, "NON City Resident", not modal,
// over the session's non-city dialog model: the bi-weekly and the weekly table side by side and
// the rate under them. "&CANCEL" only hides it: the boxes keep their edits for the next showing.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class NonCityDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's non-city dialog must be loaded.
    NonCityDialogView(Session& session, Asker& asker, QWidget* parent = nullptr);

    void redraw();
    // Drawn again while the session shows the dialog, hidden when it no longer does.
    void followSession();

    void reject() override;  // "&CANCEL", Escape and the close box

  private:
    [[nodiscard]] const NonCityDialog& model() const { return *session_.nonCityDialog.model; }
    void finish(const Outcome& outcome);

    Session& session_;
    Asker& asker_;
    SessionWatch watch_;
    // txtNonMinBi, txtNonExpBi, txtNonMinWk, txtNonExpWk, rows 0 to 7.
    std::array<std::array<QLineEdit*, 8>, 4> columns_{};
    QLineEdit* txtNonPer_ = nullptr;
};

}  // namespace quillon::ui
