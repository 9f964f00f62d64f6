// The check screen's procedures: the payee and address block from the profile, the amount in
// figures and in words from the net pay.
#include "session/check_writer.hpp"

namespace quillon {

void CheckWriter::FillCheck(const Profile& profile, float NetPay) {
    txtPayTo.text = profile.EmpName + kPayeeFill;
    txtUserName.text = profile.EmpName;
    txtUserAddress.text = profile.EmpAddress;
    txtUserState.text = profile.EmpCityStateZip;
    txtUserSSnum.text = profile.EmpSSN;
    AmountWords = AmountInWords(NetPay);
    txtDollars.text = AmountWords.words;
}

void CheckWriter::CheckFigures(float NetPay) {
    txtCheckAmt.text = quillon::CheckFigures(NetPay);
}

CheckScreen CheckWriter::printedTexts() const {
    return {txtCheckDate.text, txtPayTo.text,       txtCheckAmt.text,  txtUserName.text,
            txtUserSSnum.text, txtUserAddress.text, txtUserState.text, txtMemo.text};
}

}  // namespace quillon
