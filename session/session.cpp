// The program's shared state and the workflows over it: start-up, new, open, save, calculate, and
// the main window's events. The settings dialogs' are in settings_dialogs.cpp.
#include "session/session.hpp"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "engine/money.hpp"
#include "session/key_filter.hpp"
#include "session/session_helpers.hpp"

namespace quillon {

using detail::append;
using detail::builtInCity;
using detail::builtInNonCity;
using detail::builtInState;
using detail::copyStateFileFields;
using detail::failed;
using detail::kCrLf;
using detail::okMessage;

namespace {

// The longest ending an employee's own files add to his name (".use", ".yrw", ...).
constexpr std::size_t kExtensionLength = 4;

// A name an employee's files can carry: no folder separators or characters a file name cannot
// hold, not only blanks. The empty name is the default files' and is allowed.
bool usableEmployeeName(const std::string& name) {
    if (name.empty()) {
        return true;
    }
    if (name.find_first_not_of(' ') == std::string::npos || name == "." || name == "..") {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 32 || u == 127 ||
               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    });
}

Message unusableNameMessage(const std::string& name) {
    return Message{MessageKind::Exclamation,
                   quotedExcerpt(name) + " cannot be used as an employee's name." + kCrLf +
                       "A name cannot hold / \\ : * ? \" < > | and cannot be only blanks.",
                   kProgramTitle};
}

// The most bytes a file name may have in the folder.
std::size_t longestFileName(const std::filesystem::path& folder) {
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : std::size_t{255};
}

// Why the name cannot be an employee's in the folder: characters a file name cannot hold, or a
// name so long that his files' names (or their paths) would be longer than the system allows.
std::optional<Message> refusedName(const std::filesystem::path& folder, const std::string& name) {
    if (!usableEmployeeName(name)) {
        return unusableNameMessage(name);
    }
    const std::size_t longest = longestFileName(folder);
    const std::string longestFile = name + std::string(kExtensionLength, 'x');
    if (longestFile.size() > longest ||
        (folder / longestFile).string().size() >= static_cast<std::size_t>(PATH_MAX)) {
        return Message{MessageKind::Exclamation,
                       quotedExcerpt(name) + " is too long for an employee's name." + kCrLf +
                           "The names of his files would be longer than a file name can be here (" +
                           std::to_string(longest) + " bytes). Use a shorter name.",
                       kProgramTitle};
    }
    return std::nullopt;
}

Message entryBoxMessage(std::size_t box, const std::string& text, const char* what) {
    return Message{MessageKind::Exclamation,
                   std::string("The box \"") + kEntryLabels[box] + "\" holds " +
                       quotedExcerpt(text) + ", " + what + kCrLf + "Nothing was calculated.",
                   kProgramTitle};
}

// Every result of the period within what a pay period can hold.
bool payWithinLimit(const PayResult& r) {
    for (float value : {r.GrossPay, r.TaxableWage, r.FedTax, r.SocSecTax, r.MediTax, r.StateTax,
                        r.CityTax, r.PensionAmt, r.KplanAmt, r.SDIAmt, r.SUIAmt, r.NetPay,
                        r.TotalOt, r.TotalTips, r.TaxDeduct, r.TotDeduct}) {
        if (!withinAmountLimit(static_cast<double>(value))) {
            return false;
        }
    }
    return true;
}

}  // namespace

Message corruptedFileMessage(const FileError& error) {
    if (error.line == 0) {
        // The file is there but could not be read at all: deleting it is not the remedy.
        return okMessage("Could not read " + error.file + "." + kCrLf + error.describe() + kCrLf +
                         "Nothing was read from it and nothing was written over it.");
    }
    return okMessage(std::string("You have corupted a file.") + kCrLf + "Find file," + kCrLf +
                     error.file + kCrLf + "and delete it." + kCrLf + error.describe());
}

Message writeFailedMessage(const FileError& error) {
    return okMessage("Could not save " + error.file + "." + kCrLf + error.problem + kCrLf +
                     "The file on disk is unchanged.");
}

Message checkYourNumbersMessage() {
    return okMessage(std::string("Check your numbers") + kCrLf + "No blanks" + kCrLf +
                     "Only numbers");
}

