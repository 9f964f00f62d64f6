// Runs quillon-cli on a fresh working folder that holds the federal table, and reads what it
// printed and wrote.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quillon::testing {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Tool : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("quillon-cli-" + std::to_string(::getpid()) + "-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(
            std::filesystem::path(QUILLON_SOURCE_DIR) / "data" / "Federal16.dtt",
            dir / "Federal16.dtt");
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // quillon-cli, or the program given, on the working folder.
    ToolRun run(const std::string& args, const std::string& program = QUILLON_CLI) const {
        const std::filesystem::path errFile = dir / "stderr.txt";
        const std::string command = "'" + program + "' --dir '" + dir.string() + "' " + args +
                                    " 2>'" + errFile.string() + "'";
        ToolRun result;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 4096> buffer{};
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            result.out.append(buffer.data(), n);
        }
        const int raw = pclose(pipe);
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::ifstream err(errFile);
        std::stringstream text;
        text << err.rdbuf();
        result.err = text.str();
        std::filesystem::remove(errFile);
        return result;
    }

    std::string read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir;
};

}  // namespace quillon::testing
