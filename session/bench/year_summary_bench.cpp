// The quarter and year figures over 1,000 weekly employees with a full register each (53 rows of
// 4,000.00, so that every one crosses the Social Security base and 200,000): the computation
// alone, the folder's reading alone, and both, which is the core of `summary --year`.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "records/files.hpp"
#include "session/year_folder.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

constexpr int kEmployees = 1000;

// Friday number `week` (0 to 52) of 2016: 1/1 to 12/30.
Date2016 friday(int week) {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Date2016 date{1, 1 + 7 * week};
    while (date.day > kDays[date.month - 1]) {
        date.day -= kDays[date.month - 1];
        ++date.month;
    }
    return date;
}

YearEmployee employee(int n) {
    YearEmployee e;
    e.userFile = "Employee" + std::to_string(n);
    e.EmpName = "Employee number " + std::to_string(n);
    e.rows.resize(kWeeklyRows);
    for (int week = 0; week < kWeeklyRows; ++week) {
        RegisterRow& row = e.rows[static_cast<std::size_t>(week)];
        row.Date = dateText(friday(week));
        row.Gross = 4000;
        row.Fed = 612.35f;
        row.SS = 241.8f;
        row.Medi = 56.55f;
        row.State = 180.4f;
        row.City = 40;
        row.Misc = 50;
        row.Kplan = 120;
        row.Cafe = 50;
        row.Tips = 75;
        row.Net = 2698.9f;
        row.Sdi = 12;
    }
    return e;
}

std::vector<YearEmployee> employees() {
    std::vector<YearEmployee> all;
    all.reserve(kEmployees);
    for (int n = 0; n < kEmployees; ++n) {
        all.push_back(employee(n));
    }
    return all;
}

// The employees' files, written plainly (the benchmark measures the reading, not the saving).
class BenchFolder {
  public:
    BenchFolder()
        : path_(fs::temp_directory_path() / ("quillon-year-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
        for (const YearEmployee& e : employees()) {
            Profile p;
            StateSettings s;
            p.EmpName = e.EmpName;
            p.PayWeekly = true;
            Register r;
            std::copy(e.rows.begin(), e.rows.end(), r.rows.begin());
            r.totals = AddAnnual(r.rows, kWeeklyRows);
            put(e.userFile + ".use", useFileText(p, s));
            put(e.userFile + ".and", andFileText(p, s));
            put(e.userFile + ".cfe", cfeFileText(p));
            put(e.userFile + ".sta", stateFileText(s, p));
            put(e.userFile + ".yrw", registerFileText(r, kWeeklyRows));
        }
    }
    ~BenchFolder() { fs::remove_all(path_); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    [[nodiscard]] const fs::path& path() const { return path_; }

  private:
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(path_ / name, std::ios::binary) << text;
    }
    fs::path path_;
};

const BenchFolder& folder() {
    static const BenchFolder built;
    return built;
}

void BM_SummarizeYear(benchmark::State& state) {
    const std::vector<YearEmployee> all = employees();
    for (auto _ : state) {
        benchmark::DoNotOptimize(summarize(all, SummaryPeriod::wholeYear()));
    }
}
BENCHMARK(BM_SummarizeYear)->Unit(benchmark::kMillisecond);

void BM_SummarizeQuarter(benchmark::State& state) {
    const std::vector<YearEmployee> all = employees();
    for (auto _ : state) {
        benchmark::DoNotOptimize(summarize(all, SummaryPeriod::ofQuarter(3)));
    }
}
BENCHMARK(BM_SummarizeQuarter)->Unit(benchmark::kMillisecond);

void BM_ReadYearFolder(benchmark::State& state) {
    const fs::path& path = folder().path();
    for (auto _ : state) {
        auto read = readYearFolder(path);
        if (!std::holds_alternative<YearFolder>(read) ||
            std::get<YearFolder>(read).employees.size() != kEmployees) {
            state.SkipWithError("the folder was not read whole");
            break;
        }
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_ReadYearFolder)->Unit(benchmark::kMillisecond);

void BM_ReadAndSummarizeYear(benchmark::State& state) {
    const fs::path& path = folder().path();
    for (auto _ : state) {
        auto read = readYearFolder(path);
        if (!std::holds_alternative<YearFolder>(read)) {
            state.SkipWithError("the folder was not read");
            break;
        }
        benchmark::DoNotOptimize(
            summarize(std::get<YearFolder>(read).employees, SummaryPeriod::wholeYear()));
    }
}
BENCHMARK(BM_ReadAndSummarizeYear)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
