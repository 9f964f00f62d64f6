#include "session/installation.hpp"

#include <fstream>
#include <sstream>
#include <system_error>

#include "records/fields.hpp"
#include "records/files.hpp"
#include "session/session.hpp"
#include "session/session_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

fs::path programFolder(std::string_view argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && self.is_absolute()) {
        return self.parent_path();
    }
    if (argv0.find('/') != std::string_view::npos) {
        const fs::path program = fs::absolute(fs::path(argv0), ec);
        if (!ec) {
            return program.parent_path();
        }
    }
    return {};
}

fs::path dataFolderBeside(const fs::path& programs) {
    if (programs.empty()) {
        return {};
    }
    return (programs / kDataFolderFromPrograms).lexically_normal();
}

bool holdsEmployees(const fs::path& folder) {
    constexpr std::string_view extension = ".use";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > extension.size() && name.ends_with(extension) &&
            it->is_regular_file(ec)) {
            return true;
        }
    }
    return false;
}

namespace {

// The federal table of the data folder copied into a new working folder, so that the operator
// finds it beside the employees and can replace it there.
Status copyFederalTable(const fs::path& data, const fs::path& folder) {
    const std::string name(kFederalTableFileName);
    const fs::path from = data / name;
    if (data.empty() || !fileExists(from)) {
        return Status::done();  // start-up warns that there is no federal table
    }
    std::ifstream in(from, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || !text) {
        return FileError{from.string(), 0, 0, "cannot be read"};
    }
    return writeFileAtomically(folder / name, text.str(), name);
}

}  // namespace

DesktopFolder desktopWorkingFolder(const fs::path& started, const fs::path& documents,
                                   const fs::path& data) {
    if (!started.empty() && holdsEmployees(started)) {
        return DesktopFolder{started, false, Status::done()};
    }
    DesktopFolder result{documents / kDesktopFolderName, false, Status::done()};
    if (documents.empty()) {
        result.status = FileError{kDesktopFolderName, 0, 0,
                                  "there is no Documents folder to make it in (HOME is not set)"};
        return result;
    }
    std::error_code ec;
    if (fs::is_directory(result.folder, ec)) {
        return result;
    }
    if (fileExists(result.folder)) {
        result.status = FileError{result.folder.string(), 0, 0,
                                  "something that is not a folder "
                                  "is in its place"};
        return result;
    }
    fs::create_directories(result.folder, ec);
    if (ec) {
        result.status =
            FileError{result.folder.string(), 0, 0, "cannot make the folder: " + ec.message()};
        return result;
    }
    result.created = true;
    result.status = copyFederalTable(data, result.folder);
    return result;
}

Message desktopFolderFailedMessage(const DesktopFolder& failed) {
    const std::string folder = quotedExcerpt(failed.folder.string(), 200);
    const std::string why = failed.status.error().describe();
    if (failed.created) {
        return Message{MessageKind::Exclamation,
                       "The federal table could not be copied into the new working folder " +
                           folder + "." + detail::kCrLf + why + detail::kCrLf +
                           "It is read from the program's data folder instead.",
                       kProgramTitle};
    }
    return Message{MessageKind::Exclamation,
                   "The working folder " + folder + " could not be made." + detail::kCrLf + why +
                       detail::kCrLf +
                       "Start Quillon 2016 with the folder to work in: quillon FOLDER",
                   kProgramTitle};
}

std::string helpGuideMissingText(const fs::path& guide) {
    return "The operator's guide is missing: it belongs at " + guide.string() +
           ". Installing Quillon 2016 again brings it back.";
}

}  // namespace quillon
