// The Calculate path, from the entry text to the seven result texts, and its parts, beside two
// baselines measured in the same run: seven std::to_chars calls (the least that writing seven
// numbers can cost) and seven snprintf calls.
#include <array>
#include <charconv>
#include <cstdio>
#include <string>

#include <benchmark/benchmark.h>

#include "NarrowToFloat.h"
#include "ResultRows.h"
#include "StrToFloat.h"
#include "ToneNetwork.h"

namespace {

const TFormatSettings kSettings{",", "\u202f"};
const std::string kEntry = "47";
const NetworkValues kValues = *CalculateNetwork(47.0f);

void WholePath(benchmark::State& state) {
    std::array<std::string, 7> texts;
    for (auto _ : state) {
        const float resistance = NarrowToFloat(StrToFloat(kEntry, kSettings));
        const auto values = CalculateNetwork(resistance);
        for (std::size_t i = 0; i < kResultRows.size(); ++i) texts[i] = ResultText(kResultRows[i], *values, kSettings);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(WholePath);

void CalculationAlone(benchmark::State& state) {
    float resistance = 47.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(resistance);
        auto values = CalculateNetwork(resistance);
        benchmark::DoNotOptimize(values);
    }
}
BENCHMARK(CalculationAlone);

void SevenResultTexts(benchmark::State& state) {
    std::array<std::string, 7> texts;
    for (auto _ : state) {
        for (std::size_t i = 0; i < kResultRows.size(); ++i) texts[i] = ResultText(kResultRows[i], kValues, kSettings);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(SevenResultTexts);

void BaselineSevenToChars(benchmark::State& state) {
    std::array<std::array<char, 32>, 7> texts{};
    for (auto _ : state) {
        for (std::size_t i = 0; i < kResultRows.size(); ++i) {
            const float value = kValues.*kResultRows[i].value;
            std::to_chars(texts[i].data(), texts[i].data() + texts[i].size(), value, std::chars_format::fixed,
                          kResultRows[i].decimals);
        }
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BaselineSevenToChars);

void BaselineSevenSnprintf(benchmark::State& state) {
    std::array<std::array<char, 32>, 7> texts{};
    for (auto _ : state) {
        for (std::size_t i = 0; i < kResultRows.size(); ++i) {
            const double value = kValues.*kResultRows[i].value;
            std::snprintf(texts[i].data(), texts[i].size(), "%.*f", kResultRows[i].decimals, value);
        }
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(BaselineSevenSnprintf);

}  // namespace