Message federalTableMissingMessage() {
    return Message{MessageKind::Exclamation,
                   std::string("   Operation Failed ! ! !") + kCrLf +
                       "Save and Open, Only in Folder" + kCrLf +
                       "where Quillon 2016 was installed" + kCrLf + "Contact LANTERNA SOFTWARE" +
                       kCrLf + "support@lanternasoftware.com",
                   kProgramTitle};
}

Message nonNumericMessage(const BadBox& box) {
    return okMessage(std::string(kNonNumericMessage) + kCrLf + "Correct the box: " + box.words +
                     "." + kCrLf + "Nothing was saved.");
}

Message refusedKeyMessage(const BadBox& box, const std::string& text) {
    return Message{MessageKind::Exclamation,
                   "The box \"" + box.words + "\" takes only the characters 0123456789, blank, " +
                       "minus and point, not " + quotedExcerpt(text) + ".",
                   kProgramTitle};
}

Session::Session(std::filesystem::path workingFolder, std::filesystem::path installedData)
    : folder(std::move(workingFolder)), dataFolder(std::move(installedData)) {}

Session::Change::Change(Session& session, Changes what, Undo undo) : session_(session) {
    session_.observers_.begin();
    session_.observers_.add(what);
    if (undo == Undo::Snapshot) {
        before_ = std::make_unique<Session>(session_);
    }
}

Session::Change::~Change() {
    if (before_) {
        session_ = std::move(*before_);  // the observers stay: a snapshot has none
    }
    session_.observers_.end();
}

std::filesystem::path Session::file(std::string_view extension) const {
    return employeeFile(folder, UserFile, extension);
}

bool Session::ProfileFileExists(std::string_view extension) const {
    return fileExists(file(extension));
}

int Session::registerRows() const {
    return profile.PayWeekly ? kWeeklyRows : kBiWeeklyRows;
}

PayFrequency Session::frequency() const {
    return PayFrequency{profile.PayWeekly, profile.PayBiWeekly};
}

// --- Saving ---------------------------------------------------------------------------------

Outcome Session::holdFolderLock() {
    auto lock = std::make_shared<const FolderLock>(folder);
    if (!lock->ok()) {
        return failed(okMessage("Could not open the folder " + quotedExcerpt(folder.string()) +
                                ": " + std::strerror(lock->error())));
    }
    folderLock = std::move(lock);
    return {};
}

void Session::rememberRead(const std::filesystem::path& path, const Fingerprint& asRead) {
    filesRead[path.string()] = asRead;
}

Outcome Session::saveFiles(const std::vector<FileContent>& files) {
    std::vector<FileContent> checked = files;
    for (FileContent& content : checked) {
        if (auto read = filesRead.find(content.file.string()); read != filesRead.end()) {
            content.readAs = read->second;
        }
    }
    if (Status status = writeFiles(checked, folderLock.get()); status.failed()) {
        return failed(writeFailedMessage(status.error()));
    }
    for (const FileContent& content : checked) {
        rememberRead(content.file, Fingerprint::of(content.text));
    }
    return {};
}

Outcome Session::finishInterruptedSave() const {
    Recovery recovery = quillon::finishInterruptedSave(folder, folderLock.get());
    if (recovery.status.failed()) {
        return failed(okMessage("An interrupted save could not be finished." + std::string(kCrLf) +
                                recovery.status.error().describe()));
    }
    return {};
}

Outcome Session::prepareProfileForSave() {
    if (taxInfo.loaded()) {
        if (auto bad = taxInfo.model->takeOverForSave(profile)) {
            return Outcome{false, {nonNumericMessage(*bad)}, *bad};
        }
    }
    const int rows = profile.PayWeekly ? kWeeklyRows : kBiWeeklyRows;
    for (int i = 0; i < rows; ++i) {
        auto& amount = profile.OtAmounts[static_cast<std::size_t>(i)];
        if (amount.empty()) {
            amount = "0";
        }
    }
    if (!profile.PayWeekly && !profile.PayBiWeekly) {
        profile.PayWeekly = true;
    }
    if (profile.KplanPercent == 0 && profile.KplanFixed == 0) {
        profile.KplanPercent = 1;
    }
    return {};
}

