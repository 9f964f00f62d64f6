// The New York state values: the bi-weekly tables and allowances the state dialog puts into its
// boxes on "New York" and into every box left blank, as the texts the boxes show.
#pragma once

#include <array>
#include <string_view>

namespace quillon {

using NewYorkColumn = std::array<std::string_view, 10>;

// The married minimums equal the single ones.
inline constexpr NewYorkColumn kNewYorkStateMin = {"0",    "325",  "448",  "533",  "819",
                                                   "3083", "3700", "4113", "6173", "8231"};
inline constexpr NewYorkColumn kNewYorkStateAmtS = {
    "0", "13", "18.54", "23", "39.88", "185.88", "226.92", "258.27", "424.69", "571.81"};
inline constexpr NewYorkColumn kNewYorkStateAmtM = {
    "0", "13", "18.54", "23", "39.88", "185.88", "226.92", "257.04", "417.27", "583.54"};
inline constexpr NewYorkColumn kNewYorkStatePerS = {
    "0.04", "0.045", "0.0525", "0.059", "0.0645", "0.0665", "0.0758", "0.0808", "0.0715", "0.0815"};
inline constexpr NewYorkColumn kNewYorkStatePerM = {
    "0.04", "0.045", "0.0525", "0.059", "0.0645", "0.0665", "0.0728", "0.0778", "0.0808", "0.0715"};
// Withholding allowances for 0 to 9 exemptions: 284.6 and 303.8, rising by 38.5.
inline constexpr NewYorkColumn kNewYorkStateSgExp = {"284.6", "323.1", "361.6", "400.1", "438.6",
                                                     "477.1", "515.6", "554.1", "592.6", "631.1"};
inline constexpr NewYorkColumn kNewYorkStateMarExp = {"303.8", "342.3", "380.8", "419.3", "457.8",
                                                      "496.3", "534.8", "573.3", "611.8", "650.3"};
// SDI and SUI rate and base, the adjustment and the California allowance.
inline constexpr std::string_view kNewYorkStateSingleBox = "0";

}  // namespace quillon
