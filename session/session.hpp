// The program's shared state: the open employee, the settings, the register, the federal table,
// the main window and the settings dialogs as plain models, and the workflows over them (start-up,
// new, open, save, calculate). The windows and the command-line tool both drive this object.
//
// Names. A name of the stored design's procedures (Calcu_late, Clear_All, PasteMe, SaveOT,
// AddAnnual, LoadProfile...) names that procedure and nothing else: the function does what the
// procedure did, whole. Every other operation is named in plain words for the event that runs
// it (stateDialogType, taxInfoSave, weekEndingGiven). One concept has one name: File > Clear is
// Clear_All, wherever it is called from. A model's field keeps its control's name (txtAmount,
// lbNet, ckLouisPrior), so that a window, its test and its stored file speak of the same box.
//
// Today's date is the session's: given once at start-up from the clock of the program that
// starts it (the computer's date for the windows and the tool, a fixed one in the tests), and
// read from here by everything that prints or shows it.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/pay.hpp"
#include "engine/register.hpp"
#include "engine/tables.hpp"
#include "records/files.hpp"
#include "records/profile.hpp"
#include "session/boxes.hpp"
#include "session/changes.hpp"
#include "session/check_writer.hpp"
#include "session/city_dialog.hpp"
#include "session/heading_dialog.hpp"
#include "session/key_filter.hpp"
#include "session/main_window.hpp"
#include "session/noncity_dialog.hpp"
#include "session/print_offset_dialog.hpp"
#include "session/register_window.hpp"
#include "session/state_dialog.hpp"
#include "session/tax_info_dialog.hpp"

namespace quillon {

// A dialog that may be loaded (its model exists, its load sequence has run) and shown.
template <typename Model>
struct DialogSlot {
    std::optional<Model> model;
    bool shown = false;

    [[nodiscard]] bool loaded() const { return model.has_value(); }
    void unload() {
        model.reset();
        shown = false;
    }
};

// The outcome of an operation: the messages to show, in order, whether it did its work, and the
// box that refused it, where the view puts the focus.
struct Outcome {
    bool ok = true;
    Messages messages;
    std::optional<BadBox> badBox;

    Outcome() = default;
    Outcome(bool done, Messages shown, std::optional<BadBox> refusedBy = std::nullopt)
        : ok(done), messages(std::move(shown)), badBox(std::move(refusedBy)) {}
};

// The two "Use Base" boxes of the state tax dialog.
enum class UseBase { Sdi, Sui };

inline constexpr const char* kProgramTitle = "Quillon 2016";

class Session {
  public:
    // folder: the working folder, where the employees' files are; dataFolder: the program's
    // data folder (session/installation.hpp), where the federal table is found when the working
    // folder has none; empty when the program does not know it.
    Session(std::filesystem::path folder, std::filesystem::path dataFolder);

    // --- Changes ------------------------------------------------------------------------------
    // The session is the only writer of its models and the only notifier: each operation runs
    // as one Change, which tells the observers once, when the outermost operation ends, which
    // parts it changed.
    void watch(ChangeObserver& observer) { observers_.watch(observer); }
    void unwatch(ChangeObserver& observer) { observers_.unwatch(observer); }

    // One operation's change of the session. It names the parts it changes (also() adds to
    // them) and tells the observers when it ends. Made with Undo::Snapshot, the session goes
    // back to what it was at the start unless commit() is called: an operation that fails part
    // way leaves nothing of itself behind. Changes nest: an inner one's parts are told with the
    // outermost's.
    class Change {
      public:
        enum class Undo { No, Snapshot };
        Change(Session& session, Changes what, Undo undo = Undo::No);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;
        Change(Change&&) = delete;
        Change& operator=(Change&&) = delete;

        void also(Changes what) { session_.observers_.add(what); }
        // The session keeps what the operation did.
        void commit() { before_.reset(); }

      private:
        Session& session_;
        std::unique_ptr<Session> before_;
    };

