// Help > "He&lp": the operator's guide in a window of its own, beside the main window. The guide
// is the file guide.html of the program's data folder.
#pragma once

#include <QDialog>
#include <filesystem>

namespace quillon::ui {

class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(const std::filesystem::path& dataFolder, QWidget* parent = nullptr);
};

}  // namespace quillon::ui
