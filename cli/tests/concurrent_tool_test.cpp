// quillon-cli run twice at once on one folder, and killed at random moments: two postings made
// at the same time are both kept, a killed `calc --post` leaves the employee's files and his
// register both as before or both as after, and a killed export leaves nothing behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>
#include <vector>

#include "cli/tests/tool_fixture.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using quillon::testing::ToolRun;

// Starts quillon-cli on the folder without waiting for it; its output goes nowhere.
pid_t start(const fs::path& dir, const std::vector<std::string>& args,
            const std::vector<std::string>& environment = {}) {
    std::vector<std::string> all = {QUILLON_CLI, "--dir", dir.string()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    argv.reserve(all.size() + 1);
    for (std::string& arg : all) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    std::vector<std::string> env = environment;
    for (char** e = environ; *e != nullptr; ++e) {
        env.emplace_back(*e);
    }
    std::vector<char*> envp;
    envp.reserve(env.size() + 1);
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int started = posix_spawn(&pid, QUILLON_CLI, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return started == 0 ? pid : -1;
}

int waitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) {
        out.push_back(field);
    }
    return out;
}

class Concurrent : public quillon::testing::Tool {
  protected:
    // Every file of the folder but the federal table, with its bytes.
    [[nodiscard]] std::map<std::string, std::string> employeeFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            if (name != "Federal16.dtt") {
                files[name] = entry.is_directory() ? "<folder>" : read(name);
            }
        }
        return files;
    }
    void restore(const std::map<std::string, std::string>& files) const {
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (entry.path().filename() != "Federal16.dtt") {
                fs::remove_all(entry.path());
            }
        }
        for (const auto& [name, text] : files) {
            std::ofstream(dir / name, std::ios::binary) << text;
        }
    }
};

// Two `calc --post` on one register at once, round after round: each reads the register and
// writes it back whole, so without the folder's lock one would write over the other's posting.
TEST_F(Concurrent, TwoPostingsAtOnceAreBothKept) {
    ASSERT_EQ(run("new Baker").status, 0);
    constexpr int kRounds = 40;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int row = 1 + 2 * (round % 26);
        const std::string dollars1 = std::to_string(700 + round);
        const std::string dollars2 = std::to_string(800 + round);
        const pid_t first =
            start(dir, {"calc", "Baker", "--dollars", dollars1, "--week-ending",
                        "r" + std::to_string(round) + "a", "--post", std::to_string(row)});
        const pid_t second =
            start(dir, {"calc", "Baker", "--dollars", dollars2, "--week-ending",
                        "r" + std::to_string(round) + "b", "--post", std::to_string(row + 1)});
        ASSERT_GT(first, 0);
        ASSERT_GT(second, 0);
        EXPECT_EQ(waitFor(first), 0);
        EXPECT_EQ(waitFor(second), 0);
        ToolRun shown = run("register Baker");
        ASSERT_EQ(shown.status, 0) << shown.err;
        std::istringstream lines(shown.out);
        std::vector<std::vector<std::string>> rows;
        for (std::string line; std::getline(lines, line);) {
            rows.push_back(fields(line));
        }
        ASSERT_EQ(rows.size(), 54u);
        // Row number, Date, ..., Gross is the 15th field.
        EXPECT_EQ(rows[static_cast<std::size_t>(row - 1)][1], "r" + std::to_string(round) + "a");
        EXPECT_EQ(rows[static_cast<std::size_t>(row - 1)][14], dollars1 + ".00");
        EXPECT_EQ(rows[static_cast<std::size_t>(row)][1], "r" + std::to_string(round) + "b");
        EXPECT_EQ(rows[static_cast<std::size_t>(row)][14], dollars2 + ".00");
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
}

