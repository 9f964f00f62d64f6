// Every file of an employee, the default files, the federal table and the company heading, field
// for field in the order the files have always had.
#include "records/files.hpp"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

std::string nameOf(const std::filesystem::path& file) {
    return file.filename().string();
}

template <typename Body>
Status readFile(const std::filesystem::path& file, Fingerprint* asRead, Body body) {
    auto in = FieldReader::open(file, nameOf(file));
    if (auto* error = std::get_if<FileError>(&in)) {
        return *error;
    }
    FieldReader& reader = std::get<FieldReader>(in);
    if (asRead != nullptr) {
        *asRead = reader.fingerprint();
    }
    return body(reader);
}

// The reader's verdict once the layout's last field is read: a field too many is damage.
Status finished(FieldReader& in) {
    in.finish();
    return in.status();
}

int clampedRows(int rows) {
    return std::clamp(rows, 0, kRegisterSlots);
}

// ----- profile files

void buildUse(FieldWriter& w, const Profile& p, const StateSettings& s) {
    // The earned percentage is stored as shown, to two decimals; a salary of 0 leaves nothing
    // to show, stored as 0.
    float earnedPct = 0;
    if (std::isfinite(p.OtEarnedPct)) {
        earnedPct = strictSingle(format(p.OtEarnedPct, "##.##")).value_or(0.0f);
    }
    w.number(p.OtEarned).number(p.OtMax).number(p.OtAvail).endLine();
    w.number(p.AnnualSalary).number(p.OtApprovedPct).number(earnedPct).endLine();
    w.number(p.HourRate).number(p.HourRate2).number(p.TipsRate).endLine();
    w.string(p.FedExemptions).string(p.FedStatus).number(p.PensionPct).endLine();
    w.number(p.MuniAmt).number(p.BondAmt).number(p.HealthAmt).endLine();
    w.number(p.DuesAmt).number(p.KplanValue).integer(p.NonCityRes).endLine();
    w.boolean(p.PayWeekly).boolean(p.PayBiWeekly).string(p.DedName5).endLine();
    w.string(p.DedName6).string(p.DedName7).string(p.DedName8).string(p.DedName9).endLine();
    w.integer(s.StateWisconApril);
    for (int i = 0; i <= 2; ++i) {
        w.variant(p.SpareVar[i]);
    }
    w.endLine();
    for (int first : {3, 7, 11}) {
        for (int i = first; i < first + 4; ++i) {
            w.variant(p.SpareVar[i]);
        }
        w.endLine();
    }
}

void buildAnd(FieldWriter& w, const Profile& p, const StateSettings& s) {
    w.number(p.PrintOffsetH).number(p.PrintOffsetV).integer(s.SpouseWorks).endLine();
    w.number(s.CalAllow).number(p.SpareSng1).number(p.SpareSng2).endLine();
    w.number(p.SpareSng3).number(p.SpareSng4).number(p.SpareSng5).endLine();
    w.boolean(p.SpareBool1).boolean(p.SpareBool2).boolean(p.SpareBool3).endLine();
    w.string(p.EmpAddress).string(p.EmpCityStateZip).string(p.EmpSSN).endLine();
    w.string(p.EmpName).string(p.SpareStr1).string(p.SpareStr2).endLine();
    w.integer(s.RoundState).integer(s.StateUtah).integer(s.StateWiscon).integer(s.StateAlabama);
    w.endLine();
    w.integer(s.StateNC).integer(p.SpareInt1).integer(p.SpareInt2).endLine();
    w.integer(p.KplanPercent).integer(p.KplanFixed).endLine();
}

void buildCfe(FieldWriter& w, const Profile& p) {
    w.number(p.CafeAmt).integer(p.CafeDeductState).integer(p.SelfEmployed).endLine();
}

