#include "ui/settings_tables.hpp"

#include <QSignalBlocker>

#include <algorithm>

#include "ui/controls.hpp"

namespace quillon::ui {

QString boxObjectName(const BadBox& box) {
    return box.row < 0 ? qs(box.control)
                       : arrayName(box.control, static_cast<std::size_t>(box.row));
}

void focusBox(QWidget* dialog, const std::optional<BadBox>& box) {
    if (!box) {
        return;
    }
    if (auto* edit = dialog->findChild<QLineEdit*>(boxObjectName(*box))) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

void followModel(QDialog& view, bool shown, const std::function<void()>& redraw,
                 const std::optional<BadBox>& refused) {
    if (!shown) {
        view.hide();
        return;
    }
    redraw();
    focusBox(&view, refused);
}

QLineEdit* settingsBox(const BadBox& where, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(boxObjectName(where));
    box->setAccessibleName(qs(where.words));
    box->setValidator(new NumericKeys(box));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("999999.9999")) + 14);
    return box;
}

void layTable(QGridLayout* grid, QLabel* numberHeading, const std::vector<QLabel*>& headings,
              const std::vector<QLabel*>& numbers,
              const std::vector<std::vector<QLineEdit*>>& columns) {
    grid->addWidget(numberHeading, 0, 0, Qt::AlignBottom | Qt::AlignHCenter);
    // The numbers' column keeps its width when a preset empties its heading.
    grid->setColumnMinimumWidth(0, numberHeading->sizeHint().width());
    // Each heading wrapped to the width of the boxes under it; the tallest sets the row's
    // height, so that no line of a heading is cut off.
    int height = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        QLabel* label = headings[c];
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setWordWrap(true);
        label->setFixedWidth(columns[c].front()->width());
        const QRect wrapped = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 10000), Qt::TextWordWrap | Qt::AlignHCenter, label->text());
        height = std::max(height, wrapped.height());
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int column = static_cast<int>(c) + 1;
        QLabel* label = headings[c];
        label->setMinimumHeight(height);
        grid->addWidget(label, 0, column, Qt::AlignBottom | Qt::AlignHCenter);
        for (std::size_t r = 0; r < columns[c].size(); ++r) {
            grid->addWidget(columns[c][r], static_cast<int>(r) + 1, column);
        }
    }
    for (std::size_t r = 0; r < numbers.size(); ++r) {
        numbers[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(numbers[r], static_cast<int>(r) + 1, 0);
    }
    grid->setVerticalSpacing(2);
}

std::vector<QWidget*> rowByRow(const std::vector<std::vector<QLineEdit*>>& columns) {
    std::vector<QWidget*> order;
    const std::size_t rows = columns.empty() ? 0 : columns.front().size();
    for (std::size_t r = 0; r < rows; ++r) {
        for (const auto& column : columns) {
            order.push_back(column[r]);
        }
    }
    return order;
}

void chainTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 0; i + 1 < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i], widgets[i + 1]);
    }
}

QPushButton* dialogButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    // Enter in a box does not press a button: a table is entered with Tab and Enter alike.
    button->setAutoDefault(false);
    return button;
}

void draw(QLineEdit* box, const TextBox& model) {
    const QString text = qs(model.text);
    if (box->text() != text) {
        const QSignalBlocker quiet(box);
        box->setText(text);
    }
    box->setEnabled(model.enabled);
    box->setVisible(model.visible);
}

void draw(QCheckBox* box, const CheckBox& model) {
    box->setText(qs(model.caption));
    showChecked(box, model.value != 0);
    box->setEnabled(model.enabled);
    box->setVisible(model.visible);
}

void draw(QLabel* label, const Label& model) {
    label->setText(qs(model.caption));
    label->setEnabled(model.enabled);
    label->setVisible(model.visible);
}

void draw(QGroupBox* frame, const Label& model) {
    frame->setTitle(qs(model.caption));
    frame->setEnabled(model.enabled);
    frame->setVisible(model.visible);
}

}  // namespace quillon::ui
