// A refused box as the dialogs' code names it, "txtCityAmtBM(6)" or "txtNonPer", for tables of
// expected boxes.
#pragma once

#include <string>

#include "session/key_filter.hpp"

namespace quillon::testing {

inline std::string boxName(const BadBox& box) {
    return box.row < 0 ? box.control : box.control + "(" + std::to_string(box.row) + ")";
}

}  // namespace quillon::testing
