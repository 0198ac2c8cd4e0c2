// Writes, for a fixed corpus of entries, what the Calculate command shows for each: the seven
// result texts, the range warning, or the error and its message. Each entry is read once with a
// point and once with a comma as the locale's separator. Two builds of the calculation (for two
// processors) that agree on this output agree on what the user sees.
//
// The corpus: the worked examples, the ends of the range and of the float and extended formats,
// texts next to a rounding midpoint, and a few thousand generated numbers in both separators.
// It is generated from integers only (std::mt19937's output is fixed by the standard), so that
// it is the same wherever it is built.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Exception.h"
#include "NarrowToFloat.h"
#include "ResultRows.h"
#include "StrToFloat.h"
#include "ToneNetwork.h"

namespace {

const std::vector<std::string> kFixedEntries = {
    // worked examples and the ends of the range
    "100", "47", "1", "0.1", "3.3", "14999.999", "0.099999999", "0.09999999", "15000", "14999.9996",
    "0", "-0", "-47", "1e-45", "0.1000000015", "0.10000000149011612",
    // texts that are no number, and numbers beyond a float or beyond any number
    "", "abc", "1e39", "-1e39", "3.4028235e38", "3.40282357e38", "1.18973149535723176502e4932",
    "1.18973149535723176506e4932", "1e-4940", "2e-4951", "1.8e-4951",
    // next to a midpoint between two extended values: rounded once, not twice
    "4.69999999999999999960968721790521840375731699", "4.70000000000000000004336808689942017736029812",
    "4.69999999999999999960968721790521840375731699168682098388671875",
    // with the other separator, and forms the locale may or may not take
    "3,3", "1,5e2", "1.500", "1,500", " 47 ", "4.7e1", "+0.5"};

constexpr int kGeneratedEntries = 2000;

// A number between 0.01 and 100000 kΩ written with 1 to 12 significant digits, some in
// exponent form: integers drawn from the generator, the text put together from them.
std::string GeneratedEntry(std::mt19937& random) {
    const auto draw = [&](std::uint32_t count) { return static_cast<std::uint32_t>(random() % count); };
    const std::uint32_t digitCount = 1 + draw(12);
    std::string digits(1, static_cast<char>('1' + draw(9)));
    while (digits.size() < digitCount) digits += static_cast<char>('0' + draw(10));
    const int wholeDigits = static_cast<int>(draw(7)) - 1;  // 0.0ddd up to ddddd.ddd
    if (draw(5) == 0) {  // exponent form: d.ddd e±n
        std::string text = digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        return text + "e" + std::to_string(wholeDigits - 1);
    }
    if (wholeDigits <= 0) return "0." + std::string(static_cast<std::size_t>(-wholeDigits), '0') + digits;
    if (static_cast<std::size_t>(wholeDigits) >= digits.size())
        return digits + std::string(static_cast<std::size_t>(wholeDigits) - digits.size(), '0');
    return digits.substr(0, static_cast<std::size_t>(wholeDigits)) + "." +
           digits.substr(static_cast<std::size_t>(wholeDigits));
}

// What the Calculate command shows for an entry.
std::string Outcome(const std::string& entry, const TFormatSettings& settings) {
    try {
        const std::optional<NetworkValues> values = CalculateNetwork(NarrowToFloat(StrToFloat(entry, settings)));
        if (!values) return "warning";
        std::string texts;
        for (const ResultRow& row : kResultRows) texts += (texts.empty() ? "" : " ") + ResultText(row, *values, settings);
        return texts;
    } catch (const EConvertError& error) {
        return "EConvertError " + error.Message();
    } catch (const EOverflow& error) {
        return "EOverflow " + error.Message();
    }
}

}  // namespace

int main() {
    std::vector<std::string> entries = kFixedEntries;
    std::mt19937 random(20261211);
    for (int i = 0; i < kGeneratedEntries; ++i) {
        std::string entry = GeneratedEntry(random);
        entries.push_back(entry);
        if (const auto point = entry.find('.'); point != std::string::npos) entries.push_back(entry.replace(point, 1, ","));
    }

    const TFormatSettings separators[] = {{".", ""}, {",", "\u202f"}};
    for (const TFormatSettings& settings : separators)
        for (const std::string& entry : entries)
            std::printf("%s\t%s\t%s\n", settings.DecimalSeparator.c_str(), entry.c_str(), Outcome(entry, settings).c_str());
    return 0;
}