    // --- Module-level state -------------------------------------------------------------------
    std::filesystem::path folder;
    std::filesystem::path dataFolder;
    std::string UserFile;
    Profile profile;
    StateSettings state;
    CitySettings city;
    NonCitySettings nonCity;
    VacationRecord vacation;
    Register yearRegister;
    FederalTable federal;
    CompanyHeading heading;
    PayResult results;
    // Carried over between calculations when their look-ups find nothing.
    float FedAllowAmt = 0, StateExpAmt = 0, CityExpAmt = 0;
    float DefaultRate = kDefaultRate;

    MainWindow main;
    DialogSlot<StateDialog> stateDialog;
    DialogSlot<CityDialog> cityDialog;
    DialogSlot<NonCityDialog> nonCityDialog;
    DialogSlot<TaxInfoDialog> taxInfo;
    // The check screen and its "Printer Offset" dialog, the company heading dialog
    // (session/printing.hpp).
    DialogSlot<CheckWriter> checkWriter;
    DialogSlot<PrintOffsetDialog> printOffset;
    DialogSlot<HeadingDialog> headingDialog;
    // The "Year To Date" window while it is open (session/register_window.hpp).
    std::optional<RegisterWindow> registerWindow;

    // What the session read of each file, by path: the fingerprint of the bytes it read, or that
    // the file was not there. A save refuses to replace a file that no longer matches, because
    // another program changed it since; each read the session takes and each save bring the
    // entry up to date. Emptied with the employee.
    std::map<std::string, Fingerprint> filesRead;
    // The working folder's lock while the program holds it for a whole command (the
    // command-line tool); every save and recovery in the folder then uses it. Empty for the
    // windows, whose saves take the lock each time.
    std::shared_ptr<const FolderLock> folderLock;

    // --- Workflows ----------------------------------------------------------------------------
    // Opening, creating and calculating are all or nothing: when one fails, the session is as
    // it was before (the employee who was open stays open with every setting and table), and
    // nothing is written. A file the employee does not have starts from the defaults.
    //
    // Start-up: the federal table, today's date, the default settings (empty UserFile). When a
    // default file cannot be read the session starts from the built-in values.
    Outcome startUp(const std::string& today);
    // File > New after the save question: the name typed at "Enter new user:".
    Outcome newEmployee(const std::string& name);
    // File > Open of the employee whose files are folder/name.* (name without extension).
    Outcome openEmployee(const std::string& name);
    // The save-user dialog's "&Save" with the name box's text: every file of the employee, as
    // one transaction (all of them replaced, or none), with the files of alsoSave.
    Outcome saveAction(const std::string& name, const std::vector<FileContent>& alsoSave = {});
    // What a calculation saves besides the employee's files, decided after the calculation and
    // before its save (quillon-cli calc --post: the register with the period just calculated
    // posted into a row). A failure stops the save.
    using AlsoSave = std::function<Outcome(Session&, std::vector<FileContent>& files)>;
    // The calculate button. With alsoSave, its files and the employee's are written together as
    // one transaction; when either fails, nothing is written and the session is as it was.
    Outcome calculate(const AlsoSave& alsoSave = nullptr);
    // Typing a text into entry box txtAmount(box): the key filter takes only "0123456789 -.";
    // a text with any other character is refused whole, naming the box, and the box keeps
    // its text.
    Outcome typeIntoEntryBox(std::size_t box, const std::string& text);
    // The option buttons "(1X)" (true) and "(2X)" (false) of the overtime.
    Outcome selectOvertimeTimes(bool oneX);
    // The "Louisiana- Prior to July 1" box checked or cleared.
    Outcome louisianaPriorChanged(bool checked);
    // The week-ending box given a date as it stands (quillon-cli --week-ending), unchecked: the
    // date a posting gives its row.
    Outcome weekEndingGiven(const std::string& date);
    // File > "&Clear" and the "Clear" button: the period's boxes and figures emptied, the
    // week-ending date back to today.
    Outcome Clear_All();

