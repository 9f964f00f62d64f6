// The renderer: the font "Arial" resolves to, its metrics against the page model's, and PDF
// files produced end to end and read back with poppler's pdftotext.
#include "print/renderer.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFontMetricsF>
#include <QPrinter>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include "print/tests/fixtures.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

constexpr double kMargin = 18;  // points, the PDF sheet's margin

std::string run(const std::string& command) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string out;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        out += buffer.data();
    }
    EXPECT_EQ(::pclose(pipe), 0) << command;
    return out;
}

// What pdfinfo says about a file: its page count and page size.
struct PdfInfo {
    int pages = 0;
    std::string size;
};

PdfInfo pdfInfo(const fs::path& pdf) {
    const std::string info = run(std::string(QUILLON_PDFINFO) + " '" + pdf.string() + "'");
    PdfInfo out;
    std::smatch m;
    if (std::regex_search(info, m, std::regex("Pages: +([0-9]+)"))) {
        out.pages = std::stoi(m[1]);
    }
    if (std::regex_search(info, m, std::regex("Page size: +([^\n]*)"))) {
        out.size = m[1];
    }
    return out;
}

// A word of a PDF page as pdftotext places it, in points from the sheet's top left.
struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};

std::vector<Word> words(const fs::path& pdf) {
    const std::string html =
        run(std::string(QUILLON_PDFTOTEXT) + " -bbox '" + pdf.string() + "' -");
    static const std::regex word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">"
        "([^<]*)</word>");
    std::vector<Word> out;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        out.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    }
    return out;
}

// The words on the line of the first word that reads `anchor`, left to right.
std::vector<Word> lineOf(const std::vector<Word>& all, const std::string& anchor) {
    for (const Word& w : all) {
        if (w.text == anchor) {
            std::vector<Word> line;
            for (const Word& v : all) {
                if (std::fabs(v.yMin - w.yMin) < 1) {
                    line.push_back(v);
                }
            }
            return line;
        }
    }
    ADD_FAILURE() << "no word " << anchor;
    return {};
}

const Word* at(const std::vector<Word>& line, const std::string& text) {
    for (const Word& w : line) {
        if (w.text == text) {
            return &w;
        }
    }
    ADD_FAILURE() << "no word " << text << " on the line";
    return nullptr;
}

// Where column n of Arial at this size starts on the PDF sheet.
double columnX(int n, double size) {
    return kMargin + n * columnWidth(Font{"Arial", size});
}

void expectOnTheSheet(const std::vector<Word>& all, double width, double height) {
    for (const Word& w : all) {
        if (w.text.find_first_not_of('-') == std::string::npos) {
            continue;  // the long rules run to the edge, as they always did
        }
        EXPECT_LE(w.xMax, width - kMargin) << w.text;
        EXPECT_LE(w.yMax, height - kMargin) << w.text;
    }
}

class RendererTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quillon-render-test-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path pdf(const Page& page, const std::string& name) {
        fs::path file = folder_ / name;
        const PrintStatus status = writePdf({page}, file);
        EXPECT_TRUE(status.ok()) << status.error->message;
        return file;
    }

    static Page layOut(const PageOutcome& outcome) {
        if (const auto* error = std::get_if<PrintError>(&outcome)) {
            ADD_FAILURE() << error->message;
            return {};
        }
        return std::get<Page>(outcome);
    }

    fs::path folder_;
};

TEST_F(RendererTest, ArialIsLiberationSansOrArialItself) {
    const PrintFontCheck check = checkPrintFont();
    EXPECT_TRUE(check.family == "Liberation Sans" || check.family == "Arial")
        << "\"Arial\" resolves to " << check.family
        << ": install fonts-liberation (scripts/setup.sh) so that fontconfig finds Liberation Sans";
    EXPECT_FALSE(check.problem) << check.problem->message;
}

TEST_F(RendererTest, ThePrinterMeasuresAsThePageModelDoes) {
    const double toPoints = 1 / kTwipsPerPoint;
    for (double size : {8.0, 9.0, 10.0, 11.0}) {
        SCOPED_TRACE(size);
        const Font font{"Arial", size};
        const QFontMetricsF metrics(printFont(font));
        double weighted = 0;
        for (const auto& [character, weight] : kAverageWidthWeights) {
            weighted += weight * metrics.horizontalAdvance(QLatin1Char(character));
        }
        // Advances come rounded to 1/64 of a font pixel: a few parts in ten thousand.
        EXPECT_NEAR(weighted / 1000 * toPoints / columnWidth(font), 1, 2e-4);
        EXPECT_NEAR(metrics.height() * toPoints / lineHeight(font), 1, 2e-4);
        EXPECT_NEAR(metrics.horizontalAdvance("1234.56 Federal") * toPoints /
                        textWidth(font, "1234.56 Federal"),
                    1, 2e-4);
    }
}