void buildOvertime(FieldWriter& w, const Profile& p, int rows) {
    for (int i = 0; i < clampedRows(rows); ++i) {
        // The amount box's number; text that is not a number is stored as 0.
        double amount = strictNumber(p.OtAmounts[i]).value_or(0.0);
        w.string(p.OtDates[i]).number(amount).endLine();
    }
}

// ----- settings files

void buildState(FieldWriter& w, const StateSettings& s, const Profile& p) {
    for (int r = 0; r < 10; ++r) {
        w.number(s.StateMinBS[r]).number(s.StateAmtBS[r]).number(s.StatePerBS[r]);
        w.number(s.StateMinBM[r]).number(s.StateAmtBM[r]).number(s.StatePerBM[r]).endLine();
    }
    w.integer(s.NoStateTax).endLine();
    for (int n = 0; n < 10; ++n) {
        w.number(s.StateSgExp[n]).number(s.StateMarExp[n]).endLine();
    }
    w.number(s.SDIpercent).number(s.SUIpercent).number(s.SDIwageBase).number(s.SUIwageBase);
    w.number(s.StateAdj).integer(s.SDIuseBase).integer(s.SUIuseBase).integer(p.SSMediExempt);
    w.integer(s.StateAlabama).endLine();
    w.integer(s.StateAriz).integer(s.StateLouis).integer(s.StateIowa).integer(p.StateExemptions);
    w.string(p.StateStatus).integer(p.FedExempt).number(p.FedAddWithhold);
    w.integer(s.StateMass).integer(s.StateOregon).integer(s.StateKentucky);
    w.integer(s.StateMissouri).endLine();
}

void buildCity(FieldWriter& w, const CitySettings& c) {
    for (int r = 0; r < 10; ++r) {
        w.number(c.CityMinBS[r]).number(c.CityAmtBS[r]).number(c.CityPerBS[r]);
        w.number(c.CityMinBM[r]).number(c.CityAmtBM[r]).number(c.CityPerBM[r]).endLine();
    }
    w.integer(c.NoLocalTax).endLine();
    for (int n = 0; n < 10; ++n) {
        w.number(c.CitySgExp[n]).number(c.CityMarExp[n]).endLine();
    }
}

void buildNonCity(FieldWriter& w, const NonCitySettings& n) {
    for (int r = 0; r < 8; ++r) {
        w.number(n.NonMinBi[r]).number(n.NonExpBi[r]).number(n.NonMinWk[r]).number(n.NonExpWk[r]);
        w.endLine();
    }
    w.number(n.NonPer).endLine();
}

void buildVacation(FieldWriter& w, const VacationRecord& v) {
    w.number(v.VacBal).number(v.VacStart).number(v.HolBal).number(v.HolStart);
    w.number(v.SickBal).number(v.SickStart).endLine();
    for (int i = 0; i < 20; ++i) {
        w.number(v.VacTaken[i]).number(v.HolTaken[i]).number(v.SickTaken[i]).endLine();
    }
    for (int i = 0; i < 20; ++i) {
        w.string(v.VacDate[i]).string(v.HolDate[i]).string(v.SickDate[i]).endLine();
    }
}

void buildRegister(FieldWriter& w, const Register& r, int usedRows) {
    for (int i = 0; i < clampedRows(usedRows); ++i) {
        const RegisterRow& row = r.rows[i];
        w.string(row.Date).number(row.Fed).number(row.SS).number(row.Medi).number(row.State);
        w.endLine();
        w.number(row.City).number(row.Muni).number(row.Bond).number(row.Dues).number(row.Pen);
        w.endLine();
        w.number(row.Misc).number(row.Kplan).number(row.OT).number(row.Gross).number(row.Net);
        w.endLine();
        w.number(row.Sdi).number(row.Sui).number(row.Cafe).number(row.Tips).endLine();
    }
    const RegisterTotals& t = r.totals;
    w.currency(t.TotFed).currency(t.TotSS).currency(t.TotMedi).currency(t.TotState);
    w.currency(t.TotCity).endLine();
    w.currency(t.TotMuni).currency(t.TotBond).currency(t.TotDues).currency(t.TotPen);
    w.currency(t.TotMisc).endLine();
    w.currency(t.TotKplan).currency(t.TotOT).currency(t.TotGross).currency(t.TotNet);
    w.currency(t.TotTips).endLine();
}

