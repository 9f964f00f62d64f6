// The comma-field reader and writer, and the atomic replacement of a file.
#include "records/fields.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <vector>

#include "records/tests/file_text.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using testing::contentOf;
class TempFolder {
  public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("quillon-fields-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    [[nodiscard]] const fs::path& path() const { return path_; }
    [[nodiscard]] std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(path_)) {
            out.push_back(entry.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }

  private:
    fs::path path_;
    static inline int count_ = 0;
};

// ----- reading numbers

TEST(FieldReader, ReadsNumbersInEveryFormTheFilesHold) {
    struct Case {
        const char* text;
        float expected;
    };
    static const Case cases[] = {
        {".5", 0.5f},
        {"-.25", -0.25f},
        {"0.0525", 0.0525f},
        {"1E-07", 1e-7f},
        {"1e3", 1000.0f},
        {"+3", 3.0f},
        {"   12", 12.0f},
        {"12   ", 12.0f},
        {"999999", 999999.0f},
        {"5.", 5.0f},
        {"-999999936", -999999936.0f},
        {",", 0.0f},
        {"  ,", 0.0f},
        {"1e-60", 0.0f},
        {"-0", 0.0f},
        {"18.54", 18.54f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "x.sta");
        float value = -99;
        ASSERT_TRUE(in.number(value));
        EXPECT_EQ(value, c.expected);
        EXPECT_TRUE(in.ok());
    }
}

TEST(FieldReader, RefusesFieldsThatAreNotNumbers) {
    struct Case {
        const char* text;
        const char* problem;
    };
    static const Case cases[] = {
        {"abc", "not a number: \"abc\""},
        {"12abc", "not a number: \"12abc\""},
        {"1.2.3", "not a number: \"1.2.3\""},
        {"$5", "not a number: \"$5\""},
        {"-", "not a number: \"-\""},
        {".", "not a number: \".\""},
        {"1e", "not a number: \"1e\""},
        {"0x10", "not a number: \"0x10\""},
        {"inf", "not a number: \"inf\""},
        {"nan", "not a number: \"nan\""},
        {"1 2", "not a number: \"1 2\""},
        {"#TRUE#", "not a number: \"#TRUE#\""},
        {"\"Single\"", "a string where a number belongs: \"Single\""},
        {"\"2.5\"", "a string where a number belongs: \"2.5\""},
        {"1e39", "number out of range: \"1e39\""},
        {"-4e38", "number out of range: \"-4e38\""},
        // No pay period holds a billion: amounts, rates, hours and percentages stay below it.
        {"1e30", "number out of range: \"1e30\""},
        {"1e9", "number out of range: \"1e9\""},
        {"-1000000000", "number out of range: \"-1000000000\""},
        {"999999999", "number out of range: \"999999999\""},  // the Single 1e9
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "Smith.cti");
        float value = 7;
        EXPECT_FALSE(in.number(value));
        EXPECT_EQ(value, 7.0f);  // the target keeps its value
        ASSERT_TRUE(in.status().failed());
        EXPECT_EQ(in.status().error().problem, c.problem);
        EXPECT_EQ(in.status().error().file, "Smith.cti");
        EXPECT_EQ(in.status().error().line, 1);
        EXPECT_EQ(in.status().error().field, 1);
    }
}

TEST(FieldReader, RoundsIntegersHalfToEvenAndRefusesWhatDoesNotFitSixteenBits) {
    struct Case {
        const char* text;
        bool fits;
        std::int16_t expected;
    };
    static const Case cases[] = {
        {"1", true, 1},           {"2.5", true, 2},      {"3.5", true, 4},
        {"-2.5", true, -2},       {".5", true, 0},       {"32767", true, 32767},
        {"-32768", true, -32768}, {"32767.5", false, 0}, {"32768", false, 0},
        {"-32769", false, 0},     {",", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "x.and");
        std::int16_t value = 99;
        EXPECT_EQ(in.integer(value), c.fits);
        EXPECT_EQ(value, c.fits ? c.expected : 99);
    }
}

