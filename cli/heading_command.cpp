// quillon-cli heading: the company heading of the folder, set from the options first.
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

#include "cli/commands.hpp"
#include "records/fields.hpp"
#include "records/files.hpp"
#include "session/printing.hpp"
#include "session/session.hpp"

namespace quillon {

// One `key<TAB>text` line per field. With any of its options, the heading dialog's boxes are set to
// them and "OK" saves Header.sav first; the fields not given keep what the dialog shows (the
// defaults where they are empty).
int headingCommand(const CommandPlace& place, const CommandLine& line) {
    const std::filesystem::path& folder = place.folder;
    Terminal& terminal = place.terminal;
    Session session(folder, place.data);
    if (Outcome locked = session.holdFolderLock(); !locked.ok) {
        terminal.tell(locked.messages);
        return 1;
    }
    bool setting = false;
    for (const auto& box : line.heading) {
        setting = setting || box.has_value();
    }
    Outcome outcome = setting ? openHeadingDialog(session) : ReadHeading(session);
    if (setting && outcome.ok) {
        for (std::size_t i = 0; i < line.heading.size(); ++i) {
            if (line.heading[i]) {
                session.headingDialog.model->txtHeader[i].text = *line.heading[i];
            }
        }
        outcome = headingDialogOK(session);
    }
    terminal.tell(outcome.messages);
    if (!outcome.ok) {
        return 1;
    }
    if (!fileExists(folder / std::string(kHeadingFileName))) {
        std::cerr << "quillon-cli: there is no " << kHeadingFileName
                  << " in the folder: the printouts have an empty heading\n";
    }
    const CompanyHeading& h = session.heading;
    const std::pair<const char*, const std::string*> fields[] = {{"company", &h.HeadCompany},
                                                                 {"address", &h.HeadAddress},
                                                                 {"zip", &h.HeadZip},
                                                                 {"id", &h.HeadId}};
    for (const auto& [key, text] : fields) {
        std::cout << key << '\t' << terminalText(*text) << '\n';
    }
    return flushed();
}

}  // namespace quillon