void buildHeading(FieldWriter& w, const CompanyHeading& h) {
    w.string(h.HeadCompany).string(h.HeadAddress).string(h.HeadZip).string(h.HeadId).endLine();
}

void buildPeriod(FieldWriter& w, const SavedPeriod& period) {
    for (float entry : period.entries) {
        w.number(entry).endLine();
    }
    for (float row : period.rows) {
        w.number(row).endLine();
    }
    for (float figure : {period.sdi, period.sui, period.cafe, period.gross, period.taxes,
                         period.deductions, period.net}) {
        w.number(figure).endLine();
    }
}

void buildFederal(FieldWriter& w, const FederalTable& t) {
    for (int s = 0; s < 4; ++s) {
        const auto& set = t.sets[s];
        const FedBracket& first = set[0];
        w.number(first.Over).number(first.NotOver).number(first.ExcessOver).number(first.Rate);
        w.endLine();
        for (int b = 1; b < 7; ++b) {
            const FedBracket& k = set[b];
            w.number(k.Over).number(k.NotOver).number(k.ExcessOver).number(k.Rate).number(k.Base);
            w.endLine();
        }
        const FedBracket& top = set[7];
        w.number(top.Over).number(top.ExcessOver).number(top.Rate).number(top.Base).endLine();
        w.string(t.headings[s]).endLine();
    }
    for (int i = 0; i < 20; ++i) {
        w.number(t.FedAllow[i]);
        if (i % 3 == 2) {
            w.endLine();
        }
    }
    w.string(t.FedTableVersion).endLine();
}

template <typename Build>
std::string textOf(Build build) {
    FieldWriter w;
    build(w);
    return w.text();
}

}  // namespace

std::filesystem::path employeeFile(const std::filesystem::path& folder, std::string_view userFile,
                                   std::string_view extension) {
    std::string name(userFile);
    name += extension;
    return folder / name;
}

// ----- readers on text

Status readUseFile(FieldReader& in, Profile& p, StateSettings& s) {
    in.number(p.OtEarned);
    in.number(p.OtMax);
    in.number(p.OtAvail);
    in.number(p.AnnualSalary);
    in.number(p.OtApprovedPct);
    in.number(p.OtEarnedPct);
    in.number(p.HourRate);
    in.number(p.HourRate2);
    in.number(p.TipsRate);
    in.string(p.FedExemptions);
    in.string(p.FedStatus);
    in.number(p.PensionPct);
    in.number(p.MuniAmt);
    in.number(p.BondAmt);
    in.number(p.HealthAmt);
    in.number(p.DuesAmt);
    in.number(p.KplanValue);
    in.integer(p.NonCityRes);
    in.boolean(p.PayWeekly);
    in.boolean(p.PayBiWeekly);
    in.string(p.DedName5);
    in.string(p.DedName6);
    in.string(p.DedName7);
    in.string(p.DedName8);
    in.string(p.DedName9);
    in.integer(s.StateWisconApril);
    for (Variant& spare : p.SpareVar) {
        in.variant(spare);
    }
    return finished(in);
}

Status readAndFile(FieldReader& in, Profile& p, StateSettings& s) {
    in.number(p.PrintOffsetH);
    in.number(p.PrintOffsetV);
    in.integer(s.SpouseWorks);
    in.number(s.CalAllow);
    in.number(p.SpareSng1);
    in.number(p.SpareSng2);
    in.number(p.SpareSng3);
    in.number(p.SpareSng4);
    in.number(p.SpareSng5);
    in.boolean(p.SpareBool1);
    in.boolean(p.SpareBool2);
    in.boolean(p.SpareBool3);
    in.string(p.EmpAddress);
    in.string(p.EmpCityStateZip);
    in.string(p.EmpSSN);
    in.string(p.EmpName);
    in.string(p.SpareStr1);
    in.string(p.SpareStr2);
    in.integer(s.RoundState);
    in.integer(s.StateUtah);
    in.integer(s.StateWiscon);
    in.integer(s.StateAlabama);
    in.integer(s.StateNC);
    in.integer(p.SpareInt1);
    in.integer(p.SpareInt2);
    in.integer(p.KplanPercent);
    in.integer(p.KplanFixed);
    return finished(in);
}

