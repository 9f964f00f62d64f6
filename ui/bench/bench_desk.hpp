// What the window benchmarks share: an asker that answers nothing, and a working folder holding
// a copy of the program's data (the federal table and the sample employee).
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "ui/asker.hpp"

namespace quillon::ui::bench {

class Silent : public Asker {
  public:
    void tell(const Message&) override {}
    bool askYesNo(const Message&) override { return false; }
    std::optional<std::string> askText(const TextQuestion&) override { return std::nullopt; }
    std::optional<std::filesystem::path> askFile(const FileQuestion&) override {
        return std::nullopt;
    }
    int runModal(QDialog&) override { return 0; }
    bool askPrinter(QPrinter&) override { return false; }
    bool openWithDesktop(const std::filesystem::path&) override { return false; }
    using Asker::tell;
};

// A fresh folder in the temporary folder, named by the benchmark and the process, with the
// program's data copied in.
inline std::filesystem::path folderWithTheData(const std::string& name) {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(QUILLON_SOURCE_DIR) / "data")) {
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
    return folder;
}

}  // namespace quillon::ui::bench
