#include "ResultRows.h"

#include "FloatToStrF.h"

namespace {
// Significant digits the results are written with; no result in the supported range needs
// more at its row's decimals.
constexpr int kResultPrecision = 8;
}  // namespace

std::string ResultText(const ResultRow& row, const NetworkValues& values,
                       const TFormatSettings& settings) {
    return FloatToStrF(values.*row.value, ffFixed, kResultPrecision, row.decimals, settings);
}