Status readCfeFile(FieldReader& in, Profile& p) {
    in.number(p.CafeAmt);
    in.integer(p.CafeDeductState);
    in.integer(p.SelfEmployed);
    return finished(in);
}

Status readOvertimeFile(FieldReader& in, Profile& p, int rows) {
    for (int i = 0; i < clampedRows(rows) && in.ok(); ++i) {
        in.string(p.OtDates[i]);
        double amount = 0;
        if (in.number(amount)) {
            p.OtAmounts[i] = decimalText(amount);
        }
    }
    return finished(in);
}

Status readStateFile(FieldReader& in, StateSettings& s, Profile& p) {
    for (int r = 0; r < 10 && in.ok(); ++r) {
        in.number(s.StateMinBS[r]);
        in.number(s.StateAmtBS[r]);
        in.number(s.StatePerBS[r]);
        in.number(s.StateMinBM[r]);
        in.number(s.StateAmtBM[r]);
        in.number(s.StatePerBM[r]);
    }
    in.integer(s.NoStateTax);
    for (int n = 0; n < 10 && in.ok(); ++n) {
        in.number(s.StateSgExp[n]);
        in.number(s.StateMarExp[n]);
    }
    in.number(s.SDIpercent);
    in.number(s.SUIpercent);
    in.number(s.SDIwageBase);
    in.number(s.SUIwageBase);
    in.number(s.StateAdj);
    in.integer(s.SDIuseBase);
    in.integer(s.SUIuseBase);
    in.integer(p.SSMediExempt);
    in.integer(s.StateAlabama);
    in.integer(s.StateAriz);
    in.integer(s.StateLouis);
    in.integer(s.StateIowa);
    in.integer(p.StateExemptions);
    in.string(p.StateStatus);
    in.integer(p.FedExempt);
    in.number(p.FedAddWithhold);
    in.integer(s.StateMass);
    in.integer(s.StateOregon);
    in.integer(s.StateKentucky);
    in.integer(s.StateMissouri);
    return finished(in);
}

Status readCityFile(FieldReader& in, CitySettings& c) {
    for (int r = 0; r < 10 && in.ok(); ++r) {
        in.number(c.CityMinBS[r]);
        in.number(c.CityAmtBS[r]);
        in.number(c.CityPerBS[r]);
        in.number(c.CityMinBM[r]);
        in.number(c.CityAmtBM[r]);
        in.number(c.CityPerBM[r]);
    }
    in.integer(c.NoLocalTax);
    for (int n = 0; n < 10 && in.ok(); ++n) {
        in.number(c.CitySgExp[n]);
        in.number(c.CityMarExp[n]);
    }
    return finished(in);
}

Status readNonCityFile(FieldReader& in, NonCitySettings& n) {
    for (int r = 0; r < 8 && in.ok(); ++r) {
        in.number(n.NonMinBi[r]);
        in.number(n.NonExpBi[r]);
        in.number(n.NonMinWk[r]);
        in.number(n.NonExpWk[r]);
    }
    in.number(n.NonPer);
    return finished(in);
}

Status readVacationFile(FieldReader& in, VacationRecord& v) {
    in.number(v.VacBal);
    in.number(v.VacStart);
    in.number(v.HolBal);
    in.number(v.HolStart);
    in.number(v.SickBal);
    in.number(v.SickStart);
    for (int i = 0; i < 20 && in.ok(); ++i) {
        in.number(v.VacTaken[i]);
        in.number(v.HolTaken[i]);
        in.number(v.SickTaken[i]);
    }
    for (int i = 0; i < 20 && in.ok(); ++i) {
        in.string(v.VacDate[i]);
        in.string(v.HolDate[i]);
        in.string(v.SickDate[i]);
    }
    return finished(in);
}

