// A fresh working folder with the shipped federal table, and a session started in it. The folder
// is named by the process too, so that two checkouts running their tests at once keep apart.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "records/tests/file_text.hpp"
#include "session/session.hpp"

namespace quillon::testing {

inline std::filesystem::path dataFolder() {
    return std::filesystem::path(QUILLON_SOURCE_DIR) / "data";
}

class WorkingFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("quillon-" + std::to_string(::getpid()) + "-" +
               std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(dataFolder() / "Federal16.dtt", dir / "Federal16.dtt");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    [[nodiscard]] Session startedSession() const {
        Session s(dir, dir);
        Outcome started = s.startUp("12/30/2016");
        EXPECT_TRUE(started.messages.empty()) << started.messages.front().text;
        return s;
    }

    [[nodiscard]] std::string read(const std::string& name) const { return contentOf(dir / name); }
    void write(const std::string& name, const std::string& text) const {
        writeText(dir / name, text);
    }
    [[nodiscard]] int lineCount(const std::string& name) const {
        std::string text = read(name);
        int lines = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            ++lines;
        }
        return lines;
    }
    [[nodiscard]] bool exists(const std::string& name) const {
        return std::filesystem::exists(dir / name);
    }

    std::filesystem::path dir;
};

}  // namespace quillon::testing
