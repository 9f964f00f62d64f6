// Readers and writers of every file of an employee, of the default files, of the federal table
// and of the company heading. Readers fill the records in place and stop at the first field that
// does not fit, keeping what was read before (a caller that must not keep half a file reads into
// a copy); a file with anything but blanks and line ends after its last field is refused too.
// Writers replace the file atomically.
//
// Each reader taking a path reports a file it cannot read as an error: "the file does not
// exist", "a folder in place of the file", "cannot open the file: ...". Given asRead, it also
// says what the file held as it was read (Fingerprint), for a later save to check that no other
// program changed the file in between (FileContent::readAs). Callers that start from
// defaults where a file is missing test fileExists() first (true for anything under the name, so
// a file that is there but cannot be read is reported, not taken as missing). Each reader also
// comes as an overload taking a FieldReader (text already in memory), and each writer has a
// ...Text() function that builds the file's text without writing it and a ...Content() function
// that builds it for writeFiles (records/save.hpp), which saves several files as one
// transaction. A writer refuses (and leaves the file alone) when a number could not be read
// back (not finite, or a billion or more).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/register.hpp"
#include "engine/tables.hpp"
#include "records/fields.hpp"
#include "records/profile.hpp"
#include "records/save.hpp"

namespace quillon {

// Every reader and writer returns a Status (records/status.hpp): done, or the FileError that
// names the file, the line, the field and the problem.

// The path of an employee file: folder / (userFile + extension). An empty userFile names the
// default files (".sta" and so on).
[[nodiscard]] std::filesystem::path employeeFile(const std::filesystem::path& folder,
                                                 std::string_view userFile,
                                                 std::string_view extension);

// Profile files. ".use" (12 lines) also carries StateWisconApril; ".and" (9 lines) carries
// SpouseWorks, CalAllow, RoundState, StateUtah, StateWiscon, StateAlabama and StateNC.
Status readUseFile(const std::filesystem::path& file, Profile& p, StateSettings& s,
                   Fingerprint* asRead = nullptr);
Status writeUseFile(const std::filesystem::path& file, const Profile& p, const StateSettings& s);
Status readAndFile(const std::filesystem::path& file, Profile& p, StateSettings& s,
                   Fingerprint* asRead = nullptr);
Status writeAndFile(const std::filesystem::path& file, const Profile& p, const StateSettings& s);
Status readCfeFile(const std::filesystem::path& file, Profile& p, Fingerprint* asRead = nullptr);
Status writeCfeFile(const std::filesystem::path& file, const Profile& p);
// Overtime grid: ".ovw" has rows 0 to 52, ".ovb" rows 0 to 26. Each line: the date text and
// the amount, written as a number (an amount text that is not a number is written as 0) and
// read back as its text.
Status readOvertimeFile(const std::filesystem::path& file, Profile& p, int rows,
                        Fingerprint* asRead = nullptr);
Status writeOvertimeFile(const std::filesystem::path& file, const Profile& p, int rows);

// State file ".sta" (23 lines): the state settings and five employee fields (SSMediExempt,
// StateExemptions, StateStatus, FedExempt, FedAddWithhold).
Status readStateFile(const std::filesystem::path& file, StateSettings& s, Profile& p,
                     Fingerprint* asRead = nullptr);
Status writeStateFile(const std::filesystem::path& file, const StateSettings& s, const Profile& p);

// City file ".cti" (21 lines) and non-city file ".nci" (9 lines).
Status readCityFile(const std::filesystem::path& file, CitySettings& c,
                    Fingerprint* asRead = nullptr);
Status writeCityFile(const std::filesystem::path& file, const CitySettings& c);
Status readNonCityFile(const std::filesystem::path& file, NonCitySettings& n,
                       Fingerprint* asRead = nullptr);
Status writeNonCityFile(const std::filesystem::path& file, const NonCitySettings& n);

// Vacation file ".hol" (41 lines).
struct VacationRecord {
    float VacBal = 0, VacStart = 0, HolBal = 0, HolStart = 0, SickBal = 0, SickStart = 0;
    std::array<float, 20> VacTaken{}, HolTaken{}, SickTaken{};
    std::array<std::string, 20> VacDate{}, HolDate{}, SickDate{};

    friend bool operator==(const VacationRecord&, const VacationRecord&) = default;
};
Status readVacationFile(const std::filesystem::path& file, VacationRecord& v,
                        Fingerprint* asRead = nullptr);
Status writeVacationFile(const std::filesystem::path& file, const VacationRecord& v);

// Register files ".yrw" (53 rows, 215 lines) and ".yrb" (27 rows, 111 lines): four lines per
// used row, then three lines of totals (TotSdi, TotSui and TotCafe are not stored).
Status readRegisterFile(const std::filesystem::path& file, Register& r, int usedRows,
                        Fingerprint* asRead = nullptr);
Status writeRegisterFile(const std::filesystem::path& file, const Register& r, int usedRows);

// Company heading "Header.sav" (1 line).
struct CompanyHeading {
    std::string HeadCompany, HeadAddress, HeadZip, HeadId;

