// The settings dialogs driven as their windows drive them: one session operation per event, and
// everything the windows show read back from the models.
#include <gtest/gtest.h>

#include <variant>

#include "session/tests/session_fixture.hpp"

namespace quillon {
namespace {

class DialogOperations : public testing::WorkingFolder {
  protected:
    // A weekly employee "Smith" with the state tax dialog on the screen.
    [[nodiscard]] Session weeklyEmployeeWithTheStateDialog() const {
        Session s = startedSession();
        EXPECT_TRUE(s.newEmployee("Smith").ok);  // a new employee is weekly
        EXPECT_TRUE(s.showStateDialog().ok);
        EXPECT_TRUE(s.stateDialog.shown);
        return s;
    }
};

TEST_F(DialogOperations, PressingLouisianaShowsTheMainWindowsLouisianaBoxAndAnotherStateHidesIt) {
    Session s = weeklyEmployeeWithTheStateDialog();
    EXPECT_FALSE(s.main.ckLouisPrior.visible);
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Louis).ok);
    EXPECT_TRUE(s.main.ckLouisPrior.visible);
    EXPECT_EQ(s.stateDialog.model->ckLouis.value, 1);

    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Ariz).ok);
    EXPECT_FALSE(s.main.ckLouisPrior.visible);
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Louis).ok);
    ASSERT_TRUE(s.stateDialogNewYork().ok);
    EXPECT_FALSE(s.main.ckLouisPrior.visible);
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Louis).ok);
    ASSERT_TRUE(s.stateDialogNoStateTax(true).ok);
    EXPECT_FALSE(s.main.ckLouisPrior.visible);

    // Saved, the box stays shown through a calculation and a new opening.
    ASSERT_TRUE(s.stateDialogNoStateTax(false).ok);
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Louis).ok);
    ASSERT_TRUE(s.stateDialogSave().ok);
    EXPECT_FALSE(s.stateDialog.loaded());
    ASSERT_TRUE(s.typeIntoEntryBox(0, "40").ok);
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_TRUE(s.main.ckLouisPrior.visible);
}

TEST_F(DialogOperations, CancelLeavesTheLouisianaBoxAsTheSettingsHaveIt) {
    Session s = weeklyEmployeeWithTheStateDialog();
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Louis).ok);
    ASSERT_TRUE(s.stateDialogCancel().ok);
    EXPECT_FALSE(s.stateDialog.loaded());
    EXPECT_FALSE(s.main.ckLouisPrior.visible);
    EXPECT_EQ(s.state.StateLouis, 0);
}

TEST_F(DialogOperations, AMakeDefaultThatCannotBeWrittenKeepsTheDialogAndItsEdits) {
    Session s = weeklyEmployeeWithTheStateDialog();
    ASSERT_TRUE(s.stateDialogType({"txtStateAmtBS", 1}, "17.5").ok);
    std::filesystem::create_directory(dir / ".sta");  // a folder in the default file's place
    const std::string stateFile = read("Smith.sta");
    const Outcome made = s.stateDialogMakeDefault();
    EXPECT_FALSE(made.ok);
    ASSERT_FALSE(made.messages.empty());
    ASSERT_TRUE(s.stateDialog.loaded());
    EXPECT_TRUE(s.stateDialog.shown);
    EXPECT_EQ(s.stateDialog.model->txtStateAmtBS[1].text, "17.5");
    EXPECT_EQ(read("Smith.sta"), stateFile);  // one transaction: the employee's file untouched
}

TEST_F(DialogOperations, PressingIowaForAWeeklyEmployeeLoadsTheWeeklyFigures) {
    Session s = weeklyEmployeeWithTheStateDialog();
    ASSERT_TRUE(s.stateDialogPressSpecialState(SpecialState::Iowa).ok);
    const StateDialog& d = *s.stateDialog.model;
    // Iowa's weekly "Standard" 31.73 (one or no exemption), 78.08 from two on, and a
    // "Credit" of 0.77 per exemption.
    const struct {
        int exemptions;
        const char* standard;
        const char* credit;
    } rows[] = {
        {0, "31.73", "0"}, {1, "31.73", "0.77"}, {2, "78.08", "1.54"}, {9, "78.08", "6.93"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.exemptions);
        EXPECT_EQ(d.txtStateSgExp[static_cast<std::size_t>(r.exemptions)].text, r.standard);
        EXPECT_EQ(d.txtStateMarExp[static_cast<std::size_t>(r.exemptions)].text, r.credit);
    }
    EXPECT_EQ(d.Label14.caption, "Standard");
    EXPECT_EQ(d.Label15.caption, "Credit");
    EXPECT_EQ(d.ckRoundOff.value, 1);
    EXPECT_FALSE(d.Label19.visible);  // the "BIWEEKLY " labels are hidden
    EXPECT_TRUE(d.unsaved);
    EXPECT_EQ(d.title(), "Biweekly State Tax (not saved)");
}