Status readRegisterFile(FieldReader& in, Register& r, int usedRows) {
    for (int i = 0; i < clampedRows(usedRows) && in.ok(); ++i) {
        RegisterRow& row = r.rows[i];
        in.string(row.Date);
        in.number(row.Fed);
        in.number(row.SS);
        in.number(row.Medi);
        in.number(row.State);
        in.number(row.City);
        in.number(row.Muni);
        in.number(row.Bond);
        in.number(row.Dues);
        in.number(row.Pen);
        in.number(row.Misc);
        in.number(row.Kplan);
        in.number(row.OT);
        in.number(row.Gross);
        in.number(row.Net);
        in.number(row.Sdi);
        in.number(row.Sui);
        in.number(row.Cafe);
        in.number(row.Tips);
    }
    RegisterTotals& t = r.totals;
    in.currency(t.TotFed);
    in.currency(t.TotSS);
    in.currency(t.TotMedi);
    in.currency(t.TotState);
    in.currency(t.TotCity);
    in.currency(t.TotMuni);
    in.currency(t.TotBond);
    in.currency(t.TotDues);
    in.currency(t.TotPen);
    in.currency(t.TotMisc);
    in.currency(t.TotKplan);
    in.currency(t.TotOT);
    in.currency(t.TotGross);
    in.currency(t.TotNet);
    in.currency(t.TotTips);
    return finished(in);
}

Status readHeadingFile(FieldReader& in, CompanyHeading& h) {
    in.string(h.HeadCompany);
    in.string(h.HeadAddress);
    in.string(h.HeadZip);
    in.string(h.HeadId);
    return finished(in);
}

Status readPeriodFile(FieldReader& in, SavedPeriod& period) {
    for (float& entry : period.entries) {
        in.number(entry);
    }
    for (float& row : period.rows) {
        in.number(row);
    }
    for (float* figure : {&period.sdi, &period.sui, &period.cafe, &period.gross, &period.taxes,
                          &period.deductions, &period.net}) {
        in.number(*figure);
    }
    return finished(in);
}

Status readFederalTable(FieldReader& in, FederalTable& t) {
    for (int s = 0; s < 4 && in.ok(); ++s) {
        auto& set = t.sets[s];
        FedBracket& first = set[0];
        in.number(first.Over);
        in.number(first.NotOver);
        in.number(first.ExcessOver);
        in.number(first.Rate);
        for (int b = 1; b < 7 && in.ok(); ++b) {
            FedBracket& k = set[b];
            in.number(k.Over);
            in.number(k.NotOver);
            in.number(k.ExcessOver);
            in.number(k.Rate);
            in.number(k.Base);
        }
        FedBracket& top = set[7];
        in.number(top.Over);
        in.number(top.ExcessOver);
        in.number(top.Rate);
        in.number(top.Base);
        in.string(t.headings[s]);
    }
    for (float& allowance : t.FedAllow) {
        in.number(allowance);
    }
    in.string(t.FedTableVersion);
    return finished(in);
}

// ----- readers on files