// `calc --post` killed at random moments, on an employee whose files are in the original
// program's style, so that the calculation rewrites them as well as the register: after every
// kill (and the recovery the next command runs) they are all as before or all as after.
TEST_F(Concurrent, AKilledPostingLeavesTheFilesAndTheRegisterBothOldOrBothNew) {
    const fs::path data = fs::path(QUILLON_SOURCE_DIR) / "tests/data";
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename().string().starts_with("Original.")) {
            fs::copy_file(entry.path(), dir / entry.path().filename());
        }
    }
    const std::vector<std::string> post = {"calc",          "Original",   "--hours1", "80",
                                           "--week-ending", "12/30/2016", "--post",   "27"};
    const auto before = employeeFiles();
    const auto startedAt = std::chrono::steady_clock::now();
    ASSERT_EQ(waitFor(start(dir, post)), 0);
    const auto runTime = std::chrono::steady_clock::now() - startedAt;
    const auto after = employeeFiles();
    // Both saves happen: the register and at least one employee file change.
    ASSERT_NE(before.at("Original.yrb"), after.at("Original.yrb"));
    int changed = 0;
    for (const auto& [name, text] : after) {
        changed += before.count(name) == 0 || before.at(name) != text ? 1 : 0;
    }
    ASSERT_GE(changed, 2);

    constexpr int kKills = 120;
    std::mt19937 random(23);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count() * 3 / 2);
    int interrupted = 0;
    int mixed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        restore(before);
        const pid_t child = start(dir, post);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        interrupted += fs::exists(dir / ".quillon-save") ? 1 : 0;
        ToolRun checked = run("check Original");  // finishes or discards an interrupted save
        ASSERT_EQ(checked.status, 0) << checked.out << checked.err;
        const auto files = employeeFiles();
        if (files != before && files != after) {
            ++mixed;
            std::string differ;
            for (const auto& [name, text] : files) {
                differ += name + (text == before.at(name) ? " old" : "") +
                          (text == after.at(name) ? " new" : "") + "\n";
            }
            ADD_FAILURE() << "files of both versions:\n" << differ;
            break;
        }
    }
    EXPECT_EQ(mixed, 0);
    std::cout << interrupted << " of " << kKills << " kills interrupted a save\n";
}

// An export killed at random moments leaves nothing in the system's temporary folder (neither
// the workbook being made nor the spreadsheet library's own files), and at most the staging
// folder beside the workbook, which the next export clears.
TEST_F(Concurrent, AKilledExportLeavesNothingBehind) {
    ASSERT_EQ(run("new Baker").status, 0);
    ASSERT_EQ(run("calc Baker --dollars 700 --post 1").status, 0);
    const fs::path temporary = dir / "tmp";
    const fs::path books = dir / "books";
    fs::create_directories(temporary);
    fs::create_directories(books);
    const std::vector<std::string> exportArgs = {"export", "Baker",
                                                 (books / "Baker.xlsx").string()};
    const std::vector<std::string> environment = {"TMPDIR=" + temporary.string()};
    const auto startedAt = std::chrono::steady_clock::now();
    ASSERT_EQ(waitFor(start(dir, exportArgs, environment)), 0);
    const auto runTime = std::chrono::steady_clock::now() - startedAt;

    constexpr int kKills = 100;
    std::mt19937 random(29);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(runTime).count());
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t child = start(dir, exportArgs, environment);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        for (const auto& entry : fs::directory_iterator(temporary)) {
            ADD_FAILURE() << "left in the temporary folder: " << entry.path().filename();
        }
        for (const auto& entry : fs::directory_iterator(books)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "Baker.xlsx" || name == ".quillon-save") << name;
        }
        // A whole workbook, old or new: a zip archive that ends with its central directory.
        const std::string book = read("books/Baker.xlsx");
        ASSERT_GE(book.size(), 22u);
        EXPECT_EQ(book.substr(0, 2), "PK");
        EXPECT_EQ(book.substr(book.size() - 22, 4), std::string("PK\x05\x06"));
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    ASSERT_EQ(waitFor(start(dir, exportArgs, environment)), 0);
    EXPECT_FALSE(fs::exists(books / ".quillon-save"));
    EXPECT_TRUE(fs::is_empty(temporary));
}

}  // namespace
