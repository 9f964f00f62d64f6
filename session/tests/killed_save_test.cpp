// Saves killed at random moments. A child process saves one employee over and over, his files
// going from one version to the other and back; it is killed with SIGKILL at a random moment.
// Afterwards the employee opens, his files are all of one version (never a mix), and nothing
// staged or committed is left in the folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "records/tests/file_text.hpp"
#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::WorkingFolder;
using KilledSave = WorkingFolder;

constexpr int kKills = 300;
const std::vector<std::string> kFiles = {"Smith.use", "Smith.and", "Smith.cfe", "Smith.ovw",
                                         "Smith.hol", "Smith.sta", "Smith.cti", "Smith.nci"};

// Version 0 or 1 of the employee: one field of every file differs between them.
void makeVersion(Session& s, int version) {
    const float v = static_cast<float>(version);
    s.profile.MuniAmt = 10 + v;                                         // .use
    s.profile.PrintOffsetH = 0.25f + v;                                 // .and
    s.profile.CafeAmt = 20 + v;                                         // .cfe
    s.profile.OtDates[0] = version == 0 ? "01/08/2016" : "01/15/2016";  // .ovw
    s.vacation.VacStart = 5 + v;                                        // .hol
    s.state.StateAmtBS[1] = 13 + v;                                     // .sta
    s.city.CityAmtBS[1] = 5.85f + v;                                    // .cti
    s.nonCity.NonPer = 0.0045f + v / 100;                               // .nci
}

std::map<std::string, std::string> filesOf(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const std::string& name : kFiles) {
        out[name] = testing::contentOf(dir / name);
    }
    return out;
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(KilledSave, LeavesEveryFileAsBeforeOrEveryFileAsAfter) {
    std::array<std::map<std::string, std::string>, 2> versions;
    std::chrono::nanoseconds saveTime{};
    {
        Session s = startedSession();
        ASSERT_TRUE(s.newEmployee("Smith").ok);
        for (int version : {1, 0}) {
            makeVersion(s, version);
            const auto start = std::chrono::steady_clock::now();
            ASSERT_TRUE(s.saveAction("Smith").ok);
            saveTime = std::chrono::steady_clock::now() - start;
            versions[static_cast<std::size_t>(version)] = filesOf(dir);
        }
    }
    for (const std::string& name : kFiles) {
        ASSERT_NE(versions[0].at(name), versions[1].at(name)) << name;
    }
    const std::vector<std::string> names = namesIn(dir);

    std::mt19937 random(14);
    std::uniform_int_distribution<long long> delay(0, 3 * saveTime.count());
    int interrupted = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            Session s(dir, dir);
            s.startUp("12/30/2016");
            if (!s.openEmployee("Smith").ok) {
                ::_exit(2);
            }
            (void)!::write(ready[1], "r", 1);
            for (int version = 1;; version = 1 - version) {
                makeVersion(s, version);
                if (!s.saveAction("Smith").ok) {
                    ::_exit(3);
                }
            }
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the child could not open the employee";
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::nanoseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;

        interrupted += fs::exists(dir / std::string(kStagingFolderName)) ? 1 : 0;
        Session s(dir, dir);
        s.startUp("12/30/2016");
        ASSERT_TRUE(s.openEmployee("Smith").ok);
        const auto files = filesOf(dir);
        ASSERT_TRUE(files == versions[0] || files == versions[1]) << "a mix of both versions";
        ASSERT_EQ(namesIn(dir), names);  // nothing staged or committed is left
    }
    // Most kills land in the middle of a save, which is what this test is about.
    EXPECT_GT(interrupted, kKills / 10);
    std::cout << interrupted << " of " << kKills << " kills interrupted a save\n";
}

}  // namespace
}  // namespace quillon
