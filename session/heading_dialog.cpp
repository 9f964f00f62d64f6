// The heading dialog's boxes and the heading's fields.
#include "session/heading_dialog.hpp"

namespace quillon {
namespace {

std::array<std::string*, 4> fields(CompanyHeading& h) {
    return {&h.HeadCompany, &h.HeadAddress, &h.HeadZip, &h.HeadId};
}

}  // namespace

void HeadingDialog::show(CompanyHeading& heading) {
    const std::array<std::string*, 4> field = fields(heading);
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i]->empty()) {
            *field[i] = kHeadingDefaults[i];
        }
        txtHeader[i].text = *field[i];
    }
}

CompanyHeading HeadingDialog::typed() const {
    CompanyHeading heading;
    const std::array<std::string*, 4> field = fields(heading);
    for (std::size_t i = 0; i < field.size(); ++i) {
        *field[i] = storableText(txtHeader[i].text);
    }
    return heading;
}

}  // namespace quillon
