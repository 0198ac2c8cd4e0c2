#include <gtest/gtest.h>

#include <cstdlib>

#include "FormDisplay.h"
#include "QuarvelUnit1.h"

namespace {
constexpr TRGB Navy{0, 0, 128}, Yellow{255, 255, 0}, Aqua{0, 255, 255}, Shadow{128, 128, 128}, Highlight{255, 255, 255},
    MenuFace{212, 208, 200};

class QuarvelOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TQuarvel>(nullptr);
        form_display::ShowAndSettle(*form);
        // QUARVEL_SCREENSHOT=/tmp/quarvel.ppm keeps a picture of the window as first shown.
        if (const char* path = std::getenv("QUARVEL_SCREENSHOT")) form_display::Capture(*form).SavePPM(path);
        // QUARVEL_HOLD keeps the window up for three seconds, for a look from outside.
        if (std::getenv("QUARVEL_HOLD"))
            for (int i = 0; i < 100; ++i) Fl::wait(0.03);
    }
    void TearDown() override {
        if (form) form->Close();
        form_display::Settle();
    }
    std::unique_ptr<TQuarvel> form;
};
}  // namespace

TEST_F(QuarvelOnScreen, OpensWhereDesignedWithTheClientAreaOfTheDesign) {
    EXPECT_EQ(form->Window()->x(), 63);
    EXPECT_EQ(form->Window()->y(), 122);
    EXPECT_EQ(form->Window()->w(), 668);
    EXPECT_EQ(form->Window()->h(), 348);
}

TEST_F(QuarvelOnScreen, ColoursOfBackgroundCaptionsResultsAndFrames) {
    const form_display::Snapshot shot = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    struct Probe {
        const char* what;
        int x, y;  // client coordinates
        TRGB colour;
    };
    const Probe probes[] = {
        {"window background", 300, 200, Navy},
        {"band of the hidden warning", 200, 45, Navy},
        {"caption Label2, top-left", 16, 80, Yellow},
        {"caption Label2, top-right", 16 + 178, 80, Yellow},
        {"empty result Label9", 210, 86, Aqua},
        {"right of the empty result", 214, 86, Navy},
        {"lowered frame Bevel3, top-left", 15, 78, Shadow},
        {"lowered frame Bevel3, bottom-right", 196, 94, Highlight},
        {"raised frame Bevel1, top-left", 333, 61, Highlight},
        {"raised frame Bevel1, bottom-right", 653, 309, Shadow},
    };
    for (const Probe& p : probes) EXPECT_EQ(shot.At(p.x, p.y + top), p.colour) << p.what;
    EXPECT_EQ(shot.At(660, 10), MenuFace) << "menu bar";
}

TEST_F(QuarvelOnScreen, LabelsTakeTheSizeOfTheirText) {
    EXPECT_EQ(form->Label2->Width(), 179);
    EXPECT_EQ(form->Label2->Height(), 13);
    // Liberation Sans matches the design's font closely, not exactly: the other captions come
    // within a few pixels of their designed widths, and every caption is one line of 13 px.
    struct Designed {
        TLabel* label;
        int width;
    };
    for (const Designed& d : {Designed{form->Label1, 325}, Designed{form->Label5, 157}, Designed{form->Label6, 165},
                              Designed{form->Label8, 165}}) {
        EXPECT_NEAR(d.label->Width(), d.width, 6) << d.label->Name();
        EXPECT_EQ(d.label->Height(), 13) << d.label->Name();
    }
    EXPECT_NEAR(form->Label16->Height(), 24, 2);
    EXPECT_EQ(form->Label9->Width(), 5);  // empty: the size it was given
}

TEST_F(QuarvelOnScreen, ALongResultWidensOnlyItsOwnLabelToTheRight) {
    form->Label15->SetCaption("220,0000");
    form_display::Settle();
    EXPECT_EQ(form->Label15->Left(), 208);
    EXPECT_GT(form->Label15->Width(), 40);
    EXPECT_EQ(form->Label14->Width(), 5);
    const form_display::Snapshot shot = form_display::Capture(*form);
    const int top = form->ClientOrigin();
    EXPECT_EQ(shot.At(208 + form->Label15->Width() - 1, 272 + top), Aqua);
    EXPECT_EQ(shot.At(208 + form->Label15->Width() + 1, 272 + top), Navy);
    EXPECT_EQ(shot.At(212, 240 + top), Aqua);
    EXPECT_EQ(shot.At(214, 240 + top), Navy);
}

TEST_F(QuarvelOnScreen, TheEntryBoxHoldsTheFocus) {
    EXPECT_EQ(Fl::focus(), form->Edit1->Widget());
}

TEST_F(QuarvelOnScreen, ExitClosesTheWindow) {
    form->MainMenu1->Pick(*form->N2);
    form_display::Settle();
    EXPECT_FALSE(form->Showing());
}