TEST(FieldReader, ReadsBooleans) {
    struct Case {
        const char* text;
        bool fits;
        bool expected;
    };
    static const Case cases[] = {
        {"#TRUE#", true, true}, {"#FALSE#", true, false}, {"#true#", true, true},
        {"1", true, true},      {"-1", true, true},       {"0", true, false},
        {",", true, false},     {"yes", false, false},    {"TRUE", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "x.use");
        bool value = false;
        EXPECT_EQ(in.boolean(value), c.fits);
        EXPECT_EQ(value, c.expected);
        if (!c.fits) {
            EXPECT_EQ(in.status().error().problem,
                      std::string("not true or false: \"") + c.text + "\"");
        }
    }
}

TEST(FieldReader, ReadsCurrencyToTheTenThousandth) {
    FieldReader in("1234.5678,-.5,19.99,1e15", "x.yrw");
    Currency a, b, c, d = Currency::fromUnits(42);
    EXPECT_TRUE(in.currency(a));
    EXPECT_TRUE(in.currency(b));
    EXPECT_TRUE(in.currency(c));
    EXPECT_EQ(a.units(), 12345678);
    EXPECT_EQ(b.units(), -5000);
    EXPECT_EQ(c.units(), 199900);
    EXPECT_FALSE(in.currency(d));  // beyond the 64-bit count
    EXPECT_EQ(d.units(), 42);
}

// ----- reading strings and the shape of a file

TEST(FieldReader, ReadsStringsInDoubleQuotes) {
    FieldReader in("\"Albany, NY 12207\",  \"\" , ,\"x\"\r\n", "x.and");
    std::string a, b, c = "was", d;
    ASSERT_TRUE(in.string(a));
    ASSERT_TRUE(in.string(b));
    ASSERT_TRUE(in.string(c));
    ASSERT_TRUE(in.string(d));
    EXPECT_EQ(a, "Albany, NY 12207");  // a comma inside quotes belongs to the string
    EXPECT_EQ(b, "");
    EXPECT_EQ(c, "");  // an empty field
    EXPECT_EQ(d, "x");
}

TEST(FieldReader, AFieldOfAnotherKindWhereAStringBelongsIsRefused) {
    // A number shifted into a string's place (a split number earlier in the file) shows here.
    for (const char* text : {"2", "plain text", "#TRUE#"}) {
        SCOPED_TRACE(text);
        FieldReader in(text, "x.sta");
        std::string value = "kept";
        EXPECT_FALSE(in.string(value));
        EXPECT_EQ(value, "kept");
        EXPECT_EQ(in.status().error().problem,
                  "not a string in double quotes: \"" + std::string(text) + "\"");
    }
    FieldReader quoted("\"#TRUE#\"", "x.and");
    bool flag = false;
    EXPECT_FALSE(quoted.boolean(flag));
    EXPECT_EQ(quoted.status().error().problem, "a string where true or false belongs: \"#TRUE#\"");
}

TEST(FieldReader, KeepsEveryByteOfAString) {
    std::string text = "\"a";
    text += '\0';
    text += "\xe9\xff'b\"";
    FieldReader in(text, "x.hol");
    std::string value;
    ASSERT_TRUE(in.string(value));
    EXPECT_EQ(value, std::string("a\0\xe9\xff'b", 6));
}

TEST(FieldReader, RefusesBrokenStrings) {
    struct Case {
        const char* text;
        const char* problem;
    };
    static const Case cases[] = {
        {"\"abc", "a string without its closing quote"},
        {"\"abc\r\ndef\"", "a string without its closing quote"},
        {"\"abc\" x,1", "text after a closing quote"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "Header.sav");
        std::string value = "kept";
        EXPECT_FALSE(in.string(value));
        EXPECT_EQ(value, "kept");
        EXPECT_EQ(in.status().error().problem, c.problem);
    }
}

TEST(FieldReader, TreatsEveryKindOfLineEndAsAComma) {
    static const char* const texts[] = {"1,2\r\n3,4\r\n", "1,2\n3,4\n", "1,2\r3,4",
                                        "1\r\n2\r\n3\r\n4"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        FieldReader in(text, "x.nci");
        float values[4] = {};
        for (float& v : values) {
            ASSERT_TRUE(in.number(v));
        }
        EXPECT_EQ(values[0], 1.0f);
        EXPECT_EQ(values[3], 4.0f);
    }
}

