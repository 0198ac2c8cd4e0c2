#include <gtest/gtest.h>

#include "CalculateCommand.h"
#include "FormatSettings.h"

namespace {

// The results as the user's locale writes them: the tables below use a point.
std::array<std::string, 7> Localised(std::array<std::string, 7> texts) {
    for (std::string& t : texts) {
        const auto point = t.find('.');
        if (point != std::string::npos) t.replace(point, 1, FormatSettings().DecimalSeparator);
    }
    return texts;
}

const WindowState kAtStart{{}, false};
const WindowState kFor100{Localised({"10.00", "1.000", "6.00", "1.00", "0.0150", "0.0220", "0.2200"}), false};
const WindowState kFor47{Localised({"4.70", "0.470", "2.82", "2.13", "0.0319", "0.0468", "0.4681"}), false};
const WindowState kWarning{{}, true};

std::string Entry(const char* pointText) { return Localised({pointText})[0]; }

class CalculateCommand : public testing::Test {
protected:
    CalculatingWindow window;
};

TEST_F(CalculateCommand, FillsTheResultsAndKeepsTheWarningHidden) {
    EXPECT_EQ(window.State(), kAtStart);
    EXPECT_FALSE(window.Calculate("100"));
    EXPECT_EQ(window.State(), kFor100);
    EXPECT_FALSE(window.Calculate(Entry("47")));
    EXPECT_EQ(window.State(), kFor47);
}

TEST_F(CalculateCommand, ShowsTheWarningForTheInitialEntryAndOutOfRange) {
    EXPECT_EQ(window.Form().Edit1->Text(), "0");
    EXPECT_FALSE(window.Calculate(window.Form().Edit1->Text()));
    EXPECT_EQ(window.State(), kWarning);
}

TEST_F(CalculateCommand, EmptiesTheResultsOutOfRangeAndHidesTheWarningAgainInRange) {
    EXPECT_FALSE(window.Calculate("100"));
    EXPECT_FALSE(window.Calculate("15000"));
    EXPECT_EQ(window.State(), kWarning);
    EXPECT_FALSE(window.Calculate("100"));
    EXPECT_EQ(window.State(), kFor100);
}

// Text that is no number ends the command before it touches anything: the results and the
// warning stay as they were, whichever they were.
TEST_F(CalculateCommand, AConversionErrorChangesNothing) {
    for (const char* before : {"100", "15000"}) {
        EXPECT_FALSE(window.Calculate(before));
        const WindowState state = window.State();
        for (const char* text : {"abc", "", "1.2.3", "1e99999"}) {
            EXPECT_TRUE(Is<EConvertError>(window.Calculate(text))) << '"' << text << '"';
            EXPECT_EQ(window.State(), state) << '"' << text << "\" after " << before;
        }
    }
}

// Too large for a float: the warning has already been hidden when the error is raised, and the
// results keep what they showed.
TEST_F(CalculateCommand, AnOverflowHidesTheWarningAndKeepsTheResults) {
    EXPECT_FALSE(window.Calculate("100"));
    EXPECT_TRUE(Is<EOverflow>(window.Calculate("1e39")));
    EXPECT_EQ(window.State(), kFor100);

    EXPECT_FALSE(window.Calculate("-5"));
    EXPECT_TRUE(Is<EOverflow>(window.Calculate("-1e4000")));
    EXPECT_EQ(window.State(), kAtStart);
}

TEST_F(CalculateCommand, TheAboutNotesCalculateNothing) {
    EXPECT_FALSE(window.Calculate("100"));
    window.Form().Edit1->SetText("15000");
    for (TMenuItem* note : window.Form().N3->Items()) window.Form().MainMenu1->Pick(*note);
    EXPECT_EQ(window.State(), kFor100);
}

}  // namespace
