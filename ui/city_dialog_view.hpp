// Options > "C&ity Tax": the city dialog DialogCity, "City (Local) Tax Tables", not modal, over
// the session's city dialog model: the single and married tables and the allowance columns side
// by side, "NO LOCAL TAX" and the buttons. Every box, the check box and each button call one
// operation of the session and the dialog is drawn again from the model.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class CityDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's city dialog must be loaded.
    CityDialogView(Session& session, Asker& asker, QWidget* parent = nullptr);

    void redraw();
    // Drawn again while the session shows the dialog, hidden when it no longer does.
    void followSession();

    void reject() override;  // "&CANCEL", Escape and the close box

  private:
    [[nodiscard]] const CityDialog& model() const { return *session_.cityDialog.model; }
    void finish(const Outcome& outcome);

    Session& session_;
    Asker& asker_;
    SessionWatch watch_;
    // txtCityMinBS, txtCityAmtBS, txtCityPerBS, txtCityMinBM, txtCityAmtBM, txtCityPerBM,
    // txtCitySgExp, txtCityMarExp, rows 0 to 9.
    std::array<std::array<QLineEdit*, 10>, 8> columns_{};
    QCheckBox* ckNoLocalTax_ = nullptr;
};

}  // namespace quillon::ui
