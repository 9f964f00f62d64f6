#include "session/city_dialog.hpp"

#include "engine/money.hpp"

namespace quillon {
namespace {

constexpr std::string_view kUnusedMinimumText = "999999";

// One column of boxes: its name, its New York texts, its setting, whether it holds minimums.
struct CityColumn {
    std::string_view name;
    CityDialog::Column CityDialog::*boxes;
    const CityTextColumn* newYork;
    CitySettings::Column CitySettings::*setting;
    bool minimum;
};

// In the order the dialog visits its boxes.
constexpr std::array<CityColumn, 8> kColumns = {{
    {"txtCityMinBS", &CityDialog::txtCityMinBS, &kNewYorkCityMin, &CitySettings::CityMinBS, true},
    {"txtCityAmtBS", &CityDialog::txtCityAmtBS, &kNewYorkCityAmtS, &CitySettings::CityAmtBS, false},
    {"txtCityPerBS", &CityDialog::txtCityPerBS, &kNewYorkCityPer, &CitySettings::CityPerBS, false},
    {"txtCityMinBM", &CityDialog::txtCityMinBM, &kNewYorkCityMin, &CitySettings::CityMinBM, true},
    {"txtCityAmtBM", &CityDialog::txtCityAmtBM, &kNewYorkCityAmtM, &CitySettings::CityAmtBM, false},
    {"txtCityPerBM", &CityDialog::txtCityPerBM, &kNewYorkCityPer, &CitySettings::CityPerBM, false},
    {"txtCitySgExp", &CityDialog::txtCitySgExp, &kNewYorkCitySgExp, &CitySettings::CitySgExp,
     false},
    {"txtCityMarExp", &CityDialog::txtCityMarExp, &kNewYorkCityMarExp, &CitySettings::CityMarExp,
     false},
}};

void fillNewYork(CityDialog& d, bool onlyEmpty) {
    for (const CityColumn& col : kColumns) {
        for (std::size_t r = 0; r < 10; ++r) {
            TextBox& box = (d.*col.boxes)[r];
            if (!onlyEmpty || box.text.empty()) {
                box.text = std::string((*col.newYork)[r]);
            }
        }
    }
}

void showColumns(CityDialog& d, const CitySettings& c) {
    for (const CityColumn& col : kColumns) {
        for (std::size_t r = 0; r < 10; ++r) {
            (d.*col.boxes)[r].text = decimalText((c.*col.setting)[r]);
        }
    }
}

// 999999 in every minimum box, 0 in every other box.
void emptyTables(CityDialog& d) {
    for (const CityColumn& col : kColumns) {
        for (TextBox& box : d.*col.boxes) {
            box.text = col.minimum ? std::string(kUnusedMinimumText) : std::string("0");
        }
    }
}

}  // namespace

void CityDialog::fillBlankBoxes() {
    fillNewYork(*this, true);
}

std::optional<BadBox> CityDialog::takeOverBoxes(CitySettings& c) const {
    CitySettings taken = c;
    taken.NoLocalTax = ckNoLocalTax.value;
    // Row by row the six table columns, then row by row the two allowance columns: the first
    // bad box named is the first the operator meets reading the tables line by line.
    const auto takeRows = [&](std::size_t firstColumn,
                              std::size_t endColumn) -> std::optional<BadBox> {
        for (std::size_t r = 0; r < 10; ++r) {
            for (std::size_t k = firstColumn; k < endColumn; ++k) {
                const CityColumn& col = kColumns[k];
                const std::optional<float> value = strictAmount((this->*col.boxes)[r].text);
                if (!value) {
                    return namedBox(col.name, static_cast<int>(r));
                }
                (taken.*col.setting)[r] = *value;
            }
        }
        return std::nullopt;
    };
    if (auto bad = takeRows(0, 6)) {
        return bad;
    }
    if (auto bad = takeRows(6, 8)) {
        return bad;
    }
    c = taken;
    return std::nullopt;
}

void CityDialog::showSettings(const CitySettings& c) {
    showColumns(*this, c);
    // Setting the box runs its change handler when the value changes. Unchecking shows the
    // settings, which the boxes already do; checking empties the tables, and NoLocalTax is
    // already the box's value.
    const std::int16_t value = c.NoLocalTax != 0 ? 1 : 0;
    const bool turnsOn = value == 1 && ckNoLocalTax.value != 1;
    ckNoLocalTax.value = value;
    if (turnsOn) {
        emptyTables(*this);
    }
}

void CityDialog::SetNoLocalTax(CitySettings& c) {
    c.NoLocalTax = ckNoLocalTax.value;
    emptyTables(*this);
}

void CityDialog::noLocalTaxChanged(std::int16_t value, CitySettings& c) {
    if (value == ckNoLocalTax.value) {
        return;
    }
    ckNoLocalTax.value = value;
    if (value != 0) {
        SetNoLocalTax(c);
    } else {
        showColumns(*this, c);
    }
}

void CityDialog::newYork() {
    // Clearing the box would show the settings; the New York values replace them at once.
    ckNoLocalTax.value = 0;
    fillNewYork(*this, false);
}

void CityDialog::clearAll() {
    emptyTables(*this);
}

TextBox* CityDialog::box(std::string_view control, int row) {
    for (const CityColumn& col : kColumns) {
        if (control == col.name) {
            return row >= 0 && row < 10 ? &(this->*col.boxes)[static_cast<std::size_t>(row)]
                                        : nullptr;
        }
    }
    return nullptr;
}

std::string CityDialog::title() const {
    return unsaved ? caption + kNotSavedSuffix : caption;
}

}  // namespace quillon
