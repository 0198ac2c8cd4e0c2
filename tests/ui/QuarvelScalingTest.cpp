// The main window created on a denser screen than it was designed for: every size of it grows by
// the screen's density / 96, worked out here from the design. No display: the scaling is done
// when the form is created, before it is shown.
#include <gtest/gtest.h>

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>

#include <memory>

#include "QuarvelUnit1.h"
#include "TScreen.h"

namespace {

// A length of the design at `pixelsPerInch`, rounded to the nearest pixel, halves up.
int At(int designed, int pixelsPerInch) { return (designed * pixelsPerInch + 48) / 96; }

std::unique_ptr<TQuarvel> CreatedAt(int pixelsPerInch) {
    TheScreen->SetPixelsPerInch(pixelsPerInch);
    auto form = std::make_unique<TQuarvel>(nullptr);
    TheScreen->SetPixelsPerInch(96);
    return form;
}

class QuarvelScaled : public ::testing::TestWithParam<int> {
protected:
    int ppi = GetParam();
    std::unique_ptr<TQuarvel> design = CreatedAt(96);
    std::unique_ptr<TQuarvel> form = CreatedAt(ppi);
};

TEST_P(QuarvelScaled, TheWindowItsMenuBarAndItsIconGrowWithTheDensity) {
    EXPECT_EQ(form->PixelsPerInch(), ppi);
    EXPECT_EQ(form->Window()->w(), At(668, ppi));
    EXPECT_EQ(form->Window()->h(), At(348, ppi));
    EXPECT_EQ(form->ClientOrigin(), At(20, ppi));
    EXPECT_EQ(form->Left(), At(63, ppi));
    EXPECT_EQ(form->Top(), At(122, ppi));
    EXPECT_EQ(form->Font().Height, -At(11, ppi));
    EXPECT_EQ(form->Icon().Width(), At(32, ppi));
    EXPECT_EQ(form->Icon().Height(), At(32, ppi));

    const Fl_Menu_Bar& bar = *form->MainMenu1->Widget();
    EXPECT_EQ(bar.h(), At(20, ppi));
    EXPECT_EQ(bar.w(), At(668, ppi));
    EXPECT_EQ(bar.textsize(), At(11, ppi));
    for (TMenuItem* item : {form->N1, form->N2, form->N3}) {
        EXPECT_EQ(item->Bitmap().Width(), At(16, ppi)) << item->Name();
        EXPECT_EQ(item->Bitmap().Height(), At(16, ppi)) << item->Name();
    }
}

// Each control's edges are the design's edges scaled, so frames still meet their captions; its
// own font grows, and one it takes from the window grows with the window's.
TEST_P(QuarvelScaled, EveryControlGrowsEdgeByEdgeWithItsFont) {
    ASSERT_EQ(form->Controls().size(), design->Controls().size());
    for (std::size_t i = 0; i < design->Controls().size(); ++i) {
        const TControl& was = *design->Controls()[i];
        const TControl& now = *form->Controls()[i];
        SCOPED_TRACE(now.Name());
        ASSERT_EQ(now.Name(), was.Name());
        EXPECT_EQ(now.Left(), At(was.Left(), ppi));
        EXPECT_EQ(now.Top(), At(was.Top(), ppi));
        EXPECT_EQ(now.Left() + now.Width(), At(was.Left() + was.Width(), ppi));
        EXPECT_EQ(now.Top() + now.Height(), At(was.Top() + was.Height(), ppi));
        EXPECT_EQ(now.Font().Height, -At(-was.Font().Height, ppi));
        EXPECT_EQ(now.Font().Style, was.Font().Style);
        EXPECT_EQ(now.ParentFont(), was.ParentFont());
        // The widget stands where the control does, below the scaled menu bar.
        EXPECT_EQ(now.Widget()->y(), now.Top() + form->ClientOrigin());
        EXPECT_EQ(now.Widget()->h(), now.Height());
    }
    EXPECT_EQ(form->Label16->Font().Height, -At(19, ppi));
    EXPECT_EQ(static_cast<const Fl_Input*>(form->Edit1->Widget())->textsize(), At(11, ppi));
}

TEST_P(QuarvelScaled, FramesDrawWiderLinesAndTheSchematicIsResampledToItsScaledSize) {
    for (const TBevel* bevel : {form->Bevel1, form->Bevel2, form->Bevel9})
        EXPECT_EQ(bevel->LineWidth(), At(1, ppi)) << bevel->Name();
    EXPECT_EQ(design->Bevel1->LineWidth(), 1);
    EXPECT_EQ(form->Image1->Picture().Width(), At(315, ppi));
    EXPECT_EQ(form->Image1->Picture().Height(), At(242, ppi));
    // Within its frame as designed: three pixels in from the frame's top-left edges at 96 dpi.
    EXPECT_LE(form->Image1->Left() + form->Image1->Picture().Width(), form->Bevel1->Left() + form->Bevel1->Width());
    EXPECT_LE(form->Image1->Top() + form->Image1->Picture().Height(), form->Bevel1->Top() + form->Bevel1->Height());
}

INSTANTIATE_TEST_SUITE_P(Densities, QuarvelScaled, testing::Values(96, 120, 144, 192, 288));

// The two client areas the desktop's usual scales give.
TEST(QuarvelScaledWindow, Is1002By522At144And1336By696At192) {
    EXPECT_EQ(CreatedAt(144)->Window()->w(), 1002);
    EXPECT_EQ(CreatedAt(144)->Window()->h(), 522);
    EXPECT_EQ(CreatedAt(192)->Window()->w(), 1336);
    EXPECT_EQ(CreatedAt(192)->Window()->h(), 696);
}

}  // namespace
