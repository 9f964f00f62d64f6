// A file's bytes as one string, for the window tests that look at what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quillon::ui::testing {

inline std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace quillon::ui::testing