void Session::afterProfileSaved() {
    if (taxInfo.loaded()) {
        taxInfo.model->makeKplanExclusive(profile);
    } else if (profile.KplanPercent == 1) {
        profile.KplanFixed = 0;
    } else if (profile.KplanFixed == 1) {
        profile.KplanPercent = 0;
    }
}

std::vector<FileContent> Session::profileContents(const std::string& name) const {
    auto at = [&](std::string_view ext) { return employeeFile(folder, name, ext); };
    return {
        useFileContent(at(".use"), profile, state),
        andFileContent(at(".and"), profile, state),
        cfeFileContent(at(".cfe"), profile),
        profile.PayWeekly ? overtimeFileContent(at(".ovw"), profile, kWeeklyRows)
                          : overtimeFileContent(at(".ovb"), profile, kBiWeeklyRows),
    };
}

std::vector<FileContent> Session::employeeContents(const std::string& name) const {
    auto at = [&](std::string_view ext) { return employeeFile(folder, name, ext); };
    std::vector<FileContent> files = profileContents(name);
    files.push_back(vacationFileContent(at(".hol"), vacation));
    files.push_back(stateFileContent(at(".sta"), state, profile));
    files.push_back(cityFileContent(at(".cti"), city));
    files.push_back(nonCityFileContent(at(".nci"), nonCity));
    return files;
}

// --- Defaults -------------------------------------------------------------------------------