TEST_F(DialogOperations, SaveWithABoxThatIsNotANumberNamesTheBoxAndWritesNothing) {
    Session s = weeklyEmployeeWithTheStateDialog();
    const std::string stateFile = read("Smith.sta");
    const std::string useFile = read("Smith.use");
    const StateSettings before = s.state;
    // The key filter lets "1-2" through; the take-over refuses it.
    ASSERT_TRUE(s.stateDialogType({"txtStateMinBS", 2}, "1-2").ok);
    Outcome saved = s.stateDialogSave();
    EXPECT_FALSE(saved.ok);
    ASSERT_TRUE(saved.badBox.has_value());
    EXPECT_EQ(*saved.badBox,
              (BadBox{"txtStateMinBS", 2, "Table for SINGLE Persons, Minimum Range, line 3"}));
    ASSERT_EQ(saved.messages.size(), 1u);
    EXPECT_EQ(saved.messages[0].text,
              "You have entered a NON numerial.\r\nCorrect the box: Table for SINGLE Persons, "
              "Minimum Range, line 3.\r\nNothing was saved.");
    EXPECT_TRUE(s.stateDialog.shown);
    EXPECT_TRUE(s.stateDialog.model->unsaved);
    EXPECT_EQ(s.state, before);
    EXPECT_EQ(read("Smith.sta"), stateFile);
    EXPECT_EQ(read("Smith.use"), useFile);

    Outcome madeDefault = s.stateDialogMakeDefault();
    EXPECT_FALSE(madeDefault.ok);
    EXPECT_EQ(madeDefault.badBox, saved.badBox);
    EXPECT_FALSE(exists(".sta"));
}