    // --- The employee's files -----------------------------------------------------------------
    // The command-line tool's: the working folder's lock taken and held as long as the session
    // or a copy of it lives, so that another command on the folder waits until this one is done.
    Outcome holdFolderLock();
    // The files replaced as one transaction (records/save.hpp), each refused if it changed on
    // disk since the session read it; once written, each is remembered as the session wrote it.
    Outcome saveFiles(const std::vector<FileContent>& files);
    // A file the session has read (asRead) and taken what it holds, or found missing.
    void rememberRead(const std::filesystem::path& file, const Fingerprint& asRead);
    [[nodiscard]] std::filesystem::path file(std::string_view extension) const;
    [[nodiscard]] bool ProfileFileExists(std::string_view extension) const;
    Outcome LoadProfile();
    Outcome SaveOT();
    Outcome LoadFederalTable();
    Outcome LoadAnnual();
    Outcome SaveVac();
    [[nodiscard]] int registerRows() const;

    // --- The settings dialogs (session/settings_dialogs.cpp) ----------------------------------
    // Each operation is one event of a dialog and does all it does: the boxes and flags of the
    // model, the presets' effects on the state tax, the "User Info" boxes and the main window's
    // "Louisiana- Prior to July 1" box, the files, the messages. A view calls it and redraws
    // from the models; the model's slot tells whether the dialog is shown. An operation on a
    // dialog that is not loaded does nothing.
    //
    // Typing into a box (named by control and row; its words are not read): a text with a
    // character the key filter refuses is refused whole with a message naming the box, which
    // keeps its text. A box whose text is not a number makes "SAVE" and "Make Default" fail
    // with "You have entered a NON numerial." and the box's words, badBox set, the dialog
    // still shown, nothing stored or written.

    // The state tax dialog ("S&tate Tax"), modeless.
    Outcome showStateDialog();  // loads when needed, shows, and runs the checked presets again
    Outcome stateDialogType(const BadBox& box, const std::string& text);
    Outcome stateDialogPressSpecialState(SpecialState which);
    Outcome stateDialogSpouseWorks(bool checked);
    Outcome stateDialogNoStateTax(bool checked);
    Outcome stateDialogRoundState(bool checked);
    Outcome stateDialogUseBase(UseBase which, bool checked);
    Outcome stateDialogNewYork();      // "New York"
    Outcome stateDialogClearAll();     // "CLEAR ALL"
    Outcome stateDialogSave();         // "SAVE"
    Outcome stateDialogCancel();       // "CANCEL": unloads, nothing taken over or written
    Outcome stateDialogMakeDefault();  // "Make Default"
    Outcome stateDialogGetDefault();   // "Get Default"

    // The city dialog ("C&ity Tax"), modeless.
    Outcome showCityDialog();
    Outcome cityDialogType(const BadBox& box, const std::string& text);
    Outcome cityDialogNoLocalTax(bool checked);
    Outcome cityDialogNewYork();   // "&New York"
    Outcome cityDialogClearAll();  // "CLEAR ALL"
    Outcome cityDialogSave();      // "&SAVE"
    Outcome cityDialogCancel();    // "&CANCEL": unloads, nothing taken over or written

    // The non-city dialog ("Non City Tax"), modeless.
    Outcome showNonCityDialog();
    Outcome nonCityDialogType(const BadBox& box, const std::string& text);
    Outcome nonCityDialogDefault();  // "&DEFAULT"
    Outcome nonCityDialogSave();     // "&SAVE"
    Outcome nonCityDialogCancel();   // "&CANCEL": hides; the edits stay for the next showing

    // The employee tax information dialog ("&User Info"), modal. Each box and check box hands
    // over its own change; "Save" takes the boxes over into the profile.
    Outcome showTaxInfo();  // loads when needed, shows
    // A box's or a drop-down's text (by its control's name), and a check box other than the
    // K plan's. The texts are not checked here: "Save" refuses a box that is not a number.
    Outcome taxInfoType(std::string_view control, const std::string& text);
    Outcome taxInfoCheck(std::string_view control, bool checked);
    Outcome taxInfoKplanFixed(bool checked);    // "$": checking it clears "%"
    Outcome taxInfoKplanPercent(bool checked);  // "%": checking it clears "$"
    Outcome taxInfoFrequency(bool weekly);      // "Weekly" or "Bi-Weekly" selected
    Outcome taxInfoSave();                      // "Save": the boxes over, every file saved
    Outcome taxInfoClose();                     // "Close": unloads, nothing taken over

