// About a million generated entries go through the Calculate command: numbers in and out of
// range written with either separator, numbers too large for a float or for any number, and
// mutated or random texts. Each must end in one of the command's four outcomes, with the window
// in the state that outcome leaves, and never in a crash, a hang or a sanitizer report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "CalculateCommand.h"
#include "FormatSettings.h"
#include "ResultRows.h"

namespace {

enum class Outcome { Results, Warning, ConversionError, Overflow };

const char* Name(Outcome o) {
    switch (o) {
    case Outcome::Results: return "results";
    case Outcome::Warning: return "warning";
    case Outcome::ConversionError: return "conversion error";
    case Outcome::Overflow: return "overflow";
    }
    return "?";
}

// A generated entry, and what it must give where that is known without the code under test.
struct Entry {
    std::string text;
    std::optional<Outcome> expected;
    double resistance = 0;  // for expected results: the number written, in kΩ
};

class EntryGenerator {
public:
    explicit EntryGenerator(std::uint32_t seed) : random_(seed) {}

    Entry Next() {
        switch (Pick(0, 9)) {
        case 0: case 1: case 2: return InRange();
        case 3: case 4: return OutOfRange();
        case 5: return TooLarge();
        case 6: case 7: return Mutated(InRange().text);
        case 8: return Mutated(OutOfRange().text);
        default: return RandomBytes();
        }
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    // The locale's separator or the other one; which of them the window accepts is known.
    Entry Written(double value) {
        const bool comma = Pick(0, 1) == 1;
        std::string text = std::to_string(value);  // always with a point: the C locale is in force
        if (Pick(0, 3) == 0) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%.*e", Pick(0, 12), value);
            text = buffer;
        } else {
            text = text.substr(0, text.find('.') + 1 + static_cast<std::size_t>(Pick(0, 6)));
        }
        // The range test, done independently: on the written number narrowed to a float.
        const double written = std::strtod(text.c_str(), nullptr);
        const auto narrowed = static_cast<float>(std::strtold(text.c_str(), nullptr));
        const Outcome valid = narrowed > 0.1 && narrowed < 15000.0f ? Outcome::Results : Outcome::Warning;
        const auto point = text.find('.');
        if (point == std::string::npos) return {text, valid, written};
        if (comma) text.replace(point, 1, ",");
        const TFormatSettings& user = FormatSettings();
        const bool readable = comma ? user.DecimalSeparator == "," : user.ThousandSeparator != ".";
        return {text, readable ? valid : Outcome::ConversionError, written};
    }

    Entry InRange() {
        return Written(std::pow(10.0, Uniform(-1, 4.1761)));
    }

    Entry OutOfRange() {
        double value = 0;
        switch (Pick(0, 3)) {
        case 0: value = -std::pow(10.0, Uniform(-5, 30)); break;
        case 1: value = Uniform(0, 0.1); break;
        case 2: value = std::pow(10.0, Uniform(4.1761, 38)); break;
        default: value = 0; break;
        }
        return Written(value);
    }

    Entry TooLarge() {
        const int exponent = Pick(39, 6000);
        std::string text = (Pick(0, 1) ? "-" : "") + std::to_string(Pick(1, 9)) + "e" + std::to_string(exponent);
        // Beyond the extended range (about 1.19e4932) no number is read at all.
        const bool extended = std::isfinite(std::strtold(text.c_str(), nullptr));
        return {text, extended ? Outcome::Overflow : Outcome::ConversionError};
    }

    Entry Mutated(std::string text) {
        static const std::string kPieces[] = {"0", "5", "9", ".", ",", "e", "E", "-", "+", " ", "\t", "a", "x",
                                              "е", "\u00a0", "\u202f", "1e", "inf", "nan", "0x", "\xff", "\x80"};
        for (int n = Pick(1, 3); n > 0; --n) {
            const auto at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size())));
            switch (Pick(0, 2)) {
            case 0: text.insert(at, kPieces[Pick(0, std::size(kPieces) - 1)]); break;
            case 1: if (at < text.size()) text.erase(at, 1); break;
            default: if (at < text.size()) text[at] = kPieces[Pick(0, std::size(kPieces) - 1)][0]; break;
            }
        }
        return {text, std::nullopt};
    }

    Entry RandomBytes() {
        std::string text(static_cast<std::size_t>(Pick(0, 24)), ' ');
        for (char& c : text) c = static_cast<char>(Pick(1, 255));
        return {text, std::nullopt};
    }

    std::mt19937 random_;
};

