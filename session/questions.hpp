// What a workflow asks the operator, and the interface through which it asks. The windows answer
// with message boxes and dialogs, the command-line tool and the tests with answers given
// beforehand; the workflow is the same code for all of them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "session/boxes.hpp"
#include "session/save_user_dialog.hpp"

namespace quillon {

// A one-line input box: the prompt above the box and the box's title.
struct TextQuestion {
    std::string prompt;
    std::string title;
};

// The file dialog: the filter ("Saved Files (*.use)") and the folder it starts in.
struct FileQuestion {
    std::string filter;
    std::filesystem::path folder;
};

class Questions {
  public:
    virtual ~Questions() = default;

    // A question with Yes and No (a Message of kind YesNo): true for Yes.
    [[nodiscard]] virtual bool askYesNo(const Message& question) = 0;
    // The input box: the text typed, or nothing when the operator cancelled.
    [[nodiscard]] virtual std::optional<std::string> askText(const TextQuestion& question) = 0;
    // The file dialog: the chosen file, or nothing when the operator cancelled.
    [[nodiscard]] virtual std::optional<std::filesystem::path> askFile(
        const FileQuestion& question) = 0;
    // The save-user dialog, modal. Its "&Save" runs saveUserDialogSave (file_menu.hpp).
    virtual SaveUserEnd showSaveUser(SaveUserDialog& dialog) = 0;
};

}  // namespace quillon