TEST_F(RendererTest, RegisterPrintoutAsPdf) {
    const RegisterPrintInput in = testing::weeklyPrintInput();
    const fs::path file = pdf(PrintYr(in), "register.pdf");
    EXPECT_EQ(pdfInfo(file).pages, 1);
    EXPECT_EQ(pdfInfo(file).size, "792 x 612 pts (letter)");

    const std::vector<Word> all = words(file);
    expectOnTheSheet(all, 792, 612);
    const std::vector<Word> headings = lineOf(all, "MediCare");
    const std::vector<Word> totals = lineOf(all, "TOTALS");
    const RegisterTotals& t = in.yearRegister.totals;
    // Each total starts where its heading does, at the column's place in Arial 8.
    const struct {
        const char* heading;
        std::string total;
        int column;
    } columns[] = {{"Federal", format(t.TotFed, "#####.00"), 17},
                   {"CrUnion", format(t.TotMuni, "#####.00"), 82},
                   {"KPlan", format(t.TotKplan, "#####.00"), 145},
                   {"Gross", format(t.TotGross, "#####.00"), 197}};
    for (const auto& c : columns) {
        SCOPED_TRACE(c.heading);
        const Word* heading = at(headings, c.heading);
        const Word* total = at(totals, c.total);
        ASSERT_TRUE(heading && total);
        EXPECT_NEAR(heading->xMin, columnX(c.column, 8), 0.5);
        EXPECT_NEAR(total->xMin, columnX(c.column, 8), 0.5);
    }
    EXPECT_NEAR(at(totals, "TOTALS")->xMin, columnX(5, 8), 0.5);
    EXPECT_NEAR(at(lineOf(all, "Employee:"), "1/4/2017")->xMin, columnX(145, 9), 0.5);
}

TEST_F(RendererTest, StatementAsPdf) {
    const fs::path file = pdf(layOut(PrintText(testing::workedStatement())), "statement.pdf");
    const std::vector<Word> all = words(file);
    expectOnTheSheet(all, 612, 792);
    const std::vector<Word> ytd = lineOf(all, "117000.00");
    EXPECT_NEAR(at(ytd, "117000.00")->xMin, columnX(30, 10), 0.5);
    EXPECT_NEAR(at(ytd, "69039.88")->xMin, columnX(85, 10), 0.5);
    const std::vector<Word> current = lineOf(all, "2888.00");
    EXPECT_NEAR(at(current, "1886.15")->xMin, columnX(85, 10), 0.5);
    EXPECT_NEAR(at(lineOf(all, "Harbor"), "Harbor")->xMin, kMargin, 0.5);
    EXPECT_NEAR(at(lineOf(all, "01-2345678"), "01-2345678")->xMin, columnX(85, 11), 0.5);
}

TEST_F(RendererTest, PaycheckAsPdf) {
    const fs::path file = pdf(layOut(PrintCheck(testing::workedCheck())), "check.pdf");
    const std::string text = run(std::string(QUILLON_PDFTOTEXT) + " '" + file.string() + "' -");
    for (const char* expected :
         {"Maria Lopez********", "**1886.15",
          "***** One Thousand Eight Hundred Eighty Six and 15/100*****", "Period 27",
          "For Week Ending: 12/30/2016", "117000.00", "69039.88"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << "missing: " << expected;
    }
    const std::vector<Word> all = words(file);
    expectOnTheSheet(all, 612, 792);
    EXPECT_NEAR(at(lineOf(all, "**1886.15"), "**1886.15")->xMin, columnX(102, 11), 0.5);
    // The date on the face, then the same date at the right of each stub.
    std::vector<double> dates;
    for (const Word& w : all) {
        if (w.text == "12/30/2016") {
            dates.push_back(w.xMin);
        }
    }
    ASSERT_EQ(dates.size(), 5u);  // face; each stub's week ending and check date
    EXPECT_NEAR(dates[0], columnX(107, 11), 0.5);
    EXPECT_NEAR(dates[2], columnX(125, 8), 0.5);
}

TEST_F(RendererTest, LinesPastTheBottomGoOnASecondSheet) {
    const CheckOffsets low{0, 43};  // vertical offset +40
    const fs::path file = pdf(layOut(PrintCheck(testing::workedCheck(low))), "low.pdf");
    EXPECT_EQ(pdfInfo(file).pages, 2);
    EXPECT_NE(run(std::string(QUILLON_PDFTOTEXT) + " -f 2 '" + file.string() + "' -").find("YTD"),
              std::string::npos);
}

// A4 landscape is shorter than Letter: the weekly register's last printed line still fits, and
// the blank line after it makes no empty second sheet.
TEST_F(RendererTest, PrintsOnAChosenPrinter) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    const fs::path file = folder_ / "printer.pdf";
    printer.setOutputFileName(QString::fromStdString(file.string()));
    const RegisterPrintInput in = testing::weeklyPrintInput();
    const PrintStatus status = printPages(printer, {PrintYr(in)});
    ASSERT_TRUE(status.ok()) << status.error->message;
    EXPECT_EQ(pdfInfo(file).pages, 1);
    EXPECT_EQ(pdfInfo(file).size, "842 x 595 pts (A4)");
    const std::string text = run(std::string(QUILLON_PDFTOTEXT) + " '" + file.string() + "' -");
    EXPECT_NE(text.find("Total Cafeteria: .00"), std::string::npos);
    EXPECT_NE(text.find(format(in.yearRegister.totals.TotGross, "#####.00")), std::string::npos);
}

TEST_F(RendererTest, APdfThatCannotBeWrittenSaysSo) {
    const fs::path file = folder_ / "missing" / "register.pdf";
    const PrintStatus status = writePdf({PrintYr(testing::weeklyPrintInput())}, file);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error->message,
              "The PDF file could not be written: register.pdf: cannot write: No such file or "
              "directory.");
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace quillon
