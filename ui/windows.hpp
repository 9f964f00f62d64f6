// How a window follows the session, and how a modeless window comes and goes.
//
// A window watches the session for the parts it shows and redraws itself, once per operation,
// when one of them changed; it never redraws another window.
//
// The rule for building: a modeless window is built once and shown again while the session keeps
// its model loaded (the state, city and non-city dialogs, the help window, and the check screen
// and the heading dialog while they are open); it is built afresh when the session loads its
// model afresh (the register window at every "Year to Date", the check screen and the heading
// dialog once closed), so that a window never shows a model it was not built for. Modal dialogs
// (User Info, Printer Offset, the questions) are built for each showing.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>

#include "session/session.hpp"

namespace quillon::ui {

// A window's watch over the session: told of every change, it calls onChange when the change
// concerns one of the parts the window shows. It stops watching when it goes.
class SessionWatch : public ChangeObserver {
  public:
    SessionWatch(Session& session, Changes concerns, std::function<void(Changes)> onChange)
        : session_(session), concerns_(concerns), onChange_(std::move(onChange)) {
        session_.watch(*this);
    }
    ~SessionWatch() override { session_.unwatch(*this); }
    SessionWatch(const SessionWatch&) = delete;
    SessionWatch& operator=(const SessionWatch&) = delete;
    SessionWatch(SessionWatch&&) = delete;
    SessionWatch& operator=(SessionWatch&&) = delete;

    void changed(Changes what) override {
        if (what.meets(concerns_)) {
            onChange_(what);
        }
    }

  private:
    Session& session_;
    Changes concerns_;
    std::function<void(Changes)> onChange_;
};

// Shows a modeless window, built by build() when there is none or when afresh asks for a new one
// (the old one is closed and deleted first); then raised and given the focus.
template <typename Window, typename Build>
Window* showModeless(QPointer<Window>& window, bool afresh, Build build) {
    if (window && afresh) {
        window->close();
        delete window.data();
    }
    if (!window) {
        window = build();
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// Closes the modeless windows that are there.
inline void closeModeless(std::initializer_list<QWidget*> windows) {
    for (QWidget* window : windows) {
        if (window != nullptr) {
            window->close();
        }
    }
}

}  // namespace quillon::ui
