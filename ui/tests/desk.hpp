// What the window tests share: a working folder with the program's data, a session started in
// it and the main window on it, and the ways a test reaches the window's controls.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "session/session.hpp"
#include "ui/controls.hpp"
#include "ui/main_window_view.hpp"
#include "ui/tests/scripted_asker.hpp"

namespace quillon::ui::testing {

inline std::filesystem::path dataFolder() {
    return std::filesystem::path(QUILLON_SOURCE_DIR) / "data";
}

// A working folder with the federal table, a session started in it and the main window on it.
struct Desk {
    explicit Desk(bool withSample = false) {
        folder = std::filesystem::path(dir.path().toStdString());
        for (const auto& entry : std::filesystem::directory_iterator(dataFolder())) {
            const std::string name = entry.path().filename().string();
            if (withSample || name == "Federal16.dtt") {
                std::filesystem::copy_file(entry.path(), folder / name);
            }
        }
        session = std::make_unique<Session>(folder, folder);
        window = std::make_unique<MainWindowView>(*session, asker);
        window->startUp("12/30/2016");
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            qWarning("the main window did not become active");
        }
    }

    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* box(std::size_t i) const { return find<QLineEdit>(arrayName("txtAmount", i)); }
    void menu(const char* action) const { find<QAction>(QString::fromLatin1(action))->trigger(); }
    void click(const char* button) const {
        QTest::mouseClick(find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    // File > New answered No and the name.
    void newEmployee(const std::string& name) {
        asker.yes = {false};
        asker.texts = {name};
        menu("mnuNew");
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(folder / name); }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedAsker asker;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindowView> window;
};

}  // namespace quillon::ui::testing
