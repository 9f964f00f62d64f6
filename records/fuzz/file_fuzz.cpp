// Arbitrary bytes as one kind of file (QUILLON_FUZZ_KIND: "use", "ovb", "yrb", ...). Nothing may
// crash, read out of bounds, hang or reach undefined behaviour, and:
// - a file refused names its line;
// - a file read whole is written back as a text that reads whole again and is written back the
//   same (what the program saves, it can open again).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

#include "records/files.hpp"

namespace {

using namespace quillon;

// Reads the text into the kind's records; on success gives the text the writer stores for them.
struct Kind {
    std::string_view name;
    std::function<Status(FieldReader&, std::string&)> readAndWrite;
};

template <typename Read, typename Write>
Kind kind(std::string_view name, Read read, Write write) {
    return Kind{name, [read, write](FieldReader& in, std::string& written) {
                    auto records = read(in);
                    if (records.first.ok()) {
                        written = write(records.second);
                    }
                    return records.first;
                }};
}

template <typename Record, typename Read>
std::pair<Status, Record> readInto(FieldReader& in, Read read) {
    Record r{};
    Status error = read(in, r);
    return {error, r};
}

struct ProfileAndState {
    Profile p;
    StateSettings s;
};

const Kind& selectedKind() {
    static const Kind kinds[] = {
        kind(
            "use",
            [](FieldReader& in) {
                return readInto<ProfileAndState>(in, [](FieldReader& f, ProfileAndState& r) {
                    return readUseFile(f, r.p, r.s);
                });
            },
            [](const ProfileAndState& r) { return useFileText(r.p, r.s); }),
        kind(
            "and",
            [](FieldReader& in) {
                return readInto<ProfileAndState>(in, [](FieldReader& f, ProfileAndState& r) {
                    return readAndFile(f, r.p, r.s);
                });
            },
            [](const ProfileAndState& r) { return andFileText(r.p, r.s); }),
        kind(
            "cfe",
            [](FieldReader& in) {
                return readInto<Profile>(
                    in, [](FieldReader& f, Profile& p) { return readCfeFile(f, p); });
            },
            [](const Profile& p) { return cfeFileText(p); }),
        kind(
            "ovw",
            [](FieldReader& in) {
                return readInto<Profile>(in, [](FieldReader& f, Profile& p) {
                    return readOvertimeFile(f, p, kWeeklyRows);
                });
            },
            [](const Profile& p) { return overtimeFileText(p, kWeeklyRows); }),
        kind(
            "ovb",
            [](FieldReader& in) {
                return readInto<Profile>(in, [](FieldReader& f, Profile& p) {
                    return readOvertimeFile(f, p, kBiWeeklyRows);
                });
            },
            [](const Profile& p) { return overtimeFileText(p, kBiWeeklyRows); }),
        kind(
            "sta",
            [](FieldReader& in) {
                return readInto<ProfileAndState>(in, [](FieldReader& f, ProfileAndState& r) {
                    return readStateFile(f, r.s, r.p);
                });
            },
            [](const ProfileAndState& r) { return stateFileText(r.s, r.p); }),
        kind(
            "cti",
            [](FieldReader& in) {
                return readInto<CitySettings>(
                    in, [](FieldReader& f, CitySettings& c) { return readCityFile(f, c); });
            },
            [](const CitySettings& c) { return cityFileText(c); }),
        kind(
            "nci",
            [](FieldReader& in) {
                return readInto<NonCitySettings>(
                    in, [](FieldReader& f, NonCitySettings& n) { return readNonCityFile(f, n); });
            },
            [](const NonCitySettings& n) { return nonCityFileText(n); }),
        kind(
            "hol",
            [](FieldReader& in) {
                return readInto<VacationRecord>(
                    in, [](FieldReader& f, VacationRecord& v) { return readVacationFile(f, v); });
            },
            [](const VacationRecord& v) { return vacationFileText(v); }),
        kind(
            "yrw",
            [](FieldReader& in) {
                return readInto<Register>(in, [](FieldReader& f, Register& r) {
                    return readRegisterFile(f, r, kWeeklyRows);
                });
            },
            [](const Register& r) { return registerFileText(r, kWeeklyRows); }),
        kind(
            "yrb",
            [](FieldReader& in) {
                return readInto<Register>(in, [](FieldReader& f, Register& r) {
                    return readRegisterFile(f, r, kBiWeeklyRows);
                });
            },
            [](const Register& r) { return registerFileText(r, kBiWeeklyRows); }),
        kind(
            "sav",
            [](FieldReader& in) {
                return readInto<CompanyHeading>(
                    in, [](FieldReader& f, CompanyHeading& h) { return readHeadingFile(f, h); });
            },
            [](const CompanyHeading& h) { return headingFileText(h); }),
        kind(
            "prv",
            [](FieldReader& in) {
                return readInto<SavedPeriod>(
                    in, [](FieldReader& f, SavedPeriod& p) { return readPeriodFile(f, p); });
            },
            [](const SavedPeriod& p) { return periodFileText(p); }),
        kind(
            "dtt",
            [](FieldReader& in) {
                return readInto<FederalTable>(
                    in, [](FieldReader& f, FederalTable& t) { return readFederalTable(f, t); });
            },
            [](const FederalTable& t) { return federalTableText(t); }),
    };
    for (const Kind& k : kinds) {
        if (k.name == QUILLON_FUZZ_KIND) {
            return k;
        }
    }
    std::abort();  // a kind the build named but this table lacks
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Kind& k = selectedKind();
    FieldReader in(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
    std::string written;
    Status error = k.readAndWrite(in, written);
    if (error.failed()) {
        if (error.error().line <= 0 || error.error().file != "fuzz") {
            std::abort();  // a refusal that does not say where
        }
        (void)error.error().describe();
        return 0;
    }
    // Read whole: what is written back reads whole, and is written back the same.
    FieldReader again(written, "again");
    std::string rewritten;
    if (k.readAndWrite(again, rewritten).failed() || rewritten != written) {
        std::abort();
    }
    return 0;
}