Status readUseFile(const std::filesystem::path& file, Profile& p, StateSettings& s,
                   Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readUseFile(in, p, s); });
}
Status readAndFile(const std::filesystem::path& file, Profile& p, StateSettings& s,
                   Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readAndFile(in, p, s); });
}
Status readCfeFile(const std::filesystem::path& file, Profile& p, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readCfeFile(in, p); });
}
Status readOvertimeFile(const std::filesystem::path& file, Profile& p, int rows,
                        Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readOvertimeFile(in, p, rows); });
}
Status readStateFile(const std::filesystem::path& file, StateSettings& s, Profile& p,
                     Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readStateFile(in, s, p); });
}
Status readCityFile(const std::filesystem::path& file, CitySettings& c, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readCityFile(in, c); });
}
Status readNonCityFile(const std::filesystem::path& file, NonCitySettings& n, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readNonCityFile(in, n); });
}
Status readVacationFile(const std::filesystem::path& file, VacationRecord& v, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readVacationFile(in, v); });
}
Status readRegisterFile(const std::filesystem::path& file, Register& r, int usedRows,
                        Fingerprint* asRead) {
    return readFile(file, asRead,
                    [&](FieldReader& in) { return readRegisterFile(in, r, usedRows); });
}
Status readHeadingFile(const std::filesystem::path& file, CompanyHeading& h, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readHeadingFile(in, h); });
}
Status readPeriodFile(const std::filesystem::path& file, SavedPeriod& period, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readPeriodFile(in, period); });
}
Status readFederalTable(const std::filesystem::path& file, FederalTable& t, Fingerprint* asRead) {
    return readFile(file, asRead, [&](FieldReader& in) { return readFederalTable(in, t); });
}

// ----- texts

std::string useFileText(const Profile& p, const StateSettings& s) {
    return textOf([&](FieldWriter& w) { buildUse(w, p, s); });
}
std::string andFileText(const Profile& p, const StateSettings& s) {
    return textOf([&](FieldWriter& w) { buildAnd(w, p, s); });
}
std::string cfeFileText(const Profile& p) {
    return textOf([&](FieldWriter& w) { buildCfe(w, p); });
}
std::string overtimeFileText(const Profile& p, int rows) {
    return textOf([&](FieldWriter& w) { buildOvertime(w, p, rows); });
}
std::string stateFileText(const StateSettings& s, const Profile& p) {
    return textOf([&](FieldWriter& w) { buildState(w, s, p); });
}
std::string cityFileText(const CitySettings& c) {
    return textOf([&](FieldWriter& w) { buildCity(w, c); });
}
std::string nonCityFileText(const NonCitySettings& n) {
    return textOf([&](FieldWriter& w) { buildNonCity(w, n); });
}
std::string vacationFileText(const VacationRecord& v) {
    return textOf([&](FieldWriter& w) { buildVacation(w, v); });
}
std::string registerFileText(const Register& r, int usedRows) {
    return textOf([&](FieldWriter& w) { buildRegister(w, r, usedRows); });
}
std::string headingFileText(const CompanyHeading& h) {
    return textOf([&](FieldWriter& w) { buildHeading(w, h); });
}
std::string periodFileText(const SavedPeriod& period) {
    return textOf([&](FieldWriter& w) { buildPeriod(w, period); });
}
std::string federalTableText(const FederalTable& t) {
    return textOf([&](FieldWriter& w) { buildFederal(w, t); });
}

// ----- contents and writers

template <typename Build>
FileContent contentOf(const std::filesystem::path& file, Build build) {
    FieldWriter w;
    build(w);
    return FileContent{file, w.text(), w.ok()};
}

template <typename Build>
Status writeBuilt(const std::filesystem::path& file, Build build) {
    return writeFiles({contentOf(file, build)});
}

