// What session.cpp and settings_dialogs.cpp share: the outcomes of failure, the built-in settings
// and the five employee fields of the state file. Not for the other layers.
#pragma once

#include <string>
#include <utility>

#include "session/session.hpp"

namespace quillon::detail {

inline constexpr const char* kCrLf = "\r\n";

inline Message okMessage(std::string text) {
    return Message{MessageKind::Ok, std::move(text), kProgramTitle};
}

inline Outcome failed(Message message) {
    return Outcome{false, {std::move(message)}};
}

inline void append(Outcome& into, const Outcome& from) {
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.ok = into.ok && from.ok;
}

// The built-in values: the New York state and city tables, the non-city defaults.
inline StateSettings builtInState() {
    StateDialog builtIn;
    builtIn.newYork();
    StateSettings s;
    (void)builtIn.takeOverBoxes(s);
    return s;
}

inline CitySettings builtInCity() {
    CityDialog builtIn;
    builtIn.newYork();
    CitySettings c;
    (void)builtIn.takeOverBoxes(c);
    return c;
}

inline NonCitySettings builtInNonCity() {
    NonCityDialog builtIn;
    builtIn.deFault();
    NonCitySettings n;
    (void)builtIn.takeOverBoxes(n);
    return n;
}

// The five employee fields the state file keeps.
inline void copyStateFileFields(const Profile& from, Profile& to) {
    to.SSMediExempt = from.SSMediExempt;
    to.StateExemptions = from.StateExemptions;
    to.StateStatus = from.StateStatus;
    to.FedExempt = from.FedExempt;
    to.FedAddWithhold = from.FedAddWithhold;
}

}  // namespace quillon::detail
