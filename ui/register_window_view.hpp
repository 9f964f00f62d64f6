// The "Year To Date" window: the register grid in two blocks (rows 1 to 26, 27 to 53; a bi-weekly
// register ends at row 27) with a clickable number at the left of each row, the totals strip
// under it, and the menu "&Close", "&Print", "C&lear" > "&Clear All", "&Add", "&Excel". It shows
// the session's register window model; each click, key and menu entry calls one operation of the
// model and then redraws from it.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <vector>

#include "session/register_window.hpp"
#include "session/session.hpp"
#include "ui/asker.hpp"
#include "ui/save_user_dialog_view.hpp"
#include "ui/session_printer.hpp"
#include "ui/windows.hpp"

namespace quillon::ui {

// The number at the left of a row. A left click (or Enter or Space once it has the focus) posts
// the last calculation into the row, a right click (or Delete) empties it; the keyboard's menu
// key offers both.
class RowNumberButton : public QPushButton {
    Q_OBJECT
  public:
    RowNumberButton(int row, QWidget* parent);
    [[nodiscard]] int row() const { return row_; }

  signals:
    void postRequested(int row);
    void deleteRequested(int row);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    int row_;
};

class RegisterWindowView : public QMainWindow {
    Q_OBJECT
  public:
    // The window over the session's open register window model (openRegisterWindow). "&Print"
    // asks for the program's printer (the one the paycheck then goes to). It deletes itself
    // when it closes.
    RegisterWindowView(Session& session, Asker& asker, SessionPrinter& printer,
                       QWidget* parent = nullptr);

    // Every box from the model.
    void redraw();
    // Whenever the session changes the register: a register the session no longer shows (another
    // employee opened or created) closes the window without a question; one that "Print Check"
    // hid is hidden; else the window is drawn again.
    void followSession();
    // Closes the window without the closing question: a fresh window replaces it.
    void dismiss();
    // The size that shows every row without scrolling.
    [[nodiscard]] QSize wholeSize() const;

  protected:
    // The close box: "USE CLOSE INSTEAD", and the window stays.
    void closeEvent(QCloseEvent* event) override;
    // The strip's first row lined up under the grid's columns once they are laid out.
    void showEvent(QShowEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildGrid();
    QWidget* buildBlock(int firstRow, int lastRow);
    QWidget* buildStrip();
    void fitToScreen();

    // --- Menu entries, clicks and keys: one model operation each.
    void post(int row);
    void deleteRow(int row);
    void clearAll();
    void add();
    void print();
    void excel();
    void closeRegister();
    void typed(int row, GridColumn column, const std::string& text);
    void typedTotal(TotalBox box, const std::string& text);

    void showOutcome(const Outcome& outcome);
    [[nodiscard]] const RegisterWindow& model() const { return *session_.registerWindow; }

    Session& session_;
    Asker& asker_;
    SessionPrinter& printer_;
    SessionWatch watch_;
    WindowQuestions questions_;
    bool closing_ = false;

    std::vector<RowNumberButton*> rowNumbers_;
    std::vector<std::array<QLineEdit*, kGridColumns>> cells_;
    std::vector<std::array<QLabel*, kGridColumns>> headings_;  // one line per block
    std::array<QLabel*, kTotalBoxes> totalHeadings_{};
    std::array<QLineEdit*, kTotalBoxes> totals_{};
    QWidget* stripIndent_ = nullptr;  // the strip's room for the row numbers and the dates
};

}  // namespace quillon::ui
