// Help > "He&lp": the operator's guide in a window of its own, beside the main window.
#pragma once

#include <QDialog>

namespace quillon::ui {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

}  // namespace quillon::ui