TEST_F(DialogOperations, TypingACharacterTheKeyFilterRefusesKeepsTheBoxsText) {
    Session s = weeklyEmployeeWithTheStateDialog();
    ASSERT_TRUE(s.showCityDialog().ok);
    ASSERT_TRUE(s.showNonCityDialog().ok);
    struct Case {
        Outcome (Session::*type)(const BadBox&, const std::string&);
        BadBox box;
        const TextBox* shown;
        const char* words;
    };
    const Case cases[] = {
        {&Session::stateDialogType,
         {"txtSDIpercent"},
         &s.stateDialog.model->txtSDIpercent,
         "State Disability Insurance, % Rate"},
        {&Session::cityDialogType,
         {"txtCityAmtBM", 6},
         &s.cityDialog.model->txtCityAmtBM[6],
         "Table for MARRIED Persons, Amount to Withhold, line 7"},
        {&Session::nonCityDialogType,
         {"txtNonPer"},
         &s.nonCityDialog.model->txtNonPer,
         "Multiply by Percentage in Decimal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        const std::string before = c.shown->text;
        Outcome typed = (s.*c.type)(c.box, "12a");
        EXPECT_FALSE(typed.ok);
        ASSERT_TRUE(typed.badBox.has_value());
        EXPECT_EQ(typed.badBox->words, c.words);
        ASSERT_EQ(typed.messages.size(), 1u);
        EXPECT_NE(typed.messages[0].text.find(c.words), std::string::npos);
        EXPECT_EQ(c.shown->text, before);

        EXPECT_TRUE((s.*c.type)(c.box, "1.5").ok);
        EXPECT_EQ(c.shown->text, "1.5");
    }
}

// The intended difference between the city and the non-city "&CANCEL": the city dialog is
// unloaded and shows the file again; the non-city dialog is only hidden and keeps the edits.
TEST_F(DialogOperations, NonCityCancelKeepsTheEditsAndCityCancelDropsThem) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    const std::string nonCityFile = read("Smith.nci");
    const std::string cityFile = read("Smith.cti");

    ASSERT_TRUE(s.showNonCityDialog().ok);
    ASSERT_TRUE(s.nonCityDialogType({"txtNonPer"}, "0.5").ok);
    EXPECT_EQ(s.nonCityDialog.model->title(), "NON City Resident (not saved)");
    ASSERT_TRUE(s.nonCityDialogCancel().ok);
    EXPECT_FALSE(s.nonCityDialog.shown);
    ASSERT_TRUE(s.showNonCityDialog().ok);
    EXPECT_EQ(s.nonCityDialog.model->txtNonPer.text, "0.5");
    EXPECT_TRUE(s.nonCityDialog.model->unsaved);
    EXPECT_FLOAT_EQ(s.nonCity.NonPer, 0.0045f);
    EXPECT_EQ(read("Smith.nci"), nonCityFile);

    ASSERT_TRUE(s.showCityDialog().ok);
    ASSERT_TRUE(s.cityDialogType({"txtCityPerBS", 0}, "0.5").ok);
    ASSERT_TRUE(s.cityDialogCancel().ok);
    EXPECT_FALSE(s.cityDialog.loaded());
    ASSERT_TRUE(s.showCityDialog().ok);
    EXPECT_EQ(s.cityDialog.model->txtCityPerBS[0].text, "0.019");
    EXPECT_FALSE(s.cityDialog.model->unsaved);
    EXPECT_EQ(read("Smith.cti"), cityFile);

    // Saved, the non-city edit reaches the settings and the file.
    ASSERT_TRUE(s.nonCityDialogSave().ok);
    EXPECT_FALSE(s.nonCityDialog.loaded());
    EXPECT_FLOAT_EQ(s.nonCity.NonPer, 0.5f);
    EXPECT_NE(read("Smith.nci"), nonCityFile);
}

// The intended difference of the state dialog: its file keeps five employee fields, which its
// load sequence takes into the employee and the "User Info" boxes; the city dialog's does not.
TEST_F(DialogOperations, TheStateDialogTakesTheFiveEmployeeFieldsOfItsFile) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    Profile fields = s.profile;
    fields.StateStatus = "Married";
    fields.StateExemptions = 4;
    fields.FedAddWithhold = 12.5f;
    fields.FedExempt = 1;
    fields.SSMediExempt = 1;
    write("Smith.sta", stateFileText(s.state, fields));
    ASSERT_TRUE(s.loadTaxInfo().ok);
    const Profile before = s.profile;

    ASSERT_TRUE(s.showCityDialog().ok);
    EXPECT_EQ(s.profile, before);

    ASSERT_TRUE(s.showStateDialog().ok);
    EXPECT_EQ(s.profile.StateStatus, "Married");
    EXPECT_EQ(s.profile.StateExemptions, 4);
    EXPECT_FLOAT_EQ(s.profile.FedAddWithhold, 12.5f);
    EXPECT_EQ(s.profile.FedExempt, 1);
    EXPECT_EQ(s.profile.SSMediExempt, 1);
    const TaxInfoDialog& info = *s.taxInfo.model;
    EXPECT_EQ(info.cboStatus2.text, "Married");
    EXPECT_EQ(info.cboDepend2.text, "4");
    EXPECT_EQ(info.txtFedAddL.text, "12.5");
    EXPECT_EQ(info.ckFedExemp.value, 1);
    EXPECT_EQ(info.ckSSMediExemp.value, 1);
}

