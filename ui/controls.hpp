// What every window of the program shares: texts between the models and Qt, the names of
// control-array elements, the numeric key filter, select-all on focus, and the read-only figure
// that shows an amount.
#pragma once

#include <QAbstractButton>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QValidator>
#include <functional>
#include <string>
#include <string_view>

#include "session/boxes.hpp"

namespace quillon::ui {

[[nodiscard]] inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
[[nodiscard]] inline std::string text(const QString& s) {
    return s.toStdString();
}
// A message's text as a message box shows it: its "\r\n" line ends as line breaks.
[[nodiscard]] QString messageText(const Message& message);

// The object name of element `index` of a control array: "txtAmount_0" for txtAmount(0),
// "lbTaxDed_10" for lbTaxDed(10). Every window names its arrays this way.
[[nodiscard]] QString arrayName(std::string_view array, std::size_t index);

// The key filter of the number boxes: a typed or pasted character is taken only if it is one of
// "0123456789 -."; Backspace and the other editing keys work as usual.
class NumericKeys : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Every input reaches the model: a box hands over every change of its text (typing, pasting, an
// accessibility client's or a test's setText), a check box or option button every change of its
// state (a click, the keyboard, the accessibility Toggle and Press actions). A redraw from the
// model shows its values with the control's signals blocked, so that it does not echo back.
void followText(QLineEdit* box, QObject* context, std::function<void(const std::string&)> take);
void followToggle(QAbstractButton* button, QObject* context, std::function<void(bool)> take);
// The model's text on a box (the cursor at its start) and its state on a check box or option
// button, without handing them back. A box whose text is already the model's is left alone, so
// that the box being typed into keeps its cursor.
void showText(QLineEdit* box, const std::string& value);
void showChecked(QAbstractButton* button, bool checked);

// Selects a box's whole text whenever it gets the focus, by the keyboard or the mouse, so that
// typing replaces it.
void selectAllOnFocus(QLineEdit* box);
// The same for a box inside another control (an editable combo box's line edit), watched
// through that control, which receives the focus.
void selectAllOnFocus(QWidget* control, QLineEdit* box);
// A number box: the key filter, select-all on focus, right-aligned.
void makeNumberBox(QLineEdit* box);

// A figure of the result area: an amount a person reads and a screen reader reaches as text.
// It is a read-only line edit without a frame, so that it looks like a label and still exposes
// its amount (a label given an accessible name hides its text). Its accessible name is its
// caption, the label whose buddy it is.
[[nodiscard]] QLineEdit* makeFigure(const QString& objectName, QWidget* parent);

}  // namespace quillon::ui
