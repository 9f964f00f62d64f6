// Options > "&User Info": the employee tax information dialog frmTaxInfo, modal, over the
// session's User Info model. Each box and check box hands its changes to the session; "Save"
// takes them over and saves; "Close" and the close box drop the edits.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <array>

#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

class TaxInfoDialogView : public QDialog {
    Q_OBJECT
  public:
    // The session's User Info dialog must be loaded.
    TaxInfoDialogView(Session& session, Asker& asker, QWidget* parent = nullptr);

    void reject() override;  // "Close", Escape and the close box

  private:
    [[nodiscard]] const TaxInfoDialog& model() const { return *session_.taxInfo.model; }
    // Every control hands each change of its own to the session.
    void follow();
    // Every control from the model, whenever the session changes it.
    void fill();
    void nameAmount(std::size_t deduction);
    void save();

    Session& session_;
    Asker& asker_;
    SessionWatch watch_;

    QLineEdit *txtName_, *txtAddress_, *txtStateCityZip_, *txtSSnum_;
    QLineEdit *txtHourRate_, *txtHourRate2_, *txtTipsRate_;
    QRadioButton *optWeek_, *optBiWeek_;
    QComboBox *cboStatus_, *cboDepend_, *cboStatus2_, *cboDepend2_;
    QCheckBox *ckFedExemp_, *ckSSMediExemp_, *ckSelfEmp_, *ckNonCity_;
    QLineEdit* txtFedAddL_;
    std::array<QLineEdit*, 5> txtTax_{};     // txtTax5 to txtTax9
    std::array<QLineEdit*, 5> txtAmount_{};  // txtMuni, txtBond, txtDues, txtPension, txtMisc
    QLineEdit* txtKplan_;
    QCheckBox *ckKpFix_, *ckKpPer_;
    QLineEdit* txtCafe_;
    QCheckBox* ckCafeState_;
};

}  // namespace quillon::ui
