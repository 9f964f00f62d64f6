// Every reader against the damage files suffer: a number split by a line break, a field too many,
// a line twice, a line missing, a number no pay period holds, NaN. Each is refused, naming the
// file and the line, and what the original program wrote in any arrangement of lines still reads.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "records/files.hpp"

#include "records/tests/file_text.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const fs::path kData = QUILLON_TEST_DATA;

using testing::contentOf;
using testing::linesOf;
using testing::textOf;

// Where the first number of the file stands: its line (from 0), offset and length.
struct NumberAt {
    std::size_t line = 0, offset = 0, length = 0;
};

std::optional<NumberAt> firstNumber(const std::vector<std::string>& lines, std::size_t minLength) {
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const std::string& line = lines[l];
        std::size_t i = 0;
        while (i <= line.size()) {
            while (i < line.size() && line[i] == ' ') {
                ++i;
            }
            std::size_t end = i;
            if (i < line.size() && line[i] == '"') {
                end = line.find('"', i + 1) + 1;
            } else {
                while (end < line.size() && line[end] != ',') {
                    ++end;
                }
                std::size_t last = end;
                while (last > i && line[last - 1] == ' ') {
                    --last;
                }
                const std::string field = line.substr(i, last - i);
                if (field.size() >= minLength && field.find_first_of("#\"") == std::string::npos &&
                    strictNumber(field)) {
                    return NumberAt{l, i, last - i};
                }
            }
            i = line.find(',', end);
            if (i == std::string::npos) {
                break;
            }
            ++i;
        }
    }
    return std::nullopt;
}

struct Kind {
    const char* name;  // as the error names the file
    std::string good;
    std::function<Status(FieldReader&)> read;
};

std::vector<Kind> everyKind() {
    Register weekly;
    weekly.rows[0].Date = "01/08/2016";
    weekly.rows[0].Fed = 54.23f;
    weekly.rows[0].Gross = 620;
    weekly.totals.TotGross = Currency::fromDouble(620);
    return {
        {"Smith.use", contentOf(kData / "Original.use"),
         [](FieldReader& in) {
             Profile p;
             StateSettings s;
             return readUseFile(in, p, s);
         }},
        {"Smith.and", contentOf(kData / "Original.and"),
         [](FieldReader& in) {
             Profile p;
             StateSettings s;
             return readAndFile(in, p, s);
         }},
        {"Smith.cfe", contentOf(kData / "Original.cfe"),
         [](FieldReader& in) {
             Profile p;
             return readCfeFile(in, p);
         }},
        {"Smith.ovw", contentOf(kData / "Original.ovw"),
         [](FieldReader& in) {
             Profile p;
             return readOvertimeFile(in, p, kWeeklyRows);
         }},
        {"Smith.ovb", contentOf(kData / "Original.ovb"),
         [](FieldReader& in) {
             Profile p;
             return readOvertimeFile(in, p, kBiWeeklyRows);
         }},
        {"Smith.sta", contentOf(kData / "Original.sta"),
         [](FieldReader& in) {
             Profile p;
             StateSettings s;
             return readStateFile(in, s, p);
         }},
        {"Smith.cti", contentOf(kData / "Original.cti"),
         [](FieldReader& in) {
             CitySettings c;
             return readCityFile(in, c);
         }},
        {"Smith.nci", contentOf(kData / "Original.nci"),
         [](FieldReader& in) {
             NonCitySettings n;
             return readNonCityFile(in, n);
         }},
        {"Smith.hol", contentOf(kData / "Original.hol"),
         [](FieldReader& in) {
             VacationRecord v;
             return readVacationFile(in, v);
         }},
        {"Smith.yrw", registerFileText(weekly, kWeeklyRows),
         [](FieldReader& in) {
             Register r;
             return readRegisterFile(in, r, kWeeklyRows);
         }},
        {"Smith.yrb", contentOf(kData / "Original.yrb"),
         [](FieldReader& in) {
             Register r;
             return readRegisterFile(in, r, kBiWeeklyRows);
         }},
        {"Header.sav", contentOf(kData / "Header.sav"),
         [](FieldReader& in) {
             CompanyHeading h;
             return readHeadingFile(in, h);
         }},
        {"Smith  12_31_2016.prv", contentOf(kData / "Original  12_31_2016.prv"),
         [](FieldReader& in) {
             SavedPeriod period;
             return readPeriodFile(in, period);
         }},
        {"Federal16.dtt", contentOf(fs::path(QUILLON_SOURCE_DIR) / "data" / "Federal16.dtt"),
         [](FieldReader& in) {
             FederalTable t;
             return readFederalTable(in, t);
         }},
    };
}

Status readText(const Kind& kind, const std::string& text) {
    FieldReader in(text, kind.name);
    return kind.read(in);
}

