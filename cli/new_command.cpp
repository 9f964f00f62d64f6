// quillon-cli new: File > New, the employee named on the command line.
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "cli/commands.hpp"
#include "session/file_menu.hpp"
#include "session/session.hpp"

namespace quillon {
namespace {

// File > New as the windows run it, with the answers of the command line: the previous employee
// is not saved (the tool saves nothing it was not asked to), and the name is the one given.
class CommandLineAnswers : public Questions {
  public:
    explicit CommandLineAnswers(std::string name) : name_(std::move(name)) {}
    bool askYesNo(const Message&) override { return false; }
    std::optional<std::string> askText(const TextQuestion&) override { return name_; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    SaveUserEnd showSaveUser(SaveUserDialog&) override { return SaveUserEnd::No; }

  private:
    std::string name_;
};

}  // namespace

int newCommand(const CommandPlace& place, const CommandLine& line) {
    Session session(place.folder, place.data);
    Outcome started = session.holdFolderLock();
    if (started.ok) {
        started = session.startUp(todayText());
    }
    place.terminal.tell(started.messages);
    if (!started.ok) {
        return 1;
    }
    CommandLineAnswers answers(line.name);
    WorkflowEnd created = fileNew(session, answers);
    place.terminal.tell(created.outcome.messages);
    return created.outcome.ok ? 0 : 1;
}

}  // namespace quillon
