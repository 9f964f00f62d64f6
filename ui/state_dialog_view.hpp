// Options > "S&tate Tax": the state tax dialog DialogState, not modal, over the session's state
// dialog model. The two bracket tables and the allowance columns side by side, each row entered
// left to right as a state's publication prints it; under them the SDI, SUI, adjustment and
// California boxes, the special states and the switches, and the buttons. Every box, check box
// and button calls one operation of the session and the dialog is drawn again from the model;
// the title bar says when the boxes hold edits that are not saved.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class StateDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's state dialog must be loaded.
    StateDialogView(Session& session, Asker& asker, QWidget* parent = nullptr);

    // Every control from the model.
    void redraw();
    // Drawn again while the session shows the dialog, hidden when it no longer does (saved,
    // cancelled, another employee opened): whenever the session changes the dialog's model.
    void followSession();

    void reject() override;  // "CANCEL", Escape and the close box

  private:
    [[nodiscard]] const StateDialog& model() const { return *session_.stateDialog.model; }
    // The end of every operation: its messages and the focus in a box it refused (the session
    // has told the dialog to redraw or hide).
    void finish(const Outcome& outcome);
    void button(Outcome (Session::*operation)());

    Session& session_;
    Asker& asker_;
    SessionWatch watch_;

    // txtStateMinBS, txtStateAmtBS, txtStatePerBS, txtStateMinBM, txtStateAmtBM, txtStatePerBM,
    // txtStateSgExp, txtStateMarExp, rows 0 to 9.
    std::array<std::array<QLineEdit*, 10>, 8> columns_{};
    // txtSDIpercent, txtSDIwageBase, txtSUIpercent, txtSUIwageBase, txtStateAdj, txtCalAllow.
    std::array<QLineEdit*, 6> singles_{};
    std::array<QCheckBox*, kSpecialStateCount> specialStates_{};
    QCheckBox *ckNoStateTax_, *ckRoundOff_, *ckSpouse_, *ckSDI_, *ckSUI_;
    QGroupBox *Frame1_, *Label5_, *allowanceFrame_;
    std::array<QLabel*, 17> labels_{};  // in the order of kLabels
    std::array<QLabel*, 10> Label27_{};
};

}  // namespace quillon::ui