TEST(DamagedFiles, EveryReaderReadsItsFileInAnyArrangementOfLines) {
    for (const Kind& kind : everyKind()) {
        SCOPED_TRACE(kind.name);
        Status whole = readText(kind, kind.good);
        ASSERT_FALSE(whole.failed()) << whole.error().describe();
        // Only the order of the fields binds: one field per line, LF ends, blank lines at the
        // end and blanks around the fields all read the same.
        std::string onePerLine;
        bool quoted = false;
        for (char c : kind.good) {
            quoted = c == '"' ? !quoted : quoted;
            onePerLine += !quoted && c == ',' ? std::string("\n") : std::string(1, c);
        }
        for (const std::string& text : {onePerLine + "\r\n\r\n", kind.good + "  \n \r\n"}) {
            Status rearranged = readText(kind, text);
            EXPECT_FALSE(rearranged.failed()) << rearranged.error().describe();
        }
    }
}

TEST(DamagedFiles, EveryReaderRefusesDamageNamingTheFileAndTheLine) {
    struct Damage {
        const char* what;
        // The damaged text, or nullopt where the file has nothing to damage that way; the line
        // the error must name, 0 where any line will do.
        std::function<std::optional<std::pair<std::string, int>>(std::vector<std::string>)> make;
        const char* problem;  // the start of the expected problem, "" where it depends
    };
    const Damage damages[] = {
        {"a number split by a line break",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             auto at = firstNumber(lines, 2);
             if (!at) {
                 return std::nullopt;
             }
             lines[at->line].insert(at->offset + 1, "\r\n");
             return std::pair{textOf(lines), 0};
         },
         ""},
        {"a field too many at the end",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             lines.back() += ",0";
             return std::pair{textOf(lines), static_cast<int>(lines.size())};
         },
         "more fields than the file holds"},
        {"a line twice",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             lines.insert(lines.begin() + 1, lines[0]);
             return std::pair{textOf(lines), 0};
         },
         ""},
        {"a line missing",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             lines.erase(lines.begin() + (lines.size() > 1 ? 1 : 0));
             return std::pair{textOf(lines), 0};
         },
         ""},
        {"1e30 in place of a number",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             auto at = firstNumber(lines, 1);
             if (!at) {
                 return std::nullopt;
             }
             lines[at->line].replace(at->offset, at->length, "1e30");
             return std::pair{textOf(lines), static_cast<int>(at->line) + 1};
         },
         "number out of range: \"1e30\""},
        {"NaN in place of a number",
         [](std::vector<std::string> lines) -> std::optional<std::pair<std::string, int>> {
             auto at = firstNumber(lines, 1);
             if (!at) {
                 return std::nullopt;
             }
             lines[at->line].replace(at->offset, at->length, "NaN");
             return std::pair{textOf(lines), static_cast<int>(at->line) + 1};
         },
         "not a number: \"NaN\""},
    };
    for (const Kind& kind : everyKind()) {
        for (const Damage& damage : damages) {
            SCOPED_TRACE(std::string(kind.name) + ", " + damage.what);
            auto damaged = damage.make(linesOf(kind.good));
            if (!damaged) {
                continue;  // the heading holds no number
            }
            Status error = readText(kind, damaged->first);
            ASSERT_TRUE(error.failed());
            EXPECT_EQ(error.error().file, kind.name);
            EXPECT_GT(error.error().line, 0) << error.error().describe();
            if (damaged->second != 0) {
                EXPECT_EQ(error.error().line, damaged->second) << error.error().describe();
            }
            EXPECT_EQ(error.error().problem.rfind(damage.problem, 0), 0u)
                << error.error().describe();
            EXPECT_EQ(error.error().describe().rfind(std::string(kind.name) + ", line ", 0), 0u);
        }
    }
}

// The shift a split number causes is found where the file's fields stop fitting: at the end, or
// earlier where a number lands in a string's place.
TEST(DamagedFiles, ASplitNumberIsFoundWhereTheFieldsStopFitting) {
    std::vector<std::string> lines = linesOf(contentOf(kData / "Original.cti"));
    lines[1].insert(1, "\r\n");  // "308" becomes "3" and "08"
    FieldReader in(textOf(lines), "Emp.cti");
    CitySettings c;
    Status error = readCityFile(in, c);
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe(),
              "Emp.cti, line 22, field 2: more fields than the file holds: \"558\"");

    lines = linesOf(contentOf(kData / "Original.sta"));
    lines[21].insert(1, "\r\n");
    FieldReader state(textOf(lines), "Emp.sta");
    StateSettings s;
    Profile p;
    error = readStateFile(state, s, p);
    ASSERT_TRUE(error.failed());
    // Line 22's fields move one place on: a number comes where the status string belongs.
    EXPECT_EQ(error.error().describe(),
              "Emp.sta, line 24, field 4: not a string in double quotes: \"3\"");
}

}  // namespace
}  // namespace quillon
