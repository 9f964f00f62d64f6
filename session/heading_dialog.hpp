// The "Print Out Heading" dialog as a plain model: the company heading that the pay statement and
// the register printout put at the top of the page, one for the whole installation.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "records/files.hpp"
#include "session/boxes.hpp"

namespace quillon {

inline constexpr const char* kHeadingCaption = "Print Out Heading";
// The file holding the heading, in the working folder.
inline constexpr std::string_view kHeadingFileName = "Header.sav";
// What the dialog shows for a field that is empty: company, address, zip line, ID number.
inline constexpr std::array<std::string_view, 4> kHeadingDefaults = {"Company", "Address",
                                                                     "Zip Code", "ID Number"};

struct HeadingDialog {
    std::string caption = kHeadingCaption;
    // txtHeader(0) company and txtHeader(1) address on rows of their own; txtHeader(2) the zip
    // line and txtHeader(3) the ID number, narrower, on the third row.
    std::array<TextBox, 4> txtHeader{};
    std::string OKButton = "OK";
    std::string CancelButton = "Cancel";

    // Opening: each empty field takes its default (in memory, not in the file), then the boxes
    // show the fields.
    void show(CompanyHeading& heading);
    // "OK": the boxes as the file can hold them (a double quote stored as ', a line break as a
    // blank), so that what is printed now is what the file gives back later.
    [[nodiscard]] CompanyHeading typed() const;
};

}  // namespace quillon
