#pragma once

#include <array>
#include <string>
#include <string_view>

#include "FormatSettings.h"
#include "ToneNetwork.h"

// One row of the results on the window: which part value it shows, in which label, with how
// many decimals. The unit stands in the row's caption, never in the result text.
struct ResultRow {
    float NetworkValues::*value;
    std::string_view resultLabel;
    int decimals;
};

// The rows in screen order, top to bottom.
inline constexpr std::array<ResultRow, 7> kResultRows{{
    {&NetworkValues::R2, "Label9", 2},   // kΩ
    {&NetworkValues::R4, "Label10", 3},  // kΩ
    {&NetworkValues::R5, "Label11", 2},  // kΩ
    {&NetworkValues::C1, "Label12", 2},  // nF
    {&NetworkValues::C2, "Label13", 4},  // µF
    {&NetworkValues::C3, "Label14", 4},  // µF
    {&NetworkValues::C4, "Label15", 4},  // µF
}};

// The text of a row's result label: the exact value rounded to the row's decimals, with the
// locale's decimal separator.
std::string ResultText(const ResultRow& row, const NetworkValues& values,
                       const TFormatSettings& settings = FormatSettings());
