// A folder of fuzzed files opened through the session: start-up (the default files), opening the
// employee "Smith", a calculation and its save. Nothing may crash or reach undefined behaviour,
// and:
// - a start-up, an opening or a calculation that fails writes nothing, and the opening or the
//   calculation leaves the session as it was;
// - what a calculation saves opens again.
// The input is the files' contents one after the other, each ended by a 0xFF byte, in the order
// of kFiles; an empty content means the file is not there.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "session/session.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

const char* const kFiles[] = {"Smith.use", "Smith.and", "Smith.cfe", "Smith.ovw",
                              "Smith.ovb", "Smith.sta", "Smith.cti", "Smith.nci",
                              "Smith.hol", "Smith.yrw", "Smith.yrb", ".sta",
                              ".cti",      ".nci",      ".use",      ".and"};

const fs::path& workFolder() {
    static const fs::path folder = [] {
        const fs::path base =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        return base / ("quillon-folder-fuzz-" + std::to_string(::getpid()));
    }();
    return folder;
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const auto& entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        out[entry.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                                 std::istreambuf_iterator<char>()};
    }
    return out;
}

// The session's employee as his files would store him, and what the main window shows.
std::string everything(const Session& s) {
    std::string shown;
    for (const Label& row : s.main.lbTaxDed) {
        shown += row.caption + ";";
    }
    for (const TextBox& box : s.main.txtAmount) {
        shown += box.text + ";";
    }
    return s.UserFile + "|" + s.main.caption + "|" + shown + useFileText(s.profile, s.state) +
           andFileText(s.profile, s.state) + cfeFileText(s.profile) +
           overtimeFileText(s.profile, kWeeklyRows) + stateFileText(s.state, s.profile) +
           cityFileText(s.city) + nonCityFileText(s.nonCity) + vacationFileText(s.vacation) +
           registerFileText(s.yearRegister, kWeeklyRows);
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& dir = workFolder();
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::size_t at = 0;
    for (const char* name : kFiles) {
        std::string content;
        while (at < size && data[at] != 0xFF) {
            content += static_cast<char>(data[at++]);
        }
        ++at;
        if (!content.empty()) {
            std::ofstream(dir / name, std::ios::binary) << content;
        }
    }
    const fs::path installed = fs::path(QUILLON_SOURCE_DIR) / "data";

    Session s(dir, installed);
    auto files = snapshot(dir);
    Outcome started = s.startUp("12/30/2016");
    if (!started.ok) {
        check(snapshot(dir) == files);
    }

    std::string before = everything(s);
    if (!s.openEmployee("Smith").ok) {
        check(everything(s) == before);
        check(snapshot(dir) == files);
        return 0;
    }
    s.main.txtAmount[0].text = "40";
    s.main.txtAmount[3].text = "2.5";
    before = everything(s);
    if (!s.calculate().ok) {
        // A refusal before the save leaves everything; a save that failed leaves the files.
        if (snapshot(dir) == files) {
            return 0;
        }
        std::abort();
    }
    Session again(dir, installed);
    (void)again.startUp("12/30/2016");
    check(again.openEmployee("Smith").ok);
    fs::remove_all(dir);
    return 0;
}
