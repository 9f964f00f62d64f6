// Where the program's own files are, and the folder the desktop program works in when it is not
// given one. The programs find their data folder from where they are, so an installation that is
// moved or unpacked elsewhere still works; the build tree has the same layout (the build copies
// the data folder into it), so a program that was built and not installed finds it the same way.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "records/status.hpp"
#include "session/boxes.hpp"

namespace quillon {

// The data folder beside the programs' folder: bin/quillon reads ../share/quillon.
inline constexpr const char* kDataFolderFromPrograms = "../share/quillon";
// The operator's guide, in the data folder.
inline constexpr const char* kHelpGuideFileName = "guide.html";
// The desktop program's own working folder, in the user's Documents folder.
inline constexpr const char* kDesktopFolderName = "Quillon 2016";

// The folder of the running program: the one of /proc/self/exe, else the one of argv[0] when it
// is a path (holds a slash). Empty when neither tells; a bare name is never looked up in the
// current folder.
[[nodiscard]] std::filesystem::path programFolder(std::string_view argv0);
// The data folder of the programs in programs (kDataFolderFromPrograms); empty when programs is.
[[nodiscard]] std::filesystem::path dataFolderBeside(const std::filesystem::path& programs);

// Whether the folder holds an employee: an ordinary file NAME.use with a name. ".use" alone is
// the default file that "Make Default" writes, and holds no employee.
[[nodiscard]] bool holdsEmployees(const std::filesystem::path& folder);

// The desktop program's working folder when its command line names none.
struct DesktopFolder {
    std::filesystem::path folder;
    bool created = false;  // made now, with the federal table copied in
    Status status;         // failed when the folder could not be made or the table not copied
};

// The folder it was started in when that holds an employee; else documents/"Quillon 2016",
// made when it is not there yet, with the federal table of the data folder copied in (when
// the data folder has one). A folder that is there already is taken as it is.
[[nodiscard]] DesktopFolder desktopWorkingFolder(const std::filesystem::path& started,
                                                 const std::filesystem::path& documents,
                                                 const std::filesystem::path& data);

// What a failed desktopWorkingFolder tells the operator: the folder could not be made, or it
// was made and the federal table could not be copied into it.
[[nodiscard]] Message desktopFolderFailedMessage(const DesktopFolder& failed);
// What the help window shows when the operator's guide is not in the data folder.
[[nodiscard]] std::string helpGuideMissingText(const std::filesystem::path& guide);

}  // namespace quillon
