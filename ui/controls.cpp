#include "ui/controls.hpp"

#include <QSignalBlocker>

#include <QEvent>
#include <QPalette>
#include <QSignalBlocker>
#include <QTimer>

#include "session/key_filter.hpp"

namespace quillon::ui {
namespace {

class SelectAllOnFocus : public QObject {
  public:
    SelectAllOnFocus(QObject* parent, QLineEdit* box) : QObject(parent), box_(box) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            // After the event: a mouse press that gave the focus would place the cursor and
            // undo a selection made now.
            QTimer::singleShot(0, box_, &QLineEdit::selectAll);
        }
        return false;
    }

  private:
    QLineEdit* box_;
};

}  // namespace

QString messageText(const Message& message) {
    QString s = qs(message.text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QString arrayName(std::string_view array, std::size_t index) {
    return qs(array) + QLatin1Char('_') + QString::number(index);
}

QValidator::State NumericKeys::validate(QString& input, int&) const {
    for (QChar c : input) {
        const char16_t u = c.unicode();
        if (u > 127 || !acceptsNumericKey(static_cast<char>(u)) || u == '\b') {
            return Invalid;
        }
    }
    return Acceptable;
}

void selectAllOnFocus(QLineEdit* box) {
    selectAllOnFocus(box, box);
}

void selectAllOnFocus(QWidget* control, QLineEdit* box) {
    control->installEventFilter(new SelectAllOnFocus(control, box));
}

void makeNumberBox(QLineEdit* box) {
    box->setValidator(new NumericKeys(box));
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    selectAllOnFocus(box);
}

QLineEdit* makeFigure(const QString& objectName, QWidget* parent) {
    auto* figure = new QLineEdit(parent);
    figure->setObjectName(objectName);
    figure->setReadOnly(true);
    figure->setFrame(false);
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setFocusPolicy(Qt::TabFocus);
    // No background of its own, as a label has none.
    QPalette palette = figure->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    figure->setPalette(palette);
    return figure;
}

void followText(QLineEdit* box, QObject* context, std::function<void(const std::string&)> take) {
    QObject::connect(box, &QLineEdit::textChanged, context,
                     [take = std::move(take)](const QString& now) { take(text(now)); });
}

void followToggle(QAbstractButton* button, QObject* context, std::function<void(bool)> take) {
    QObject::connect(button, &QAbstractButton::toggled, context, std::move(take));
}

void showText(QLineEdit* box, const std::string& value) {
    const QString shown = qs(value);
    if (box->text() != shown) {
        const QSignalBlocker quiet(box);
        box->setText(shown);
        box->setCursorPosition(0);
    }
}

void showChecked(QAbstractButton* button, bool checked) {
    if (button->isChecked() != checked) {
        const QSignalBlocker quiet(button);
        button->setChecked(checked);
    }
}

}  // namespace quillon::ui
