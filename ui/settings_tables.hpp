// What the state, city and non-city dialogs share: their number boxes, named as the models name
// them and reached by the words a refusal uses; a table of such boxes laid out under its
// headings; and showing a model's box, check box or label on its widget.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "session/boxes.hpp"
#include "session/key_filter.hpp"

namespace quillon::ui {

// The object name of a box's widget: "txtStateMinBS_2" for txtStateMinBS(2), "txtSDIpercent".
[[nodiscard]] QString boxObjectName(const BadBox& box);

// The focus in the box an operation refused, its text selected, so that it can be corrected.
void focusBox(QWidget* dialog, const std::optional<BadBox>& box);

// A settings dialog after an operation of the session: hidden when the session no longer shows
// it, else drawn again from its model, with the focus in the box the operation refused.
void followModel(QDialog& view, bool shown, const std::function<void()>& redraw,
                 const std::optional<BadBox>& refused = std::nullopt);

// A number box of a settings dialog: named, with the words as its accessible name, the key
// filter, the amount right-aligned, wide enough for "999999.9999".
[[nodiscard]] QLineEdit* settingsBox(const BadBox& where, QWidget* parent);

// A table under its headings: the heading of the line numbers and each column's heading on the
// first grid row, then one grid row per line with its number and its boxes. columns[c][r] is
// line r of column c. The headings wrap to the width of their boxes.
void layTable(QGridLayout* grid, QLabel* numberHeading, const std::vector<QLabel*>& headings,
              const std::vector<QLabel*>& numbers,
              const std::vector<std::vector<QLineEdit*>>& columns);
// Tab goes through the boxes row by row, across the columns of each row.
[[nodiscard]] std::vector<QWidget*> rowByRow(const std::vector<std::vector<QLineEdit*>>& columns);
// Tab goes through `widgets` in that order.
void chainTabOrder(const std::vector<QWidget*>& widgets);

[[nodiscard]] QPushButton* dialogButton(const QString& caption, const char* objectName,
                                        QWidget* parent);

// A model's contents on its widget. The text of a box is set only when it differs, so that the
// box being typed into keeps its cursor.
void draw(QLineEdit* box, const TextBox& model);
void draw(QCheckBox* box, const CheckBox& model);
void draw(QLabel* label, const Label& model);
void draw(QGroupBox* frame, const Label& model);

}  // namespace quillon::ui
