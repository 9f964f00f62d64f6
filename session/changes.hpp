// What an operation of the session changed, told to the windows that watch it. A window redraws
// itself when a change concerns what it shows, once per operation, and never redraws another.
#pragma once

#include <algorithm>
#include <vector>

namespace quillon {

// The parts of the session a window shows.
enum class Part : unsigned {
    MainWindow = 1U << 0U,
    Register = 1U << 1U,  // the register window
    StateDialog = 1U << 2U,
    CityDialog = 1U << 3U,
    NonCityDialog = 1U << 4U,
    TaxInfo = 1U << 5U,  // "User Info"
    CheckWriter = 1U << 6U,
    PrintOffset = 1U << 7U,
    Heading = 1U << 8U,  // the company heading dialog
};

// A set of parts.
class Changes {
  public:
    constexpr Changes() = default;
    constexpr Changes(Part part) : bits_(static_cast<unsigned>(part)) {}  // NOLINT: a set of one
    [[nodiscard]] static constexpr Changes everything() {
        Changes all;
        all.bits_ = (static_cast<unsigned>(Part::Heading) << 1U) - 1U;
        return all;
    }
    [[nodiscard]] constexpr bool has(Part part) const {
        return (bits_ & static_cast<unsigned>(part)) != 0;
    }
    [[nodiscard]] constexpr bool empty() const { return bits_ == 0; }
    // Whether the two sets have a part in common.
    [[nodiscard]] constexpr bool meets(Changes other) const { return (bits_ & other.bits_) != 0; }
    constexpr Changes& operator|=(Changes other) {
        bits_ |= other.bits_;
        return *this;
    }
    [[nodiscard]] friend constexpr Changes operator|(Changes a, Changes b) { return a |= b; }
    [[nodiscard]] friend constexpr bool operator==(Changes a, Changes b) = default;

  private:
    unsigned bits_ = 0;
};

[[nodiscard]] constexpr Changes operator|(Part a, Part b) {
    return Changes(a) | Changes(b);
}

// A window (or anything else) told of the session's changes.
class ChangeObserver {
  public:
    virtual ~ChangeObserver() = default;
    virtual void changed(Changes what) = 0;

  protected:
    ChangeObserver() = default;
    ChangeObserver(const ChangeObserver&) = default;
    ChangeObserver& operator=(const ChangeObserver&) = default;
};

// The observers of one session and the changes of the operation under way. A copy of the session
// (a snapshot an operation may go back to) has none of them: going back keeps the observers.
class Observers {
  public:
    Observers() = default;
    Observers(const Observers&) {}
    Observers& operator=(const Observers&) { return *this; }  // NOLINT: kept on purpose
    ~Observers() = default;

    void watch(ChangeObserver& observer) { list_.push_back(&observer); }
    void unwatch(ChangeObserver& observer) {
        list_.erase(std::remove(list_.begin(), list_.end(), &observer), list_.end());
    }

    // An operation begins (operations nest: the outermost one tells).
    void begin() { ++depth_; }
    void add(Changes what) { pending_ |= what; }
    // It ends: at the outermost, every observer is told once what changed.
    void end() {
        if (--depth_ > 0 || pending_.empty()) {
            return;
        }
        const Changes what = pending_;
        pending_ = Changes{};
        const std::vector<ChangeObserver*> told = list_;  // an observer may unwatch while told
        for (ChangeObserver* observer : told) {
            if (std::find(list_.begin(), list_.end(), observer) != list_.end()) {
                observer->changed(what);
            }
        }
    }

  private:
    std::vector<ChangeObserver*> list_;
    int depth_ = 0;
    Changes pending_;
};

}  // namespace quillon
