#include "session/noncity_dialog.hpp"

#include "engine/money.hpp"

namespace quillon {
namespace {

struct NonCityColumn {
    std::string_view name;
    NonCityDialog::Column NonCityDialog::*boxes;
    const NonCityTextColumn* defaults;
    NonCitySettings::Column NonCitySettings::*setting;
};

// In the order the dialog visits its boxes; the rate box comes last.
constexpr std::array<NonCityColumn, 4> kColumns = {{
    {"txtNonMinBi", &NonCityDialog::txtNonMinBi, &kNonCityMinBi, &NonCitySettings::NonMinBi},
    {"txtNonExpBi", &NonCityDialog::txtNonExpBi, &kNonCityExpBi, &NonCitySettings::NonExpBi},
    {"txtNonMinWk", &NonCityDialog::txtNonMinWk, &kNonCityMinWk, &NonCitySettings::NonMinWk},
    {"txtNonExpWk", &NonCityDialog::txtNonExpWk, &kNonCityExpWk, &NonCitySettings::NonExpWk},
}};

void fillDefaults(NonCityDialog& d, bool onlyEmpty) {
    for (const NonCityColumn& col : kColumns) {
        for (std::size_t r = 0; r < 8; ++r) {
            TextBox& box = (d.*col.boxes)[r];
            if (!onlyEmpty || box.text.empty()) {
                box.text = std::string((*col.defaults)[r]);
            }
        }
    }
    if (!onlyEmpty || d.txtNonPer.text.empty()) {
        d.txtNonPer.text = std::string(kNonCityPer);
    }
}

}  // namespace

void NonCityDialog::deFault() {
    fillDefaults(*this, false);
}

void NonCityDialog::fillBlankBoxes() {
    fillDefaults(*this, true);
}

std::optional<BadBox> NonCityDialog::takeOverBoxes(NonCitySettings& n) const {
    NonCitySettings taken = n;
    // Row by row, as the settings are taken over, so the first bad box named is the first
    // the operator finds reading the table line by line.
    for (std::size_t r = 0; r < 8; ++r) {
        for (const NonCityColumn& col : kColumns) {
            const std::optional<float> value = strictAmount((this->*col.boxes)[r].text);
            if (!value) {
                return namedBox(col.name, static_cast<int>(r));
            }
            (taken.*col.setting)[r] = *value;
        }
    }
    const std::optional<float> rate = strictAmount(txtNonPer.text);
    if (!rate) {
        return namedBox("txtNonPer");
    }
    taken.NonPer = *rate;
    n = taken;
    return std::nullopt;
}

void NonCityDialog::showSettings(const NonCitySettings& n) {
    for (const NonCityColumn& col : kColumns) {
        for (std::size_t r = 0; r < 8; ++r) {
            (this->*col.boxes)[r].text = decimalText((n.*col.setting)[r]);
        }
    }
    txtNonPer.text = decimalText(n.NonPer);
}

}  // namespace quillon

namespace quillon {

TextBox* NonCityDialog::box(std::string_view control, int row) {
    for (const NonCityColumn& col : kColumns) {
        if (control == col.name) {
            return row >= 0 && row < 8 ? &(this->*col.boxes)[static_cast<std::size_t>(row)]
                                       : nullptr;
        }
    }
    return control == "txtNonPer" && row < 0 ? &txtNonPer : nullptr;
}

std::string NonCityDialog::title() const {
    return unsaved ? caption + kNotSavedSuffix : caption;
}

}  // namespace quillon