    friend bool operator==(const CompanyHeading&, const CompanyHeading&) = default;
};
Status readHeadingFile(const std::filesystem::path& file, CompanyHeading& h,
                       Fingerprint* asRead = nullptr);
Status writeHeadingFile(const std::filesystem::path& file, const CompanyHeading& h);

// Saved pay period ".prv" (26 lines, one number each): the eight entries, result rows 0 to 10,
// SDI, SUI, cafeteria, gross, taxes, deductions, net.
struct SavedPeriod {
    std::array<float, 8> entries{};
    std::array<float, 11> rows{};
    float sdi = 0, sui = 0, cafe = 0, gross = 0, taxes = 0, deductions = 0, net = 0;

    friend bool operator==(const SavedPeriod&, const SavedPeriod&) = default;
};
Status readPeriodFile(const std::filesystem::path& file, SavedPeriod& period,
                      Fingerprint* asRead = nullptr);
Status writePeriodFile(const std::filesystem::path& file, const SavedPeriod& period);
// The saved-period file name: userFile + two blanks + the date with "/" turned into "_" +
// ".prv" ("Employee1  12_31_2016.prv").
[[nodiscard]] std::string periodFileName(std::string_view userFile, std::string_view weekEnding);

// Federal table "Federal16.dtt" (43 lines).
inline constexpr std::string_view kFederalTableFileName = "Federal16.dtt";
Status readFederalTable(const std::filesystem::path& file, FederalTable& t,
                        Fingerprint* asRead = nullptr);
Status writeFederalTable(const std::filesystem::path& file, const FederalTable& t);

// Where the federal table is: the working folder first, then the program's installed data
// folder. nullopt when neither holds a readable Federal16.dtt.
[[nodiscard]] std::optional<std::filesystem::path> findFederalTable(
    const std::filesystem::path& workingFolder, const std::filesystem::path& installedDataFolder);

// The same readers on text already in memory, and the text each writer stores.
Status readUseFile(FieldReader& in, Profile& p, StateSettings& s);
Status readAndFile(FieldReader& in, Profile& p, StateSettings& s);
Status readCfeFile(FieldReader& in, Profile& p);
Status readOvertimeFile(FieldReader& in, Profile& p, int rows);
Status readStateFile(FieldReader& in, StateSettings& s, Profile& p);
Status readCityFile(FieldReader& in, CitySettings& c);
Status readNonCityFile(FieldReader& in, NonCitySettings& n);
Status readVacationFile(FieldReader& in, VacationRecord& v);
Status readRegisterFile(FieldReader& in, Register& r, int usedRows);
Status readHeadingFile(FieldReader& in, CompanyHeading& h);
Status readPeriodFile(FieldReader& in, SavedPeriod& period);
Status readFederalTable(FieldReader& in, FederalTable& t);

[[nodiscard]] std::string useFileText(const Profile& p, const StateSettings& s);
[[nodiscard]] std::string andFileText(const Profile& p, const StateSettings& s);
[[nodiscard]] std::string cfeFileText(const Profile& p);
[[nodiscard]] std::string overtimeFileText(const Profile& p, int rows);
[[nodiscard]] std::string stateFileText(const StateSettings& s, const Profile& p);
[[nodiscard]] std::string cityFileText(const CitySettings& c);
[[nodiscard]] std::string nonCityFileText(const NonCitySettings& n);
[[nodiscard]] std::string vacationFileText(const VacationRecord& v);
[[nodiscard]] std::string registerFileText(const Register& r, int usedRows);
[[nodiscard]] std::string headingFileText(const CompanyHeading& h);
[[nodiscard]] std::string periodFileText(const SavedPeriod& period);
[[nodiscard]] std::string federalTableText(const FederalTable& t);

[[nodiscard]] FileContent useFileContent(const std::filesystem::path& file, const Profile& p,
                                         const StateSettings& s);
[[nodiscard]] FileContent andFileContent(const std::filesystem::path& file, const Profile& p,
                                         const StateSettings& s);
[[nodiscard]] FileContent cfeFileContent(const std::filesystem::path& file, const Profile& p);
[[nodiscard]] FileContent overtimeFileContent(const std::filesystem::path& file, const Profile& p,
                                              int rows);
[[nodiscard]] FileContent stateFileContent(const std::filesystem::path& file,
                                           const StateSettings& s, const Profile& p);
[[nodiscard]] FileContent cityFileContent(const std::filesystem::path& file, const CitySettings& c);
[[nodiscard]] FileContent nonCityFileContent(const std::filesystem::path& file,
                                             const NonCitySettings& n);
[[nodiscard]] FileContent vacationFileContent(const std::filesystem::path& file,
                                              const VacationRecord& v);
[[nodiscard]] FileContent periodFileContent(const std::filesystem::path& file,
                                            const SavedPeriod& period);
[[nodiscard]] FileContent registerFileContent(const std::filesystem::path& file, const Register& r,
                                              int usedRows);

}  // namespace quillon
