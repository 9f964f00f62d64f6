// What a window shows, as plain data: boxes, check boxes, option buttons, labels and the
// messages an operation hands back for the window to show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

// What a settings dialog's title adds while its boxes hold changes not yet saved.
inline constexpr const char* kNotSavedSuffix = " (not saved)";

struct TextBox {
    std::string text;
    bool enabled = true;
    bool visible = true;
};

struct CheckBox {
    std::string caption;
    std::int16_t value = 0;  // 0 or 1
    bool enabled = true;
    bool visible = true;
};

struct OptionButton {
    std::string caption;
    bool value = false;
    bool enabled = true;
    bool visible = true;
};

struct Label {
    std::string caption;
    bool visible = true;
    bool enabled = true;
};

enum class MessageKind {
    Ok,           // an OK box
    YesNo,        // a question with Yes and No
    Exclamation,  // a warning with the exclamation icon
};

struct Message {
    MessageKind kind = MessageKind::Ok;
    std::string text;  // lines separated by "\r\n" where the text has several
    std::string title;
    // A YesNo question whose default button is No, where Yes would replace something.
    bool noByDefault = false;
};

using Messages = std::vector<Message>;

}  // namespace quillon
