// The figures the state dialog's presets load for the special states with table-driven or
// preset-fed formulas, shared by the formula tests and the explanation tests, and the helpers
// that fill a column.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "engine/tables.hpp"

namespace quillon::testing {

using Column = StateSettings::Column;

inline void fillColumn(Column& column, std::initializer_list<float> values, float rest) {
    column.fill(rest);
    std::size_t i = 0;
    for (float v : values) {
        column[i++] = v;
    }
}

// An allowance column of step x n.
inline void fillSteps(Column& column, float step) {
    for (std::size_t n = 0; n < column.size(); ++n) {
        column[n] = step * static_cast<float>(n);
    }
}

// Both bracket tables with no row in use.
inline StateSettings emptyTables() {
    StateSettings s;
    fillColumn(s.StateMinBS, {}, 999999);
    fillColumn(s.StateMinBM, {}, 999999);
    return s;
}

// The Iowa preset: "Standard" 63.46 for 0 and 1 exemptions, 156.15 from 2 (weekly 31.73 and
// 78.08); "Credit" 1.54 x n (weekly 0.77 x n).
inline StateSettings iowaPreset(bool biWeekly) {
    StateSettings s = emptyTables();
    const float low = biWeekly ? 63.46f : 31.73f, high = biWeekly ? 156.15f : 78.08f;
    fillColumn(s.StateSgExp, {low, low}, high);
    fillSteps(s.StateMarExp, biWeekly ? 1.54f : 0.77f);
    return s;
}

// The "W4 Allowance" column of the Missouri preset.
inline constexpr float kMissouriW4BiWeekly[10] = {0,       80.77f,  126.92f, 173.07f, 219.22f,
                                                  265.37f, 311.52f, 357.67f, 403.82f, 449.97f};
inline constexpr float kMissouriW4Weekly[10] = {0,      40.38f,  63.46f,  86.54f,  109.62f,
                                                132.7f, 155.78f, 178.86f, 184.64f, 201.94f};

// The Utah preset: rows 0 to 6 with Amount 0.
inline StateSettings utahPreset() {
    StateSettings s = emptyTables();
    fillColumn(s.StateMinBS, {0, 254, 315, 423, 565, 812, 1531}, 999999);
    fillColumn(s.StateMinBM, {0, 508, 631, 846, 1131, 1623, 3062}, 999999);
    fillColumn(s.StatePerBS, {0, 0.01f, 0.02f, 0.03f, 0.04f, 0.05f, 0.05f}, 0);
    s.StatePerBM = s.StatePerBS;
    return s;
}

// The Oregon preset for the pay frequency: rows 0 to 2, allowances 7.5 x n (weekly 3.75 x n).
inline StateSettings oregonPreset(bool biWeekly) {
    StateSettings s = emptyTables();
    if (biWeekly) {
        fillColumn(s.StateMinBS, {0, 128.85f, 325}, 999999);
        fillColumn(s.StateAmtBS, {7.5f, 13.96f, 27.69f}, 0);
        fillColumn(s.StateMinBM, {0, 257.69f, 650}, 999999);
        fillColumn(s.StateAmtBM, {7.5f, 20.38f, 47.85f}, 0);
    } else {
        fillColumn(s.StateMinBS, {0, 64.42f, 162.5f}, 999999);
        fillColumn(s.StateAmtBS, {3.75f, 6.98f, 27.69f}, 0);
        fillColumn(s.StateMinBM, {0, 128.85f, 325}, 999999);
        fillColumn(s.StateAmtBM, {3.75f, 10.19f, 23.92f}, 0);
    }
    fillColumn(s.StatePerBS, {0.05f, 0.07f, 0.09f}, 0);
    s.StatePerBM = s.StatePerBS;
    fillSteps(s.StateSgExp, biWeekly ? 7.5f : 3.75f);
    s.StateMarExp = s.StateSgExp;
    return s;
}

// The Kentucky preset for the pay frequency: rows 0 to 5 in both tables.
inline StateSettings kentuckyPreset(bool biWeekly) {
    StateSettings s = emptyTables();
    if (biWeekly) {
        fillColumn(s.StateMinBS, {115.38f, 153.84f, 192.3f, 307.68f, 2884.61f, 5769.22f}, 999999);
    } else {
        fillColumn(s.StateMinBS, {57.69f, 76.92f, 96.15f, 153.85f, 1442.3f, 2884.61f}, 999999);
    }
    fillColumn(s.StatePerBS, {0.02f, 0.03f, 0.04f, 0.05f, 0.058f, 0.06f}, 0);
    fillColumn(s.StateAmtBS, {}, biWeekly ? 94.62f : 47.31f);
    fillSteps(s.StateSgExp, biWeekly ? 0.385f : 0.192f);
    s.StateMinBM = s.StateMinBS;
    s.StatePerBM = s.StatePerBS;
    s.StateAmtBM = s.StateAmtBS;
    s.StateMarExp = s.StateSgExp;
    return s;
}

// The Wisconsin presets: "Wisconsin Prior to 4/1/14" (prior) and "Wisconsin"; allowances
// 0.85 x n.
inline StateSettings wisconsinPreset(bool prior) {
    StateSettings s = emptyTables();
    if (prior) {
        fillColumn(s.StateMinBS, {0, 153.85f, 408.46f, 454.81f, 716.5f, 1690.5f, 4428.46f}, 999999);
        fillColumn(s.StateAmtBS, {0, 0, 11.73f, 14.12f, 32.15f, 103.08f, 281.04f}, 0);
        fillColumn(s.StatePerBS, {0, 0.046f, 0.05154f, 0.06888f, 0.0728f, 0.065f, 0.0675f}, 0);
        fillColumn(s.StateMinBM, {0, 211.54f, 518.08f, 575, 771.81f, 1632.69f, 4428.46f}, 999999);
        fillColumn(s.StateAmtBM, {0, 0, 14.12f, 17.62f, 32.15f, 99.31f, 281.04f}, 0);
        fillColumn(s.StatePerBM, {0, 0.046f, 0.0615f, 0.0738f, 0.078f, 0.065f, 0.0675f}, 0);
    } else {
        fillColumn(s.StateMinBS, {0, 220.38f, 584.62f, 634.08f, 1008.73f, 2421.15f, 9238.08f},
                   999999);
        fillColumn(s.StateAmtBS, {0, 0, 14.57f, 16.79f, 41.29f, 140.48f, 567.9f}, 0);
        fillColumn(s.StatePerBS, {0, 0.04f, 0.0448f, 0.065408f, 0.070224f, 0.0627f, 0.0765f}, 0);
        fillColumn(s.StateMinBM, {0, 302.69f, 722.31f, 823.08f, 1088.77f, 2336.54f, 9238.08f},
                   999999);
        fillColumn(s.StateAmtBM, {0, 0, 16.78f, 22.67f, 41.29f, 135.17f, 567.9f}, 0);
        fillColumn(s.StatePerBM, {0, 0.04f, 0.0584f, 0.07008f, 0.07524f, 0.0627f, 0.0765f}, 0);
    }
    fillSteps(s.StateSgExp, 0.85f);
    s.StateMarExp = s.StateSgExp;
    return s;
}

// The North Carolina preset; allowances 96.15 x n.
inline StateSettings ncPreset() {
    StateSettings s = emptyTables();
    fillColumn(s.StateMinBS, {0, 115.38f, 605.77f, 2423.08f}, 999999);
    fillColumn(s.StateAmtBS, {0, 6.92f, 12.98f, 31.15f}, 0);
    fillColumn(s.StateMinBM, {0, 115.38f, 524.04f, 2038.46f}, 999999);
    fillColumn(s.StateAmtBM, {0, 6.92f, 12.16f, 27.45f}, 0);
    fillColumn(s.StatePerBS, {0, 0.06f, 0.07f, 0.0775f}, 0);
    s.StatePerBM = s.StatePerBS;
    fillSteps(s.StateSgExp, 96.15f);
    s.StateMarExp = s.StateSgExp;
    return s;
}

// The Massachusetts preset: line 1 of both tables from 0 at 5.1 %, allowances 0, 169, 207, ...
// 473 in both columns.
inline StateSettings massPreset() {
    StateSettings s = emptyTables();
    s.StateMinBS[0] = 0;
    s.StateMinBM[0] = 0;
    s.StatePerBS[0] = 0.051f;
    s.StatePerBM[0] = 0.051f;
    fillColumn(s.StateMarExp, {0, 169, 207, 245, 283, 321, 359, 397, 435, 473}, 0);
    s.StateSgExp = s.StateMarExp;
    return s;
}

// The Missouri preset for a single employee: "Standard" 242.31 in every row (weekly 121.15),
// the "W4 Allowance" column.
inline StateSettings missouriPreset(bool biWeekly) {
    StateSettings s = emptyTables();
    s.StateSgExp.fill(biWeekly ? 242.31f : 121.15f);
    for (std::size_t i = 0; i < 10; ++i) {
        s.StateMarExp[i] = biWeekly ? kMissouriW4BiWeekly[i] : kMissouriW4Weekly[i];
    }
    return s;
}

}  // namespace quillon::testing