std::size_t CaseCount() {
    const char* count = std::getenv("QUARVEL_PROPERTY_CASES");
    return count ? std::strtoul(count, nullptr, 10) : 1'000'000;
}

// A result text the window may show for a row: digits, the separator, the row's decimals.
bool WellFormed(const std::string& text, int decimals) {
    const std::string& separator = FormatSettings().DecimalSeparator;
    const auto at = text.find(separator);
    if (at == 0 || at == std::string::npos) return false;
    const std::string whole = text.substr(0, at), fraction = text.substr(at + separator.size());
    const auto digits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    return digits(whole) && digits(fraction) && fraction.size() == static_cast<std::size_t>(decimals);
}

// The value a row shows for a resistance, from the network's closed form.
double RowValue(std::size_t row, double r) {
    const double values[] = {r / 10, r / 100, 0.06 * r, 100 / r, 1.5 / r, 2.2 / r, 22 / r};
    return values[row];
}

double Parsed(std::string text) {
    const std::string& separator = FormatSettings().DecimalSeparator;
    text.replace(text.find(separator), separator.size(), ".");
    return std::strtod(text.c_str(), nullptr);
}

TEST(CalculateProperty, EveryEntryEndsInAnOutcomeOfTheCommand) {
    CalculatingWindow window;
    const std::uint32_t seed = 20261211;
    EntryGenerator generator(seed);
    std::size_t counts[4] = {};
    const std::size_t cases = CaseCount();
    for (std::size_t i = 0; i < cases; ++i) {
        const Entry entry = generator.Next();
        const WindowState before = window.State();
        const std::exception_ptr error = window.Calculate(entry.text);
        const WindowState after = window.State();
        const auto context = [&] { return "case " + std::to_string(i) + " (seed " + std::to_string(seed) + "): \"" + entry.text + '"'; };

        Outcome outcome;
        if (Is<EConvertError>(error)) {
            outcome = Outcome::ConversionError;
            ASSERT_EQ(after, before) << context();
        } else if (Is<EOverflow>(error)) {
            outcome = Outcome::Overflow;
            ASSERT_EQ(after.results, before.results) << context();
            ASSERT_FALSE(after.warningShown) << context();
        } else {
            ASSERT_FALSE(error) << context() << ": an error the command never raises";
            outcome = after.warningShown ? Outcome::Warning : Outcome::Results;
            if (outcome == Outcome::Warning) {
                ASSERT_EQ(after, (WindowState{{}, true})) << context();
            }
            for (std::size_t row = 0; outcome == Outcome::Results && row < kResultRows.size(); ++row)
                ASSERT_TRUE(WellFormed(after.results[row], kResultRows[row].decimals)) << context() << ": " << after.results[row];
        }
        if (entry.expected) {
            ASSERT_STREQ(Name(outcome), Name(*entry.expected)) << context();
        }
        if (entry.expected == Outcome::Results) {
            for (std::size_t row = 0; row < kResultRows.size(); ++row) {
                const double expected = RowValue(row, entry.resistance);
                const double shown = Parsed(after.results[row]);
                const double tolerance = 0.5 * std::pow(10.0, -kResultRows[row].decimals) + 1e-6 * expected;
                ASSERT_NEAR(shown, expected, tolerance) << context() << ", " << kResultRows[row].resultLabel;
            }
        }
        ++counts[static_cast<int>(outcome)];
    }
    // Every outcome must have been reached, or the generator tests less than it claims.
    for (int o = 0; o < 4; ++o) EXPECT_GT(counts[o], cases / 100) << Name(static_cast<Outcome>(o));
}

}  // namespace