    // Loading a dialog unseen, as the calculation and opening an employee do: the load
    // sequence, nothing shown.
    Outcome loadStateDialog();
    Outcome loadCityDialog();
    Outcome loadNonCityDialog();
    Outcome loadTaxInfo();

    // The settings files of the open employee.
    Outcome ReadStateFile();
    Outcome ReadDefaultStateFile();
    Outcome WriteStateFile();
    Outcome ReadCityFile();
    Outcome WriteCityFile();
    Outcome ReadNonCityFile();
    Outcome WriteNonCityFile();

    // Today's date as the week-ending box shows it, from start-up on: the one "today" of the
    // program, which the printouts date themselves with.
    std::string today;

  private:
    Observers observers_;

    // What reading a settings file that is missing does: a load sequence starts from the
    // defaults; "Get Default" without a default file changes nothing.
    enum class WhenMissing { StartFromDefaults, ChangeNothing };

    Outcome openInPlace(const std::string& name);
    Outcome calculateInPlace();
    // Every employee record back to what an employee with no files has; the dialogs unloaded.
    void resetEmployee();
    // The settings an employee without the file starts from: the default file written by
    // "Make Default", else the built-in values. The state also takes the five employee fields
    // of the state file and the state switches kept in the default profile files.
    Outcome defaultState(StateSettings& s, Profile& fields);
    Outcome defaultCity(CitySettings& c);
    Outcome defaultNonCity(NonCitySettings& n);
    // The profile files' take-over before a save (the tax information dialog's rates, the
    // frequency and K plan repairs), and the K plan flags made exclusive after it.
    [[nodiscard]] Outcome prepareProfileForSave();
    void afterProfileSaved();
    // The contents of the profile files, and of every file of the employee under a name.
    [[nodiscard]] std::vector<FileContent> profileContents(const std::string& name) const;
    [[nodiscard]] std::vector<FileContent> employeeContents(const std::string& name) const;
    Outcome finishInterruptedSave() const;

    [[nodiscard]] PayFrequency frequency() const;
    [[nodiscard]] PayEmployee payEmployee() const;
    [[nodiscard]] PayInput payInput(const StateDialog& live) const;
    [[nodiscard]] std::optional<Message> checkEntryBoxes() const;
    // What a preset reads from outside the state tax dialog, and what it does outside it.
    [[nodiscard]] PresetContext presetContext() const;
    void applyPresetEffects(const StateDialog& dialog, const PresetEffects& effects);
    Outcome readStateFileInto(StateDialog& dialog, const std::filesystem::path& path,
                              WhenMissing missing);
    Outcome stateLoadSequence(StateDialog& dialog);
    Outcome cityLoadSequence(CityDialog& dialog);
    Outcome nonCityLoadSequence(NonCityDialog& dialog);
    template <typename Press>
    Outcome onStateDialog(Press press);
    void showTaxInfoItems(const TaxInfoMainItems& items);
    void showPayResult(const PayResult& r);
};

// Messages the workflows show, in the program's own words. A file that could not be read: its
// content damaged ("You have corupted a file." ... and the place, "Smith.sta, line 2, field 2:
// not a number: "abc""), or the file itself unreadable (no permission, a folder in its place).
[[nodiscard]] Message corruptedFileMessage(const FileError& error);
// A file that could not be written: which, why, and that the file on disk is unchanged.
[[nodiscard]] Message writeFailedMessage(const FileError& error);
[[nodiscard]] Message checkYourNumbersMessage();
[[nodiscard]] Message federalTableMissingMessage();
// A settings box whose text is not a number, named in the dialog's words.
[[nodiscard]] Message nonNumericMessage(const BadBox& box);
// A text typed into a number box with a character its key filter refuses.
[[nodiscard]] Message refusedKeyMessage(const BadBox& box, const std::string& text);

}  // namespace quillon
