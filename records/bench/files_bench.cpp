// Reading and writing every file of one employee: the profile files, state, city, non-city,
// vacation and the weekly register, in a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "records/files.hpp"

namespace {

using namespace quillon;
namespace fs = std::filesystem;

struct Employee {
    Profile p;
    StateSettings s;
    CitySettings c;
    NonCitySettings n;
    VacationRecord v;
    Register r;
};

Employee sample() {
    Employee e;
    e.p.EmpName = std::string("Mary O'Neil");
    e.p.FedStatus = std::string("Married");
    e.p.FedExemptions = std::string("2");
    e.p.StateStatus = std::string("Married");
    e.p.HourRate = 18.75f;
    e.p.PayWeekly = true;
    for (int i = 0; i < 53; ++i) {
        e.p.OtDates[i] = std::string("01/08/2016");
        e.p.OtAmounts[i] = std::string("125.5");
        e.r.rows[i].Date = std::string("01/08/2016");
        e.r.rows[i].Fed = 95.12f;
        e.r.rows[i].SS = 44.64f;
        e.r.rows[i].Gross = 720.0f;
        e.r.rows[i].Net = 512.34f;
    }
    for (int i = 0; i < 10; ++i) {
        e.s.StateMinBS[i] = e.s.StateMinBM[i] = 325.0f * static_cast<float>(i);
        e.s.StatePerBS[i] = e.s.StatePerBM[i] = 0.0525f;
        e.s.StateSgExp[i] = 284.6f + 38.5f * static_cast<float>(i);
        e.c.CityMinBS[i] = e.c.CityMinBM[i] = 308.0f * static_cast<float>(i);
        e.c.CityPerBS[i] = e.c.CityPerBM[i] = 0.0265f;
    }
    e.n.NonPer = 0.0045f;
    return e;
}

class Folder {
  public:
    Folder() : path_(fs::temp_directory_path() / ("quillon-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~Folder() { fs::remove_all(path_); }
    [[nodiscard]] fs::path file(const char* ext) const { return employeeFile(path_, "Mary", ext); }

  private:
    fs::path path_;
};

bool writeAll(const Folder& f, const Employee& e) {
    bool ok =
        writeUseFile(f.file(".use"), e.p, e.s).ok() &&
        writeAndFile(f.file(".and"), e.p, e.s).ok() && writeCfeFile(f.file(".cfe"), e.p).ok() &&
        writeOvertimeFile(f.file(".ovw"), e.p, kWeeklyRows).ok() &&
        writeStateFile(f.file(".sta"), e.s, e.p).ok() && writeCityFile(f.file(".cti"), e.c).ok() &&
        writeNonCityFile(f.file(".nci"), e.n).ok() && writeVacationFile(f.file(".hol"), e.v).ok() &&
        writeRegisterFile(f.file(".yrw"), e.r, kWeeklyRows).ok();
    return ok;
}

bool readAll(const Folder& f, Employee& e) {
    return readUseFile(f.file(".use"), e.p, e.s).ok() &&
           readAndFile(f.file(".and"), e.p, e.s).ok() && readCfeFile(f.file(".cfe"), e.p).ok() &&
           readOvertimeFile(f.file(".ovw"), e.p, kWeeklyRows).ok() &&
           readStateFile(f.file(".sta"), e.s, e.p).ok() && readCityFile(f.file(".cti"), e.c).ok() &&
           readNonCityFile(f.file(".nci"), e.n).ok() &&
           readVacationFile(f.file(".hol"), e.v).ok() &&
           readRegisterFile(f.file(".yrw"), e.r, kWeeklyRows).ok();
}

// Reading the nine files from disk.
void BM_ReadEveryFile(benchmark::State& state) {
    Folder folder;
    const Employee e = sample();
    if (!writeAll(folder, e)) {
        state.SkipWithError("cannot write the files");
        return;
    }
    for (auto _ : state) {
        Employee back;
        benchmark::DoNotOptimize(readAll(folder, back));
    }
}
BENCHMARK(BM_ReadEveryFile)->Unit(benchmark::kMicrosecond);

// Building the nine texts and reading them back, without the disk.
void BM_FormatAndParseEveryFile(benchmark::State& state) {
    const Employee e = sample();
    for (auto _ : state) {
        Employee back;
        FieldReader use(useFileText(e.p, e.s), "x");
        FieldReader and_(andFileText(e.p, e.s), "x");
        FieldReader cfe(cfeFileText(e.p), "x");
        FieldReader ovw(overtimeFileText(e.p, kWeeklyRows), "x");
        FieldReader sta(stateFileText(e.s, e.p), "x");
        FieldReader cti(cityFileText(e.c), "x");
        FieldReader nci(nonCityFileText(e.n), "x");
        FieldReader hol(vacationFileText(e.v), "x");
        FieldReader yrw(registerFileText(e.r, kWeeklyRows), "x");
        benchmark::DoNotOptimize(readUseFile(use, back.p, back.s));
        benchmark::DoNotOptimize(readAndFile(and_, back.p, back.s));
        benchmark::DoNotOptimize(readCfeFile(cfe, back.p));
        benchmark::DoNotOptimize(readOvertimeFile(ovw, back.p, kWeeklyRows));
        benchmark::DoNotOptimize(readStateFile(sta, back.s, back.p));
        benchmark::DoNotOptimize(readCityFile(cti, back.c));
        benchmark::DoNotOptimize(readNonCityFile(nci, back.n));
        benchmark::DoNotOptimize(readVacationFile(hol, back.v));
        benchmark::DoNotOptimize(readRegisterFile(yrw, back.r, kWeeklyRows));
    }
}
BENCHMARK(BM_FormatAndParseEveryFile)->Unit(benchmark::kMicrosecond);

// Saving the nine files again when nothing changed: each is compared and left as it is, which is
// what most saves of an employee meet.
void BM_WriteEveryFileUnchanged(benchmark::State& state) {
    Folder folder;
    const Employee e = sample();
    benchmark::DoNotOptimize(writeAll(folder, e));
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeAll(folder, e));
    }
}
BENCHMARK(BM_WriteEveryFileUnchanged)->Unit(benchmark::kMillisecond);

// Writing the nine files when every one changes: each is replaced atomically and flushed to the
// disk, so the time is mostly the disk's.
void BM_WriteEveryFileChanged(benchmark::State& state) {
    Folder folder;
    Employee e = sample();
    for (auto _ : state) {
        e.p.HourRate += 0.25f;
        e.s.StateAdj += 1;
        e.c.CityAmtBS[0] += 1;
        e.n.NonPer += 0.001f;
        e.v.VacStart += 1;
        e.r.rows[0].Fed += 1;
        e.p.CafeAmt += 1;
        e.p.OtAmounts[0] = std::to_string(state.iterations());
        e.p.EmpAddress = std::to_string(state.iterations());
        benchmark::DoNotOptimize(writeAll(folder, e));
    }
}
BENCHMARK(BM_WriteEveryFileChanged)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