TEST(FieldReader, EmptyFieldsBetweenCommasAndAtTheEnd) {
    // A line of three commas holds four empty fields, the last one ended by the line end or
    // by the end of the text.
    for (const char* text : {",,,\r\n", ",,,"}) {
        SCOPED_TRACE(text);
        FieldReader in(text, "x.use");
        Variant values[4] = {1.0, 2.0, 3.0, 4.0};
        for (Variant& v : values) {
            ASSERT_TRUE(in.variant(v));
            EXPECT_TRUE(std::holds_alternative<std::monostate>(v));
        }
        Variant more = 5.0;
        EXPECT_FALSE(in.variant(more));
        EXPECT_EQ(in.status().error().problem, "the file ends early");
    }
}

TEST(FieldReader, StopsAtTheFirstFieldThatDoesNotFitAndNamesItsPlace) {
    FieldReader in("1, 2\r\n3,abc\r\n5,6\r\n", "Smith.sta");
    float a = 0, b = 0, c = 0, d = -1, e = -1;
    EXPECT_TRUE(in.number(a));
    EXPECT_TRUE(in.number(b));
    EXPECT_TRUE(in.number(c));
    EXPECT_FALSE(in.number(d));
    EXPECT_FALSE(in.number(e));  // sticky: the valid 5 is not read
    EXPECT_EQ(a, 1.0f);
    EXPECT_EQ(b, 2.0f);
    EXPECT_EQ(c, 3.0f);
    EXPECT_EQ(d, -1.0f);
    EXPECT_EQ(e, -1.0f);
    ASSERT_TRUE(in.status().failed());
    EXPECT_EQ(in.status().error().line, 2);
    EXPECT_EQ(in.status().error().field, 2);
    EXPECT_EQ(in.status().error().describe(), "Smith.sta, line 2, field 2: not a number: \"abc\"");
    std::string s = "kept";
    EXPECT_FALSE(in.string(s));
    EXPECT_EQ(s, "kept");
}

