// Every file of employees read with its own reader, nothing kept but the verdict.
#include "session/check.hpp"

#include <algorithm>
#include <functional>
#include <optional>
#include <string_view>

#include "records/files.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using Reader = std::function<Status(const fs::path&)>;

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The reader of a file, by its name; nullopt for a file that is none of the program's.
std::optional<Reader> readerFor(const std::string& name) {
    if (name == kFederalTableFileName) {
        return [](const fs::path& f) {
            FederalTable t;
            return readFederalTable(f, t);
        };
    }
    if (name == "Header.sav") {
        return [](const fs::path& f) {
            CompanyHeading h;
            return readHeadingFile(f, h);
        };
    }
    if (endsWith(name, ".prv")) {
        return [](const fs::path& f) {
            SavedPeriod period;
            return readPeriodFile(f, period);
        };
    }
    struct Kind {
        std::string_view ext;
        Reader read;
    };
    static const Kind kinds[] = {
        {".use",
         [](const fs::path& f) {
             Profile p;
             StateSettings s;
             return readUseFile(f, p, s);
         }},
        {".and",
         [](const fs::path& f) {
             Profile p;
             StateSettings s;
             return readAndFile(f, p, s);
         }},
        {".cfe",
         [](const fs::path& f) {
             Profile p;
             return readCfeFile(f, p);
         }},
        {".ovw",
         [](const fs::path& f) {
             Profile p;
             return readOvertimeFile(f, p, kWeeklyRows);
         }},
        {".ovb",
         [](const fs::path& f) {
             Profile p;
             return readOvertimeFile(f, p, kBiWeeklyRows);
         }},
        {".sta",
         [](const fs::path& f) {
             StateSettings s;
             Profile p;
             return readStateFile(f, s, p);
         }},
        {".cti",
         [](const fs::path& f) {
             CitySettings c;
             return readCityFile(f, c);
         }},
        {".nci",
         [](const fs::path& f) {
             NonCitySettings n;
             return readNonCityFile(f, n);
         }},
        {".hol",
         [](const fs::path& f) {
             VacationRecord v;
             return readVacationFile(f, v);
         }},
        {".yrw",
         [](const fs::path& f) {
             Register r;
             return readRegisterFile(f, r, kWeeklyRows);
         }},
        {".yrb",
         [](const fs::path& f) {
             Register r;
             return readRegisterFile(f, r, kBiWeeklyRows);
         }},
    };
    for (const Kind& kind : kinds) {
        if (endsWith(name, kind.ext)) {
            return kind.read;
        }
    }
    return std::nullopt;
}

std::vector<std::string> namesInFolder(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

CheckReport checkEmployeeFiles(const fs::path& folder, const std::vector<std::string>& names,
                               const FolderLock* held) {
    CheckReport report;
    report.recovery = finishInterruptedSave(folder, held);

    const std::vector<std::string> inFolder = namesInFolder(folder);
    std::vector<std::string> toRead;
    if (names.empty()) {
        for (const std::string& name : inFolder) {
            if (name != kStagingFolderName && readerFor(name)) {
                toRead.push_back(name);
            }
        }
    }
    for (const std::string& employee : names) {
        if (employee.find('/') != std::string::npos || employee == "." || employee == "..") {
            report.damaged.push_back(FileError{employee, 0, 0, "not an employee's name"});
            continue;
        }
        if (!fileExists(employeeFile(folder, employee, ".use"))) {
            report.damaged.push_back(FileError{employee + ".use", 0, 0, "the file does not exist"});
        }
        for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".ovb", ".sta", ".cti", ".nci",
                                ".hol", ".yrw", ".yrb"}) {
            if (fileExists(employeeFile(folder, employee, ext))) {
                toRead.push_back(employee + ext);
            }
        }
        for (const std::string& name : inFolder) {
            if (name.rfind(employee + "  ", 0) == 0 && endsWith(name, ".prv")) {
                toRead.push_back(name);
            }
        }
    }
    std::sort(toRead.begin(), toRead.end());
    toRead.erase(std::unique(toRead.begin(), toRead.end()), toRead.end());

    for (const std::string& name : toRead) {
        if (Status status = (*readerFor(name))(folder / name); status.failed()) {
            report.damaged.push_back(status.error());
        } else {
            ++report.filesRead;
        }
    }
    std::stable_sort(report.damaged.begin(), report.damaged.end(),
                     [](const FileError& a, const FileError& b) { return a.file < b.file; });
    return report;
}

}  // namespace quillon
