// Options > "H&eader": the company heading dialog DialogHeader, "Print Out Heading", not modal,
// over the session's heading dialog model. The four boxes sit as the heading prints: the company
// and the address on rows of their own, the zip line with the ID number to its right.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

#include "session/session.hpp"
#include "ui/asker.hpp"

namespace quillon::ui {

class HeadingDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's heading dialog must be loaded.
    HeadingDialogView(Session& session, Asker& asker, QWidget* parent = nullptr);

    void ok();               // "OK"
    void reject() override;  // "Cancel", Escape and the close box

  private:
    Session& session_;
    Asker& asker_;
    std::array<QLineEdit*, 4> txtHeader_{};
};

}  // namespace quillon::ui