TEST(FieldReader, ReportsTheLineWhereTheFileEndsEarly) {
    struct Case {
        const char* text;
        int reads;  // fields that can be read
        const char* described;
    };
    static const Case cases[] = {
        {"1,2\r\n3,4\r\n", 4, "x.sta, line 3: the file ends early"},
        {"1,2\r\n3", 3, "x.sta, line 2, field 2: the file ends early"},
        {"", 0, "x.sta, line 1: the file ends early"},
        {"1,2\r\n3,", 4, "x.sta, line 2, field 3: the file ends early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        FieldReader in(c.text, "x.sta");
        float value = 0;
        for (int i = 0; i < c.reads; ++i) {
            ASSERT_TRUE(in.number(value)) << i;
        }
        EXPECT_FALSE(in.number(value));
        EXPECT_EQ(in.status().error().describe(), c.described);
    }
}

TEST(FieldReader, ReadsVariantsAsTheyWereWritten) {
    FieldReader in(",\"\",\"5\",5,-.25,#TRUE#,#FALSE#,abc", "x.use");
    Variant v[8];
    for (Variant& each : v) {
        ASSERT_TRUE(in.variant(each));
    }
    EXPECT_TRUE(std::holds_alternative<std::monostate>(v[0]));
    EXPECT_EQ(v[1], Variant(std::string()));
    EXPECT_EQ(v[2], Variant(std::string("5")));
    EXPECT_EQ(v[3], Variant(5.0));
    EXPECT_EQ(v[4], Variant(-0.25));
    EXPECT_EQ(v[5], Variant(true));
    EXPECT_EQ(v[6], Variant(false));
    EXPECT_EQ(v[7], Variant(std::string("abc")));
}

TEST(FieldReader, OpenReadsAFileAndSaysWhyAnotherCannotBeRead) {
    TempFolder folder;
    std::ofstream(folder.path() / "a.cfe", std::ios::binary) << "25.5,1,0\r\n";
    auto in = FieldReader::open(folder.path() / "a.cfe", "a.cfe");
    ASSERT_TRUE(std::holds_alternative<FieldReader>(in));
    float amount = 0;
    EXPECT_TRUE(std::get<FieldReader>(in).number(amount));
    EXPECT_EQ(amount, 25.5f);

    fs::create_symlink("loop.cfe", folder.path() / "loop.cfe");  // a link to itself
    struct Case {
        fs::path path;
        const char* problem;
    };
    const Case cases[] = {
        {folder.path() / "missing.cfe", "the file does not exist"},
        {folder.path(), "a folder in place of the file"},
        {folder.path() / "loop.cfe", "cannot open the file: Too many levels of symbolic links"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.string());
        auto refused = FieldReader::open(c.path, "x.cfe");
        ASSERT_TRUE(std::holds_alternative<FileError>(refused));
        EXPECT_EQ(std::get<FileError>(refused).describe(), std::string("x.cfe: ") + c.problem);
    }
    if (::geteuid() != 0) {  // permissions do not hold for root
        fs::permissions(folder.path() / "a.cfe", fs::perms::none);
        auto refused = FieldReader::open(folder.path() / "a.cfe", "a.cfe");
        ASSERT_TRUE(std::holds_alternative<FileError>(refused));
        EXPECT_EQ(std::get<FileError>(refused).problem, "cannot open the file: Permission denied");
    }

    // Only a name under which nothing exists is missing.
    EXPECT_TRUE(fileExists(folder.path() / "a.cfe"));
    EXPECT_TRUE(fileExists(folder.path() / "loop.cfe"));
    EXPECT_TRUE(fileExists(folder.path()));
    EXPECT_FALSE(fileExists(folder.path() / "missing.cfe"));
    EXPECT_FALSE(fileExists(folder.path() / "a.cfe" / "below.cfe"));
}

// ----- writing

TEST(FieldWriter, WritesTheShortestPlainDecimalOfASingle) {
    struct Case {
        float value;
        const char* text;
    };
    static const Case cases[] = {
        {0.0525f, "0.0525"},
        {999999.0f, "999999"},
        {1e-7f, "0.0000001"},
        {7.5f, "7.5"},
        {-3.0f, "-3"},
        {0.1f, "0.1"},
        {18.54f, "18.54"},
        {123456.7f, "123456.7"},
        {16777216.0f, "16777216"},
        {1e30f, "1000000000000000000000000000000"},
        {-0.0f, "0"},
        {0.0f, "0"},
        {std::numeric_limits<float>::max(), "340282350000000000000000000000000000000"},
        {std::numeric_limits<float>::denorm_min(),
         "0.000000000000000000000000000000000000000000001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(plainNumberText(c.value), c.text);
    }
}

TEST(FieldWriter, WritesTheShortestPlainDecimalOfADouble) {
    struct Case {
        double value;
        const char* text;
    };
    static const Case cases[] = {
        {0.1, "0.1"},
        {1e-7, "0.0000001"},
        {1234.56, "1234.56"},
        {-0.25, "-0.25"},
        {1e20, "100000000000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(plainNumberText(c.value), c.text);
    }
}

TEST(FieldWriter, EverySingleReadsBackToItself) {
    // Random bit patterns over the whole finite range, plus money-like values.
    std::mt19937 random(2016);
    std::uniform_int_distribution<std::uint32_t> bits;
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        float value = std::bit_cast<float>(bits(random));
        if (i % 2 == 1) {
            value = static_cast<float>(static_cast<int>(bits(random) % 10000000)) / 100.0f;
        }
        if (!withinAmountLimit(static_cast<double>(value))) {
            continue;  // refused by the reader, and so by the writer
        }
        std::string text = plainNumberText(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        FieldReader in(text, "x");
        float back = 0;
        ASSERT_TRUE(in.number(back)) << text;
        ASSERT_EQ(back, value) << text;
        ++checked;
    }
    EXPECT_GT(checked, 150000);
}

TEST(FieldWriter, StorableTextKeepsAFileReadable) {
    struct Case {
        const char* text;
        const char* stored;
    };
    static const Case cases[] = {
        {"He said \"hi\"", "He said 'hi'"}, {"two\r\nlines", "two lines"},
        {"two\nlines", "two lines"},        {"two\rlines", "two lines"},
        {"Albany, NY", "Albany, NY"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(storableText(c.text), c.stored);
        FieldWriter w;
        w.string(c.text).number(1.0f).endLine();
        FieldReader in(w.text(), "x");
        std::string back;
        float after = 0;
        ASSERT_TRUE(in.string(back));
        ASSERT_TRUE(in.number(after));  // the field after it is still in its place
        EXPECT_EQ(back, c.stored);
        EXPECT_EQ(after, 1.0f);
    }
}

TEST(FieldWriter, BuildsALineOfEveryKindOfField) {
    FieldWriter w;
    w.number(1.5f).string("x").boolean(true).variant(Variant{}).integer(-3).endLine();
    w.variant(Variant{}).variant(Variant{}).variant(Variant{}).variant(Variant{}).endLine();
    w.currency(Currency::fromUnits(12345678)).currency(Currency::fromUnits(-5000));
    w.currency(Currency::fromUnits(10000)).boolean(false).endLine();
    EXPECT_EQ(w.text(), "1.5,\"x\",#TRUE#,,-3\r\n,,,\r\n1234.5678,-0.5,1,#FALSE#\r\n");
    EXPECT_TRUE(w.ok());
}

TEST(FieldWriter, MarksANumberThatHasNoPlainForm) {
    FieldWriter w;
    w.number(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FALSE(w.ok());
    FieldWriter v;
    v.number(std::numeric_limits<double>::infinity());
    EXPECT_FALSE(v.ok());
    // What the readers refuse is not stored either, so a save never writes a file that cannot
    // be opened again; a reserved Variant keeps any finite number it was read with.
    for (float big : {1e9f, -1e9f, 1e30f}) {
        FieldWriter x;
        x.number(big);
        EXPECT_FALSE(x.ok()) << big;
    }
    FieldWriter kept;
    kept.number(999999936.0f).variant(Variant{1e300});
    EXPECT_TRUE(kept.ok());
    FieldWriter total;
    total.currency(Currency::fromDouble(2e9));
    EXPECT_FALSE(total.ok());
}

TEST(FieldWriter, SpareVariantsSurviveARoundTripAsTheyWere) {
    static const Variant values[] = {
        Variant{},
        Variant{0.0},
        Variant{-0.25},
        Variant{1234.5678},
        Variant{1e-7},
        Variant{std::string()},
        Variant{std::string("5")},
        Variant{std::string("text, with a comma")},
        Variant{true},
        Variant{false},
    };
    FieldWriter w;
    for (const Variant& v : values) {
        w.variant(v);
    }
    w.endLine();
    FieldReader in(w.text(), "x.use");
    for (const Variant& v : values) {
        Variant back = 99.0;
        ASSERT_TRUE(in.variant(back));
        EXPECT_EQ(back, v) << w.text();
    }
}

// ----- replacing a file

TEST(WriteFileAtomically, CreatesAndReplacesAFileLeavingNothingElse) {
    TempFolder folder;
    fs::path file = folder.path() / "Smith.cti";
    EXPECT_FALSE(writeFileAtomically(file, "first\r\n", "Smith.cti").failed());
    EXPECT_EQ(contentOf(file), "first\r\n");
    ::chmod(file.c_str(), 0640);
    EXPECT_FALSE(writeFileAtomically(file, "second\r\n", "Smith.cti").failed());
    EXPECT_EQ(contentOf(file), "second\r\n");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Smith.cti"});
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);  // the replacement keeps the permissions
}

TEST(WriteFileAtomically, AFileThatAlreadyHoldsTheContentIsNotRewritten) {
    TempFolder folder;
    fs::path file = folder.path() / "Smith.use";
    ASSERT_FALSE(writeFileAtomically(file, "same\r\n", "Smith.use").failed());
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);

    EXPECT_FALSE(writeFileAtomically(file, "same\r\n", "Smith.use").failed());
    struct stat unchanged {};
    ASSERT_EQ(::stat(file.c_str(), &unchanged), 0);
    EXPECT_EQ(unchanged.st_ino, before.st_ino);  // no new file took its place

    EXPECT_FALSE(writeFileAtomically(file, "same\r\nmore\r\n", "Smith.use").failed());
    struct stat replaced {};
    ASSERT_EQ(::stat(file.c_str(), &replaced), 0);
    EXPECT_NE(replaced.st_ino, before.st_ino);
    EXPECT_EQ(contentOf(file), "same\r\nmore\r\n");
}

TEST(WriteFileAtomically, AFileNamedToTheLimitCanBeWritten) {
    TempFolder folder;
    std::string name(250, 'n');
    name += ".sta";
    EXPECT_FALSE(writeFileAtomically(folder.path() / name, "1\r\n", name).failed());
    EXPECT_EQ(contentOf(folder.path() / name), "1\r\n");
}

TEST(WriteFileAtomically, AFolderInPlaceOfTheFileIsLeftAloneAndReported) {
    TempFolder folder;
    fs::path file = folder.path() / "Smith.sta";
    fs::create_directory(file);
    std::ofstream(file / "inside", std::ios::binary) << "kept";
    auto error = writeFileAtomically(file, "new\r\n", "Smith.sta");
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().file, "Smith.sta");
    EXPECT_EQ(error.error().problem, "a folder in place of the file");
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(contentOf(file / "inside"), "kept");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Smith.sta"});
}

TEST(WriteFileAtomically, AFolderThatIsAFileIsReported) {
    TempFolder folder;
    std::ofstream(folder.path() / "plain", std::ios::binary) << "x";
    auto error = writeFileAtomically(folder.path() / "plain" / "Smith.sta", "new", "Smith.sta");
    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().describe().rfind("Smith.sta: cannot write: ", 0), 0u)
        << error.error().describe();
    EXPECT_EQ(contentOf(folder.path() / "plain"), "x");
}

TEST(WriteFileAtomically, AWriteThatFailsHalfwayLeavesTheOldFileByteForByte) {
    // A file-size limit makes the write fail part of the way through, as a full disk would.
    TempFolder folder;
    fs::path file = folder.path() / "Smith.yrw";
    const std::string old = "\"01/08/2016\",1,2,3,4\r\n";
    ASSERT_FALSE(writeFileAtomically(file, old, "Smith.yrw").failed());

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    auto error = writeFileAtomically(file, std::string(4096, '7'), "Smith.yrw");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(error.failed());
    EXPECT_EQ(error.error().problem, std::string("cannot write: ") + std::strerror(EFBIG));
    EXPECT_EQ(contentOf(file), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Smith.yrw"});
}

TEST(FileError, DescribesItsPlace) {
    EXPECT_EQ((FileError{"Smith.sta", 22, 3, "not a number: \"abc\""}.describe()),
              "Smith.sta, line 22, field 3: not a number: \"abc\"");
    EXPECT_EQ((FileError{".sta", 23, 0, "the file ends early"}.describe()),
              ".sta, line 23: the file ends early");
    EXPECT_EQ((FileError{"Header.sav", 0, 0, "cannot write: Is a directory"}.describe()),
              "Header.sav: cannot write: Is a directory");
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

// A message shows control characters and bytes that are no UTF-8 character escaped, and keeps
// every valid character as it is.
TEST(Excerpt, EscapesWhatATerminalCannotShow) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Smith", "Smith"},
        {"Smith\x80", "Smith\\x80"},                   // a stray continuation byte
        {"Jos\xc3\xa9", "Jos\xc3\xa9"},                // é, two bytes
        {"Jos\xc3", "Jos\\xc3"},                       // é cut short
        {"\xc3(", "\\xc3("},                           // a lead byte without its continuation
        {"\xc0\xaf", "\\xc0\\xaf"},                    // an overlong "/"
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},           // a surrogate
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},  // beyond U+10FFFF
        {"\xf0\x9f\x92\xb5", "\xf0\x9f\x92\xb5"},      // a banknote, four bytes
        {"\xe2\x82\xac 5", "\xe2\x82\xac 5"},          // the euro sign
        {"a\x1b[2J\tb\r\n", "a\\x1b[2J\\tb\\r\\n"},
        {"\xff\xfe", "\\xff\\xfe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(excerpt(c.text), c.shown);
        EXPECT_EQ(escapedText(c.text), c.shown);
    }
    // The cut falls where a character begins; a run of stray bytes is cut where it is long.
    EXPECT_EQ(excerpt("ab\xc3\xa9", 3), "ab...");
    EXPECT_EQ(excerpt(std::string(100, '\x80'), 4), "\\x80...");
}

}  // namespace
}  // namespace quillon
