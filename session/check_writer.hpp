// The check screen "Check Printing" as a plain model: a bank check's boxes, filled from the
// employee profile and the period's net pay. Its menu item "Print" leads to the "Printer Offset"
// dialog (session/print_offset_dialog.hpp), which prints the paycheck with this face.
#pragma once

#include <string>

#include "engine/check_words.hpp"
#include "records/profile.hpp"
#include "session/boxes.hpp"

namespace quillon {

inline constexpr const char* kCheckWriterCaption = "Check Printing";
inline constexpr const char* kCheckDateToolTip = "Change on Previous Form";
// Follows the employee's name on the "PAY TO THE ORDER OF" line.
inline constexpr const char* kPayeeFill = "********";

// The check screen's boxes as the paycheck prints them, at the moment of printing.
struct CheckScreen {
    std::string txtCheckDate, txtPayTo, txtCheckAmt;
    std::string txtUserName, txtUserSSnum, txtUserAddress, txtUserState;
    std::string txtMemo;
};

struct CheckWriter {
    std::string caption = kCheckWriterCaption;
    TextBox txtCheckCompany;  // the payer block at the top left: free text, not printed
    TextBox txtCheckDate;     // right of "DATE"
    std::string txtCheckDateToolTip = kCheckDateToolTip;
    TextBox txtPayTo;     // right of "PAY TO THE ORDER OF"
    TextBox txtCheckAmt;  // right of "$": the amount in figures
    TextBox txtDollars;   // the line ending with "DOLLARS": the amount in words, as shown
    TextBox txtUserName, txtUserAddress, txtUserState;  // the address block
    TextBox txtUserSSnum;                               // right of the name
    TextBox txtMemo;                                    // right of "MEMO"
    // The amount in words as last computed. The paycheck prints this, not the words box, which
    // the operator may have edited.
    quillon::AmountWords AmountWords;

    // FillCheck: the payee ("Name********"), the address block and the social security number
    // from the profile; the amount in words into AmountWords and the words box. A net pay below
    // zero is written as a check of zero; from 1,000,000 on the words box says "Dollar amount is
    // too large" and no check can be printed.
    void FillCheck(const Profile& profile, float NetPay);
    // CheckFigures: the amount in figures with asterisk fill ("**1234.56") into txtCheckAmt.
    void CheckFigures(float NetPay);
    // The boxes the paycheck prints, as they stand.
    [[nodiscard]] CheckScreen printedTexts() const;
};

}  // namespace quillon
