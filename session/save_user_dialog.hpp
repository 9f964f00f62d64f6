// The save-user dialog "Save User": the name the open employee is saved under, and its three
// buttons. File > Save shows it, and so do New, Open and Exit before they go on.
#pragma once

#include <string>

#include "session/boxes.hpp"

namespace quillon {

inline constexpr const char* kSaveUserCaption = "Save User";
inline constexpr const char* kSaveUserLine1 = "Before opening a user file,";
inline constexpr const char* kSaveUserLine2 = "Do you want to save this user?";
inline constexpr const char* kSaveUserNameText = "TYPE NAME";
inline constexpr const char* kSaveUserNameToolTip = "File that is already opened.";

// How the dialog was closed. Closing it with the window's close box counts as "&No".
enum class SaveUserEnd {
    Saved,  // "&Save" wrote every file of the employee
    No,     // "&No": nothing saved, the workflow goes on
    Quit,   // "&Quit": the program ends without saving
};

struct SaveUserDialog {
    std::string caption = kSaveUserCaption;
    Label lbLine1{kSaveUserLine1};
    Label lbLine2{kSaveUserLine2};
    // The name box. Its whole text is selected when it gets the focus, so that typing replaces
    // the name.
    TextBox txtUser{kSaveUserNameText};
    std::string txtUserToolTip = kSaveUserNameToolTip;
    std::string cmdSave = "&Save";
    std::string cmdNo = "&No";
    std::string cmdQuit = "&Quit";

    SaveUserDialog() = default;
    // Loading the dialog: the name box takes the open employee's name (UserFile).
    explicit SaveUserDialog(const std::string& UserFile) { txtUser.text = UserFile; }
};

}  // namespace quillon