Outcome Session::defaultState(StateSettings& s, Profile& fields) {
    StateSettings settings = builtInState();
    Profile read = fields;
    // The built-in employee fields, as a new employee's tax information shows them.
    read.StateStatus = std::string(kDefaultStatus);
    read.StateExemptions = 0;
    read.FedExempt = 0;
    read.FedAddWithhold = 0;
    read.SSMediExempt = 0;
    auto defaultFile = [&](std::string_view ext) { return employeeFile(folder, "", ext); };
    // What was read of each default file, remembered once all of them are taken.
    std::vector<std::pair<std::filesystem::path, Fingerprint>> seen;
    auto readDefault = [&](std::string_view ext, const auto& reader) -> Status {
        const std::filesystem::path path = defaultFile(ext);
        Fingerprint asRead;
        Status status = fileExists(path) ? reader(path, &asRead) : Status::done();
        seen.emplace_back(path, asRead);
        return status;
    };
    // The state switches kept in the default profile files; the default employee's own
    // profile fields are not taken over.
    Profile scratch;
    Status status = readDefault(".sta", [&](const auto& path, Fingerprint* f) {
        return readStateFile(path, settings, read, f);
    });
    if (status.ok()) {
        status = readDefault(".use", [&](const auto& path, Fingerprint* f) {
            return readUseFile(path, scratch, settings, f);
        });
    }
    if (status.ok()) {
        status = readDefault(".and", [&](const auto& path, Fingerprint* f) {
            return readAndFile(path, scratch, settings, f);
        });
    }
    if (status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    s = settings;
    copyStateFileFields(read, fields);
    for (const auto& [path, asRead] : seen) {
        rememberRead(path, asRead);
    }
    return {};
}

Outcome Session::defaultCity(CitySettings& c) {
    CitySettings settings = builtInCity();
    const std::filesystem::path path = employeeFile(folder, "", ".cti");
    Fingerprint asRead;
    if (fileExists(path)) {
        if (Status status = readCityFile(path, settings, &asRead); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    }
    c = settings;
    rememberRead(path, asRead);
    return {};
}

Outcome Session::defaultNonCity(NonCitySettings& n) {
    NonCitySettings settings = builtInNonCity();
    const std::filesystem::path path = employeeFile(folder, "", ".nci");
    Fingerprint asRead;
    if (fileExists(path)) {
        if (Status status = readNonCityFile(path, settings, &asRead); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    }
    n = settings;
    rememberRead(path, asRead);
    return {};
}

void Session::resetEmployee() {
    profile = Profile{};
    state = builtInState();
    city = builtInCity();
    nonCity = builtInNonCity();
    vacation = VacationRecord{};
    yearRegister = Register{};
    registerWindow.reset();
    results = PayResult{};
    FedAllowAmt = StateExpAmt = CityExpAmt = 0;
    stateDialog.unload();
    cityDialog.unload();
    nonCityDialog.unload();
    taxInfo.unload();
    checkWriter.unload();
    printOffset.unload();
    main.ckLouisPrior.visible = false;
    filesRead.clear();
}

// --- Federal table --------------------------------------------------------------------------

Outcome Session::LoadFederalTable() {
    const Change change(*this, Part::MainWindow);
    std::filesystem::path path = folder / std::string(kFederalTableFileName);
    if (!fileExists(path) && !dataFolder.empty()) {
        path = dataFolder / std::string(kFederalTableFileName);
    }
    if (!fileExists(path)) {
        // Warned, and the calculation goes on with a table of zeros (a federal tax of 0).
        federal = FederalTable{};
        return Outcome{true, {federalTableMissingMessage()}};
    }
    // Read whole or not at all: a half-read table would give a wrong federal tax without
    // anyone noticing.
    FederalTable read;
    if (Status status = readFederalTable(path, read); status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    federal = read;
    main.lbTableVersion.caption = federal.FedTableVersion;
    return {};
}

// --- Profile ----------------------------------------------------------------------------------

// Reads the profile files that exist, all of them or none: a file that cannot be read leaves the
// profile as it was. A missing file leaves its fields as they are.
Outcome Session::LoadProfile() {
    const Change change(*this, Part::TaxInfo | Part::StateDialog);
    Profile p = profile;
    StateSettings s = state;
    // What was read of each file (or that it is missing), remembered once all are taken.
    std::vector<std::pair<std::filesystem::path, Fingerprint>> seen;
    auto read = [&](std::string_view ext, auto&& reader) -> Status {
        Fingerprint asRead;
        Status status = ProfileFileExists(ext) ? reader(file(ext), &asRead) : Status::done();
        seen.emplace_back(file(ext), asRead);
        return status;
    };
    Status status =
        read(".use", [&](const auto& path, Fingerprint* f) { return readUseFile(path, p, s, f); });
    if (status.ok()) {
        status = read(".and",
                      [&](const auto& path, Fingerprint* f) { return readAndFile(path, p, s, f); });
    }
    if (status.ok()) {
        status =
            read(".cfe", [&](const auto& path, Fingerprint* f) { return readCfeFile(path, p, f); });
    }
    if (status.ok()) {
        // The weekly grid when it is there, else the bi-weekly one; neither there, the missing
        // file of the frequency is remembered.
        const bool weekly = p.PayWeekly && ProfileFileExists(".ovw");
        const char* ext = weekly || (p.PayWeekly && !ProfileFileExists(".ovb")) ? ".ovw" : ".ovb";
        const int rows = weekly ? kWeeklyRows : kBiWeeklyRows;
        status = read(ext, [&](const auto& path, Fingerprint* f) {
            return readOvertimeFile(path, p, rows, f);
        });
    }
    if (status.failed()) {
        return failed(corruptedFileMessage(status.error()));
    }
    profile = p;
    state = s;
    for (const auto& [path, asRead] : seen) {
        rememberRead(path, asRead);
    }
    main.lbTableNotice.caption = profile.PayWeekly ? "Weekly Tax Tables" : "Bi-Weekly Tax Tables";
    if (taxInfo.loaded()) {
        taxInfo.model->showProfile(profile);
        return {};
    }
    return loadTaxInfo();
}

Outcome Session::SaveOT() {
    if (Outcome refused = prepareProfileForSave(); !refused.ok) {
        return refused;
    }
    Outcome outcome = saveFiles(profileContents(UserFile));
    afterProfileSaved();
    return outcome;
}

// --- Register and vacation ------------------------------------------------------------------

Outcome Session::LoadAnnual() {
    const Change change(*this, Part::Register);
    const int rows = registerRows();
    const std::string ext = profile.PayWeekly ? ".yrw" : ".yrb";
    Register read;
    Fingerprint asRead;
    if (ProfileFileExists(ext)) {
        if (Status status = readRegisterFile(file(ext), read, rows, &asRead); status.failed()) {
            return failed(corruptedFileMessage(status.error()));
        }
    }
    RegisterTotals sums = AddAnnual(read.rows, rows);
    read.totals.TotSdi = sums.TotSdi;
    read.totals.TotSui = sums.TotSui;
    read.totals.TotCafe = sums.TotCafe;
    yearRegister = read;
    rememberRead(file(ext), asRead);
    return {};
}

Outcome Session::SaveVac() {
    return saveFiles({vacationFileContent(file(".hol"), vacation)});
}

// --- Main window and workflows -------------------------------------------------------------

Outcome Session::Clear_All() {
    const Change change(*this, Part::MainWindow);
    for (TextBox& box : main.txtAmount) {
        box.text.clear();
    }
    for (Label& row : main.lbTaxDed) {
        row.caption.clear();
    }
    for (Label* label : {&main.lbSDI, &main.lbSUI, &main.lbCafe, &main.Label13, &main.lbNet,
                         &main.lbTaxes, &main.lbDeduct, &main.lbOverT, &main.lbTips}) {
        label->caption.clear();
    }
    results.TaxableWage = results.GrossPay = results.NetPay = 0;
    results.TotDeduct = results.TaxDeduct = 0;
    results.FedTax = results.StateTax = results.CityTax = 0;
    results.SDIAmt = results.SUIAmt = results.SDIYtdAfter = results.SUIYtdAfter = 0;
    results.earnings = StatementEarnings{};  // the statement of a cleared period has none
    state.StateAdj = 0;
    main.txtWeek.text = today;
    return {};
}

Outcome Session::startUp(const std::string& todayText) {
    const Change change(*this, Changes::everything());
    today = todayText;
    Outcome outcome = finishInterruptedSave();
    Outcome federalLoaded = LoadFederalTable();
    outcome.messages.insert(outcome.messages.end(), federalLoaded.messages.begin(),
                            federalLoaded.messages.end());
    main.txtWeek.text = today;
    DefaultRate = kDefaultRate;
    resetEmployee();
    (void)Clear_All();
    main.lbTableVersion.caption = federal.FedTableVersion;
    // The default files (empty name) give the settings until an employee is opened. When one
    // cannot be read, the built-in values do, and nothing is written.
    Outcome loaded;
    {
        Change loading(*this, Part::StateDialog, Change::Undo::Snapshot);
        loaded = loadStateDialog();
        if (loaded.ok) {
            loading.commit();
        }
    }
    append(outcome, loaded);
    Outcome info = loadTaxInfo();
    append(outcome, info);
    for (int i = 5; i <= 9; ++i) {
        main.lbTaxTag[static_cast<std::size_t>(i)].caption = taxInfo.model->deductionCaption(i);
    }
    return outcome;
}

Outcome Session::newEmployee(const std::string& name) {
    if (auto refused = refusedName(folder, name)) {
        return failed(*refused);
    }
    if (Outcome recovered = finishInterruptedSave(); !recovered.ok) {
        return recovered;
    }
    if (fileExists(employeeFile(folder, name, ".use"))) {
        // The existing employee's files are not touched.
        return failed(okMessage(excerpt(name) + "........" + " already exists. Use Open"));
    }
    Change change(*this, Changes::everything(), Change::Undo::Snapshot);
    UserFile = name;
    main.caption = UserFile + "  User:  ";
    main.lbUser.caption = UserFile;

    // Every employee window back to its defaults, nothing kept from the employee before. The
    // tax information is the new employee's; the settings come from the default files, else
    // the built-in values, as the calculation's loading of the missing files finds them.
    resetEmployee();
    {
        TaxInfoDialog cleared;
        cleared.ClearAll(profile);
    }
    (void)Clear_All();
    Outcome outcome = defaultNonCity(nonCity);
    if (outcome.ok) {
        append(outcome, calculate());
    }
    if (outcome.ok) {
        change.commit();
    }
    return Outcome{outcome.ok, std::move(outcome.messages)};
}

Outcome Session::openEmployee(const std::string& name) {
    if (auto refused = refusedName(folder, name)) {
        return failed(*refused);
    }
    if (Outcome recovered = finishInterruptedSave(); !recovered.ok) {
        return recovered;
    }
    if (!fileExists(employeeFile(folder, name, ".use"))) {
        return failed(okMessage("There is no employee " + quotedExcerpt(name) + " in " +
                                quotedExcerpt(folder.string()) + " (no file " + excerpt(name) +
                                ".use)."));
    }
    // Read into fresh state; on any failure the employee who was open stays open as he was.
    Change change(*this, Changes::everything(), Change::Undo::Snapshot);
    Outcome outcome = openInPlace(name);
    if (!outcome.ok) {
        return Outcome{false, std::move(outcome.messages)};
    }
    change.commit();
    return outcome;
}

Outcome Session::openInPlace(const std::string& name) {
    resetEmployee();
    UserFile = name;
    Outcome outcome = LoadProfile();
    auto step = [&](const Outcome& next) {
        append(outcome, next);
        return outcome.ok;
    };
    if (!outcome.ok || !step(LoadAnnual())) {
        return outcome;
    }
    // The federal table is the program's, not the employee's: a table that cannot be read is
    // reported here and stops the next calculation, not the opening.
    Outcome federalLoaded = LoadFederalTable();
    outcome.messages.insert(outcome.messages.end(), federalLoaded.messages.begin(),
                            federalLoaded.messages.end());
    if (!step(loadStateDialog()) || !step(loadCityDialog())) {
        return outcome;
    }
    if (!ProfileFileExists(".nci")) {
        rememberRead(file(".nci"), Fingerprint::missing());
    }
    if (!step(ProfileFileExists(".nci") ? ReadNonCityFile() : defaultNonCity(nonCity))) {
        return outcome;
    }
    Fingerprint vacationRead;
    if (ProfileFileExists(".hol")) {
        VacationRecord read;
        if (Status status = readVacationFile(file(".hol"), read, &vacationRead); status.failed()) {
            outcome.ok = false;
            outcome.messages.push_back(corruptedFileMessage(status.error()));
            return outcome;
        }
        vacation = read;
    }
    rememberRead(file(".hol"), vacationRead);
    main.caption = UserFile + "  User:  ";
    main.lbUser.caption = UserFile;
    if (taxInfo.loaded()) {
        taxInfo.model->showKplanFlags(profile);
        for (int i = 5; i <= 9; ++i) {
            main.lbTaxTag[static_cast<std::size_t>(i)].caption = taxInfo.model->deductionCaption(i);
        }
    }
    (void)Clear_All();
    return outcome;
}

Outcome Session::saveAction(const std::string& name, const std::vector<FileContent>& alsoSave) {
    const Change change(*this, Changes::everything());
    if (auto refused = refusedName(folder, name)) {
        return failed(*refused);
    }
    if (Outcome refused = prepareProfileForSave(); !refused.ok) {
        return refused;
    }
    std::vector<FileContent> files = employeeContents(name);
    files.insert(files.end(), alsoSave.begin(), alsoSave.end());
    Outcome outcome = saveFiles(files);
    afterProfileSaved();
    if (!outcome.ok) {
        return outcome;  // the employee keeps his name: nothing was saved under the new one
    }
    UserFile = name;
    main.lbUser.caption = UserFile;
    main.caption = UserFile + "  User:  ";
    // Settings dialogs on the screen stay open with the operator's edits.
    if (!stateDialog.shown) {
        stateDialog.unload();
    }
    if (!cityDialog.shown) {
        cityDialog.unload();
    }
    if (!nonCityDialog.shown) {
        nonCityDialog.unload();
    }
    return outcome;
}

Outcome Session::typeIntoEntryBox(std::size_t box, const std::string& text) {
    const Change change(*this, Part::MainWindow);
    if (box >= main.txtAmount.size()) {
        return {};
    }
    if (!isNumericBoxText(text)) {
        return failed(entryBoxMessage(
            box, text, "but takes only the characters 0123456789, blank, minus and point."));
    }
    main.txtAmount[box].text = text;
    return {};
}

Outcome Session::selectOvertimeTimes(bool oneX) {
    const Change change(*this, Part::MainWindow);
    main.opt1x.value = oneX;
    main.opt2x.value = !oneX;
    return {};
}

Outcome Session::weekEndingGiven(const std::string& date) {
    const Change change(*this, Part::MainWindow);
    main.txtWeek.text = date;
    return {};
}

Outcome Session::louisianaPriorChanged(bool checked) {
    const Change change(*this, Part::MainWindow);
    main.ckLouisPrior.value = checked ? 1 : 0;
    return {};
}

// Refuses an entry box whose text is neither blank nor a number a pay period can hold, naming
// the box.
std::optional<Message> Session::checkEntryBoxes() const {
    for (std::size_t i = 0; i < main.txtAmount.size(); ++i) {
        const std::string& text = main.txtAmount[i].text;
        if (!isNumericBoxText(text)) {
            return entryBoxMessage(
                i, text, "but takes only the characters 0123456789, blank, minus and point.");
        }
        if (text.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        const std::optional<double> value = strictNumber(text);
        if (!value) {
            return entryBoxMessage(i, text, "which is not a number.");
        }
        // The dollar box is read as a double, the hour boxes as Singles.
        const double held = i == 6 ? *value : static_cast<double>(static_cast<float>(*value));
        if (!withinAmountLimit(held)) {
            return entryBoxMessage(i, text, "more than any pay period holds.");
        }
    }
    return std::nullopt;
}

Outcome Session::calculate(const AlsoSave& alsoSave) {
    if (auto refused = checkEntryBoxes()) {
        return failed(*refused);
    }
    // Nothing is calculated from a file that cannot be read, nor from a pay no period holds:
    // the session is then as it was, and nothing is written.
    Change change(*this, Changes::everything(), Change::Undo::Snapshot);
    auto undo = [](Outcome& outcome) { return Outcome{false, std::move(outcome.messages)}; };
    Outcome outcome = calculateInPlace();
    std::vector<FileContent> also;
    if (outcome.ok && alsoSave) {
        append(outcome, alsoSave(*this, also));
    }
    if (!outcome.ok) {
        return undo(outcome);
    }
    append(outcome, saveAction(UserFile, also));
    if (!outcome.ok && alsoSave) {
        return undo(outcome);  // neither the employee's files nor the others were written
    }
    change.commit();
    if (!stateDialog.shown) {
        stateDialog.unload();
    }
    if (!cityDialog.shown) {
        cityDialog.unload();
    }
    return outcome;
}

// The calculation up to showing its results; the save and the unloading are calculate()'s.
Outcome Session::calculateInPlace() {
    Outcome outcome = LoadFederalTable();
    if (!outcome.ok) {
        return outcome;
    }

    // The city and state settings as last saved. A dialog on the screen keeps the operator's
    // unsaved edits; the calculation loads the files into a scratch copy instead.
    std::optional<CityDialog> scratchCity;
    if (!cityDialog.loaded()) {
        append(outcome, loadCityDialog());
    } else if (cityDialog.shown) {
        scratchCity.emplace();
        append(outcome, cityLoadSequence(*scratchCity));
    }
    if (!outcome.ok) {
        return outcome;
    }
    std::optional<StateDialog> scratchState;
    if (!stateDialog.loaded()) {
        append(outcome, loadStateDialog());
    } else if (stateDialog.shown) {
        scratchState.emplace();
        append(outcome, stateLoadSequence(*scratchState));
    }
    if (!outcome.ok) {
        return outcome;
    }
    StateDialog& live = scratchState ? *scratchState : *stateDialog.model;

    const PayInput in = payInput(live);
    PayOutcome calculated = Calcu_late(in);
    if (const auto* bad = std::get_if<EntryBoxError>(&calculated)) {
        outcome.ok = false;
        outcome.messages.push_back(entryBoxMessage(static_cast<std::size_t>(bad->box), bad->text,
                                                   "which is not a number."));
        return outcome;
    }
    const PayResult& r = std::get<PayResult>(calculated);
    if (!payWithinLimit(r)) {
        outcome.ok = false;
        outcome.messages.push_back(
            Message{MessageKind::Exclamation,
                    "The pay of this period, " + format(r.GrossPay, "$#,###.00") +
                        ", is more than any pay period holds." + kCrLf +
                        "Check the hours, the dollar amount and the rates. Nothing was calculated.",
                    kProgramTitle});
        return outcome;
    }
    results = r;
    profile.MuniAmt = results.MuniAmt;
    profile.BondAmt = results.BondAmt;
    profile.DuesAmt = results.DuesAmt;
    profile.HealthAmt = results.HealthAmt;
    FedAllowAmt = results.carry.FedAllowAmt;
    StateExpAmt = results.carry.StateExpAmt;
    CityExpAmt = results.carry.CityExpAmt;
    state.StateAdj = results.StateAdj;
    state.CalAllow = results.CalAllow;
    live.ckRoundOff.value = results.RoundState;
    live.ZeroBlankStateBoxes();
    showPayResult(results);

    // The federal table is in memory only while a calculation runs.
    federal = FederalTable{};
    return outcome;
}

// Everything the calculation reads: the entry boxes and options of the main window, the
// employee, the tables and settings, the switches and amounts the state tax dialog holds live,
// the year's totals and what the last calculation carried over.
PayInput Session::payInput(const StateDialog& live) const {
    PayInput in;
    for (std::size_t i = 0; i < in.txtAmount.size(); ++i) {
        in.txtAmount[i] = main.txtAmount[i].text;
    }
    in.opt1x = main.opt1x.value;
    in.louisianaPrior = main.ckLouisPrior.value != 0;
    in.employee = payEmployee();
    in.federal = federal;
    in.state = state;
    live.liveSwitches(in.state);
    in.txtStateAdj = live.txtStateAdj.text;
    in.txtCalAllow = live.txtCalAllow.text;
    in.city = city;
    in.nonCity = nonCity;
    in.TotGross = yearRegister.totals.TotGross;
    // The Medicare wages posted: the gross less the cafeteria plan and the ninth deduction, the
    // two that Medicare leaves out.
    in.medicareWagesPosted =
        yearRegister.totals.TotGross - yearRegister.totals.TotCafe - yearRegister.totals.TotMisc;
    in.TotSS = yearRegister.totals.TotSS.toSingle();
    in.TotMedi = yearRegister.totals.TotMedi.toSingle();
    in.carry = PayCarryOver{FedAllowAmt, StateExpAmt, CityExpAmt};
    return in;
}

PayEmployee Session::payEmployee() const {
    PayEmployee e;
    e.HourRate = profile.HourRate;
    e.HourRate2 = profile.HourRate2;
    e.TipsRate = profile.TipsRate;
    e.FedStatus = profile.FedStatus;
    e.FedExemptions = profile.FedExemptions;
    e.FedExempt = profile.FedExempt;
    e.FedAddWithhold = profile.FedAddWithhold;
    e.SSMediExempt = profile.SSMediExempt;
    e.SelfEmployed = profile.SelfEmployed;
    e.StateStatus = profile.StateStatus;
    e.StateExemptions = profile.StateExemptions;
    e.NonCityRes = profile.NonCityRes;
    e.MuniAmt = profile.MuniAmt;
    e.BondAmt = profile.BondAmt;
    e.DuesAmt = profile.DuesAmt;
    e.PensionPct = profile.PensionPct;
    e.HealthAmt = profile.HealthAmt;
    e.KplanValue = profile.KplanValue;
    e.KplanPercent = profile.KplanPercent;
    e.CafeAmt = profile.CafeAmt;
    e.CafeDeductState = profile.CafeDeductState;
    e.frequency = frequency();
    return e;
}

void Session::showPayResult(const PayResult& r) {
    for (std::size_t i = 0; i < main.lbTaxDed.size(); ++i) {
        main.lbTaxDed[i].caption = r.lbTaxDed[i];
    }
    main.lbSDI.caption = r.lbSDI;
    main.lbSUI.caption = r.lbSUI;
    main.lbCafe.caption = r.lbCafe;
    main.Label13.caption = r.Label13;
    main.lbTaxes.caption = r.lbTaxes;
    main.lbDeduct.caption = r.lbDeduct;
    main.lbNet.caption = r.lbNet;
    main.lbOverT.caption = r.lbOverT;
    main.lbTips.caption = r.lbTips;
    for (std::size_t i = 0; i < main.txtAmount.size(); ++i) {
        main.txtAmount[i].text = r.txtAmount[i];
    }
}

}  // namespace quillon
