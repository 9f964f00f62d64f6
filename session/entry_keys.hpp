// How the focus moves between the main window's eight entry boxes from the keyboard.
#pragma once

#include <optional>

namespace quillon {

enum class EntryKey { Enter, Down, Up };

inline constexpr int kEntryBoxCount = 8;

// The box that gets the focus when `key` is pressed in entry box `box` (0 to 7), or nothing
// when the focus stays. Enter goes to the next box and from the last back to the first; arrow
// down goes to the next box except from the last; arrow up to the previous except from the first.
[[nodiscard]] constexpr std::optional<int> entryBoxAfterKey(int box, EntryKey key) {
    switch (key) {
        case EntryKey::Enter:
            return (box + 1) % kEntryBoxCount;
        case EntryKey::Down:
            return box + 1 < kEntryBoxCount ? std::optional<int>(box + 1) : std::nullopt;
        case EntryKey::Up:
            return box > 0 ? std::optional<int>(box - 1) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace quillon