FileContent useFileContent(const std::filesystem::path& file, const Profile& p,
                           const StateSettings& s) {
    return contentOf(file, [&](FieldWriter& w) { buildUse(w, p, s); });
}
FileContent andFileContent(const std::filesystem::path& file, const Profile& p,
                           const StateSettings& s) {
    return contentOf(file, [&](FieldWriter& w) { buildAnd(w, p, s); });
}
FileContent cfeFileContent(const std::filesystem::path& file, const Profile& p) {
    return contentOf(file, [&](FieldWriter& w) { buildCfe(w, p); });
}
FileContent overtimeFileContent(const std::filesystem::path& file, const Profile& p, int rows) {
    return contentOf(file, [&](FieldWriter& w) { buildOvertime(w, p, rows); });
}
FileContent stateFileContent(const std::filesystem::path& file, const StateSettings& s,
                             const Profile& p) {
    return contentOf(file, [&](FieldWriter& w) { buildState(w, s, p); });
}
FileContent cityFileContent(const std::filesystem::path& file, const CitySettings& c) {
    return contentOf(file, [&](FieldWriter& w) { buildCity(w, c); });
}
FileContent nonCityFileContent(const std::filesystem::path& file, const NonCitySettings& n) {
    return contentOf(file, [&](FieldWriter& w) { buildNonCity(w, n); });
}
FileContent vacationFileContent(const std::filesystem::path& file, const VacationRecord& v) {
    return contentOf(file, [&](FieldWriter& w) { buildVacation(w, v); });
}
FileContent periodFileContent(const std::filesystem::path& file, const SavedPeriod& period) {
    return contentOf(file, [&](FieldWriter& w) { buildPeriod(w, period); });
}
FileContent registerFileContent(const std::filesystem::path& file, const Register& r,
                                int usedRows) {
    return contentOf(file, [&](FieldWriter& w) { buildRegister(w, r, usedRows); });
}

Status writeUseFile(const std::filesystem::path& file, const Profile& p, const StateSettings& s) {
    return writeFiles({useFileContent(file, p, s)});
}
Status writeAndFile(const std::filesystem::path& file, const Profile& p, const StateSettings& s) {
    return writeFiles({andFileContent(file, p, s)});
}
Status writeCfeFile(const std::filesystem::path& file, const Profile& p) {
    return writeFiles({cfeFileContent(file, p)});
}
Status writeOvertimeFile(const std::filesystem::path& file, const Profile& p, int rows) {
    return writeFiles({overtimeFileContent(file, p, rows)});
}
Status writeStateFile(const std::filesystem::path& file, const StateSettings& s, const Profile& p) {
    return writeFiles({stateFileContent(file, s, p)});
}
Status writeCityFile(const std::filesystem::path& file, const CitySettings& c) {
    return writeFiles({cityFileContent(file, c)});
}
Status writeNonCityFile(const std::filesystem::path& file, const NonCitySettings& n) {
    return writeFiles({nonCityFileContent(file, n)});
}
Status writeVacationFile(const std::filesystem::path& file, const VacationRecord& v) {
    return writeFiles({vacationFileContent(file, v)});
}
Status writeRegisterFile(const std::filesystem::path& file, const Register& r, int usedRows) {
    return writeFiles({registerFileContent(file, r, usedRows)});
}
Status writeHeadingFile(const std::filesystem::path& file, const CompanyHeading& h) {
    return writeBuilt(file, [&](FieldWriter& w) { buildHeading(w, h); });
}
Status writePeriodFile(const std::filesystem::path& file, const SavedPeriod& period) {
    return writeBuilt(file, [&](FieldWriter& w) { buildPeriod(w, period); });
}
Status writeFederalTable(const std::filesystem::path& file, const FederalTable& t) {
    return writeBuilt(file, [&](FieldWriter& w) { buildFederal(w, t); });
}

// ----- names

std::string periodFileName(std::string_view userFile, std::string_view weekEnding) {
    std::string date(weekEnding);
    // "/" becomes "_" as always; so do the other characters a file name cannot hold, so that
    // an odd date text cannot point the file into another folder.
    for (char& c : date) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    std::string name(userFile);
    name += "  ";
    name += date;
    name += ".prv";
    return name;
}

std::optional<std::filesystem::path> findFederalTable(
    const std::filesystem::path& workingFolder, const std::filesystem::path& installedDataFolder) {
    for (const std::filesystem::path& folder : {workingFolder, installedDataFolder}) {
        if (folder.empty()) {
            continue;
        }
        std::filesystem::path file = folder / kFederalTableFileName;
        if (fileExists(file)) {
            return file;
        }
    }
    return std::nullopt;
}

}  // namespace quillon
