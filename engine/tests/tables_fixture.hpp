// Tables shared by the engine tests: the 2016 federal table as Federal16.dtt ships it, the New
// York state and city values, the non-city defaults, and an "empty" table builder.
#pragma once

#include <array>
#include <cstddef>

#include "engine/tables.hpp"

namespace quillon::testing {

// One set as the file lists it: bracket 1 Over,NotOver,ExcessOver,Rate; brackets 2 to 7 with
// Base; bracket 8 Over,ExcessOver,Rate,Base.
inline std::array<FedBracket, 8> fedSet(const std::array<std::array<float, 5>, 7>& lower,
                                        const std::array<float, 4>& top) {
    std::array<FedBracket, 8> set{};
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto& b = lower[i];
        set[i] = FedBracket{b[0], b[1], b[2], b[3], b[4]};
    }
    set[7] = FedBracket{top[0], 0, top[1], top[2], top[3]};
    return set;
}

inline FederalTable federal2016() {
    FederalTable t;
    t.set(FedSet::SingleBiWeekly) = fedSet({{{0, 87, 0, 0, 0},
                                             {87, 443, 87, .10f, 0},
                                             {443, 1535, 443, .15f, 35.60f},
                                             {1535, 3592, 1535, .25f, 199.40f},
                                             {3592, 7400, 3592, .28f, 713.65f},
                                             {7400, 15985, 7400, .33f, 1779.89f},
                                             {15985, 16050, 15985, .35f, 4612.94f}}},
                                           {16050, 16050, .396f, 4635.69f});
    t.set(FedSet::SingleWeekly) = fedSet({{{0, 43, 0, 0, 0},
                                           {43, 222, 43, .10f, 0},
                                           {222, 767, 222, .15f, 17.90f},
                                           {767, 1796, 767, .25f, 99.65f},
                                           {1796, 3700, 1796, .28f, 356.90f},
                                           {3700, 7992, 3700, .33f, 890.02f},
                                           {7992, 8025, 7992, .35f, 2306.38f}}},
                                         {8025, 8025, .396f, 2317.93f});
    t.set(FedSet::MarriedBiWeekly) = fedSet({{{0, 329, 0, 0, 0},
                                              {329, 1042, 329, .10f, 0},
                                              {1042, 3225, 1042, .15f, 71.30f},
                                              {3225, 6171, 3225, .25f, 398.75f},
                                              {6171, 9231, 6171, .28f, 1135.25f},
                                              {9231, 16227, 9231, .33f, 1992.05f},
                                              {16227, 18288, 16227, .35f, 4300.73f}}},
                                            {18288, 18288, .396f, 5022.08f});
    t.set(FedSet::MarriedWeekly) = fedSet({{{0, 164, 0, 0, 0},
                                            {164, 521, 164, .10f, 0},
                                            {521, 1613, 521, .15f, 35.70f},
                                            {1613, 3086, 1613, .25f, 199.50f},
                                            {3086, 4615, 3086, .28f, 567.75f},
                                            {4615, 8113, 4615, .33f, 995.87f},
                                            {8113, 9144, 8113, .35f, 2150.21f}}},
                                          {9144, 9144, .396f, 2511.06f});
    const std::array<float, 10> allow = {0,      77.9f,  155.8f, 233.7f, 311.6f,
                                         389.5f, 467.4f, 545.3f, 623.2f, 701.1f};
    for (std::size_t k = 0; k < allow.size(); ++k) {
        t.FedAllow[k] = allow[k];
        t.FedAllow[k + 10] = allow[k];
    }
    t.FedTableVersion = "2016";
    return t;
}