TEST_F(DialogOperations, TheUserInfoKplanBoxesAndFrequencyThroughTheSession) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.showTaxInfo().ok);
    EXPECT_TRUE(s.taxInfo.shown);
    const TaxInfoDialog& d = *s.taxInfo.model;
    EXPECT_EQ(d.ckKpPer.value, 1);
    ASSERT_TRUE(s.taxInfoKplanFixed(true).ok);
    EXPECT_EQ(d.ckKpFix.value, 1);
    EXPECT_EQ(d.ckKpPer.value, 0);
    ASSERT_TRUE(s.taxInfoFrequency(false).ok);
    EXPECT_TRUE(d.optBiWeek.value);
    EXPECT_FALSE(d.optWeek.value);
    ASSERT_TRUE(s.taxInfoSave().ok);
    EXPECT_FALSE(s.taxInfo.loaded());
    EXPECT_EQ(s.profile.KplanFixed, 1);
    EXPECT_EQ(s.profile.KplanPercent, 0);
    EXPECT_TRUE(s.profile.PayBiWeekly);
    EXPECT_EQ(s.main.lbTableNotice.caption, "Bi-Weekly Tax Tables");
    EXPECT_TRUE(exists("Smith.ovb"));

    ASSERT_TRUE(s.showTaxInfo().ok);
    ASSERT_TRUE(s.taxInfoKplanPercent(true).ok);
    ASSERT_TRUE(s.taxInfoClose().ok);
    EXPECT_FALSE(s.taxInfo.loaded());
    EXPECT_EQ(s.profile.KplanFixed, 1);  // "Close" takes nothing over
}

// User Info's "Save" once ran the profile write (SaveOT) after its take-over and once more before
// the employee's save. The second write was not idle: the first made the K plan kinds exclusive
// only after writing, and the second wrote the repaired flags (without it the ".and" file keeps
// both kinds). The session saves once, with the flags made exclusive first: the same files and
// the same employee as the old sequence, here with the edits the writes repair (the 7.5 rule, no
// frequency, both K plan kinds).
TEST_F(DialogOperations, UserInfoSaveWritesWhatTheTwoProfileWritesBeforeItWrote) {
    auto edit = [](TaxInfoDialog& d) {
        d.txtHourRate.text = "0";
        d.txtHourRate2.text = "9.25";
        d.optWeek.value = false;
        d.optBiWeek.value = false;
        d.ckKpFix.value = 1;
        d.ckKpPer.value = 1;
        d.txtKplan.text = "3";
    };
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.showTaxInfo().ok);
    edit(*s.taxInfo.model);
    ASSERT_TRUE(s.taxInfoSave().ok);

    Session old = startedSession();
    ASSERT_TRUE(old.newEmployee("Jones").ok);
    ASSERT_TRUE(old.showTaxInfo().ok);
    edit(*old.taxInfo.model);
    ASSERT_TRUE(
        std::holds_alternative<TaxInfoMainItems>(old.taxInfo.model->takeOverBoxes(old.profile)));
    ASSERT_TRUE(old.SaveOT().ok);
    ASSERT_TRUE(old.SaveOT().ok);
    ASSERT_TRUE(old.saveAction("Jones").ok);

    EXPECT_EQ(s.profile, old.profile);
    EXPECT_FLOAT_EQ(s.profile.HourRate, 7.5f);
    EXPECT_TRUE(s.profile.PayWeekly);
    EXPECT_EQ(s.profile.KplanPercent, 1);
    EXPECT_EQ(s.profile.KplanFixed, 0);
    for (const char* ext : {".use", ".and", ".cfe", ".ovw", ".sta", ".cti", ".nci", ".hol"}) {
        SCOPED_TRACE(ext);
        EXPECT_EQ(read(std::string("Smith") + ext), read(std::string("Jones") + ext));
    }
}

TEST_F(DialogOperations, TheMainWindowsButtonsThroughTheSession) {
    Session s = startedSession();
    ASSERT_TRUE(s.newEmployee("Smith").ok);
    ASSERT_TRUE(s.selectOvertimeTimes(false).ok);
    EXPECT_FALSE(s.main.opt1x.value);
    EXPECT_TRUE(s.main.opt2x.value);
    ASSERT_TRUE(s.louisianaPriorChanged(true).ok);
    EXPECT_EQ(s.main.ckLouisPrior.value, 1);
    ASSERT_TRUE(s.typeIntoEntryBox(0, "40").ok);
    ASSERT_TRUE(s.calculate().ok);
    EXPECT_FALSE(s.main.lbNet.caption.empty());
    ASSERT_TRUE(s.Clear_All().ok);
    EXPECT_TRUE(s.main.lbNet.caption.empty());
    EXPECT_TRUE(s.main.txtAmount[0].text.empty());
}

}  // namespace
}  // namespace quillon
