// Text in a font the system lacks is still drawn, in the nearest font there is.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include "TForm.h"
#include "TLabel.h"

namespace {

TEST(FontFallback, AMissingFamilyStillMeasuresAndDrawsItsText) {
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(60);
    form.SetColor(clWhite);
    auto* label = form.InsertComponent(std::make_unique<TLabel>(&form));
    label->SetParent(&form);
    label->SetBounds(10, 10, 5, 13);
    label->SetColor(clWhite);
    TFont font;
    font.Name = "Шрифт, которого нет";
    label->SetFont(font);
    label->SetCaption("Сопротивление резистора R2, кОм");

    form.Show();
    for (int i = 0; i < 200 && !form.Window()->visible(); ++i) Fl::wait(0.01);
    ASSERT_TRUE(form.Window()->visible());
    Fl::flush();

    EXPECT_GT(label->Width(), 100);
    EXPECT_GE(label->Height(), 10);

    form.Window()->make_current();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(label->Width() * label->Height() * 3));
    fl_read_image(rgb.data(), label->Left(), label->Top(), label->Width(), label->Height());
    const auto dark = std::count_if(rgb.begin(), rgb.end(), [](unsigned char c) { return c < 128; });
    EXPECT_GT(dark, 50) << "the text left no mark";
}

}  // namespace