// The New York state values of the state dialog's "New York" button.
inline StateSettings newYorkState() {
    StateSettings s;
    const std::array<float, 10> min = {0, 325, 448, 533, 819, 3083, 3700, 4113, 6173, 8231};
    const std::array<float, 10> amtS = {0,       13,      18.54f,  23,      39.88f,
                                        185.88f, 226.92f, 258.27f, 424.69f, 571.81f};
    const std::array<float, 10> amtM = {0,       13,      18.54f,  23,      39.88f,
                                        185.88f, 226.92f, 257.04f, 417.27f, 583.54f};
    const std::array<float, 10> perS = {.04f,   .045f,  .0525f, .059f,  .0645f,
                                        .0665f, .0758f, .0808f, .0715f, .0815f};
    const std::array<float, 10> perM = {.04f,   .045f,  .0525f, .059f,  .0645f,
                                        .0665f, .0728f, .0778f, .0808f, .0715f};
    const std::array<float, 10> sgExp = {284.6f, 323.1f, 361.6f, 400.1f, 438.6f,
                                         477.1f, 515.6f, 554.1f, 592.6f, 631.1f};
    const std::array<float, 10> marExp = {303.8f, 342.3f, 380.8f, 419.3f, 457.8f,
                                          496.3f, 534.8f, 573.3f, 611.8f, 650.3f};
    for (std::size_t r = 0; r < 10; ++r) {
        s.StateMinBS[r] = min[r];
        s.StateMinBM[r] = min[r];
        s.StateAmtBS[r] = amtS[r];
        s.StateAmtBM[r] = amtM[r];
        s.StatePerBS[r] = perS[r];
        s.StatePerBM[r] = perM[r];
        s.StateSgExp[r] = sgExp[r];
        s.StateMarExp[r] = marExp[r];
    }
    return s;
}

// The New York values of the city dialog's "New York" button.
inline CitySettings newYorkCity() {
    CitySettings c;
    const std::array<float, 10> min = {0, 308, 334, 577, 962, 2308, 19231, 999999, 999999, 999999};
    const std::array<float, 10> amtS = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.31f, 0, 0, 0};
    const std::array<float, 10> amtM = {0, 5.85f, 6.58f, 14.08f, 28.31f, 80.81f, 801.09f, 0, 0, 0};
    const std::array<float, 10> per = {.019f, .0265f, .031f, .037f, .039f, .04f, .0425f, 0, 0, 0};
    const std::array<float, 10> sgExp = {192.3f, 230.8f, 269.3f, 307.8f, 346.3f,
                                         384.8f, 423.3f, 461.8f, 500.3f, 538.8f};
    const std::array<float, 10> marExp = {211.5f, 250,    288.5f, 327,    365.5f,
                                          404,    442.5f, 481,    519.5f, 558};
    c.CityMinBS = min;
    c.CityMinBM = min;
    c.CityAmtBS = amtS;
    c.CityAmtBM = amtM;
    c.CityPerBS = per;
    c.CityPerBM = per;
    c.CitySgExp = sgExp;
    c.CityMarExp = marExp;
    return c;
}

// The non-city dialog's default values.
inline NonCitySettings nonCityDefaults() {
    NonCitySettings n;
    n.NonMinBi = {0, 145, 385, 769, 1154, 999999, 999999, 999999};
    n.NonExpBi = {0, 115, 77, 38, 0, 0, 0, 0};
    n.NonMinWk = {0, 78, 192, 385, 577, 999999, 999999, 999999};
    n.NonExpWk = {0, 58, 38, 19, 0, 0, 0, 0};
    n.NonPer = .0045f;
    return n;
}

// "NO STATE TAX" / "NO LOCAL TAX": every minimum 999999, everything else 0.
inline StateSettings noStateTax() {
    StateSettings s;
    s.StateMinBS.fill(kUnusedRowMinimum);
    s.StateMinBM.fill(kUnusedRowMinimum);
    s.NoStateTax = 1;
    return s;
}

inline CitySettings noLocalTax() {
    CitySettings c;
    c.CityMinBS.fill(kUnusedRowMinimum);
    c.CityMinBM.fill(kUnusedRowMinimum);
    c.NoLocalTax = 1;
    return c;
}

}  // namespace quillon::testing
