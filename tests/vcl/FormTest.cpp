#include <gtest/gtest.h>

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>

#include "TBevel.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMainMenu.h"

// A form driven without a display: everything here works before the window is ever shown.
class FormWithoutDisplay : public ::testing::Test {
protected:
    FormWithoutDisplay() {
        form.SetWidth(676);
        form.SetHeight(375);
        label = form.InsertComponent(std::make_unique<TLabel>(&form));
        edit = form.InsertComponent(std::make_unique<TEdit>(&form));
        bevel = form.InsertComponent(std::make_unique<TBevel>(&form));
        for (TControl* c : {static_cast<TControl*>(label), static_cast<TControl*>(edit), static_cast<TControl*>(bevel)})
            c->SetParent(&form);
        label->SetBounds(16, 80, 179, 13);
        bevel->SetBounds(15, 78, 182, 17);
        edit->SetBounds(359, 10, 113, 21);
    }

    void AddMenu() {
        menu = form.InsertComponent(std::make_unique<TMainMenu>(&form));
        form.SetMenu(menu);
    }

    TForm form{nullptr};
    TLabel* label = nullptr;
    TEdit* edit = nullptr;
    TBevel* bevel = nullptr;
    TMainMenu* menu = nullptr;
};

TEST_F(FormWithoutDisplay, OuterSizeLessTheFrameIsTheClientAreaAndTheMenuBarTakesItsTop) {
    EXPECT_EQ(form.Window()->w(), 668);
    EXPECT_EQ(form.Window()->h(), 348);
    EXPECT_EQ(form.ClientHeight(), 348);
    AddMenu();
    EXPECT_EQ(form.Width(), 676);
    EXPECT_EQ(form.Height(), 375);
    EXPECT_EQ(form.ClientWidth(), 668);
    EXPECT_EQ(form.ClientHeight(), 348 - TForm::MenuBarHeight);
    const Fl_Menu_Bar& bar = *menu->Widget();
    EXPECT_EQ(bar.parent(), form.Window());
    EXPECT_EQ(bar.y(), 0);
    EXPECT_EQ(bar.w(), 668);
    EXPECT_EQ(bar.h(), TForm::MenuBarHeight);
}

TEST_F(FormWithoutDisplay, ControlsSitBelowTheMenuBarAtTheirClientCoordinates) {
    AddMenu();
    const Fl_Widget& w = *label->Widget();
    EXPECT_EQ(w.x(), 16);
    EXPECT_EQ(w.y(), 80 + TForm::MenuBarHeight);
    EXPECT_EQ(w.w(), 179);
    EXPECT_EQ(w.h(), 13);
    label->SetTop(112);
    EXPECT_EQ(w.y(), 112 + TForm::MenuBarHeight);
    EXPECT_EQ(label->Top(), 112);
}

TEST_F(FormWithoutDisplay, GrowingTheWindowMovesNoControl) {
    AddMenu();
    form.Window()->resize(form.Window()->x(), form.Window()->y(), 900, 600);
    EXPECT_EQ(label->Widget()->x(), 16);
    EXPECT_EQ(label->Widget()->y(), 80 + TForm::MenuBarHeight);
    EXPECT_EQ(label->Widget()->w(), 179);
    EXPECT_EQ(edit->Widget()->x(), 359);
    EXPECT_EQ(edit->Widget()->w(), 113);
    EXPECT_EQ(menu->Widget()->w(), 900);  // the bar spans the window
}

TEST_F(FormWithoutDisplay, CaptionVisibilityAndTextReachTheWidgets) {
    form.SetCaption("Quarvel");
    EXPECT_STREQ(form.Window()->label(), "Quarvel");
    label->SetCaption("4,70");
    EXPECT_EQ(label->Caption(), "4,70");
    label->SetVisible(false);
    EXPECT_FALSE(label->Widget()->visible());
    label->SetVisible(true);
    EXPECT_TRUE(label->Widget()->visible());
    edit->SetText("47");
    EXPECT_STREQ(static_cast<Fl_Input*>(edit->Widget())->value(), "47");
    static_cast<Fl_Input*>(edit->Widget())->value("100");  // as if typed
    EXPECT_EQ(edit->Text(), "100");
}

TEST_F(FormWithoutDisplay, TheEntryBoxLiesAboveEveryDrawnControlWhateverItsCreationOrder) {
    // Created between the label and the bevel, the entry box still ends up last, i.e. on top.
    ASSERT_EQ(form.Controls().size(), 3u);
    EXPECT_EQ(form.Controls()[0], label);
    EXPECT_EQ(form.Controls()[1], bevel);
    EXPECT_EQ(form.Controls()[2], edit);
    const Fl_Double_Window& w = *form.Window();
    EXPECT_LT(w.find(label->Widget()), w.find(bevel->Widget()));
    EXPECT_LT(w.find(bevel->Widget()), w.find(edit->Widget()));
}

TEST_F(FormWithoutDisplay, TheTopmostVisibleControlIsTheOneUnderThePoint) {
    EXPECT_EQ(form.ControlAt(20, 85), bevel);  // the frame lies over its caption
    bevel->SetVisible(false);
    EXPECT_EQ(form.ControlAt(20, 85), label);
    EXPECT_EQ(form.ControlAt(15, 78), nullptr);
    EXPECT_EQ(form.ControlAt(400, 20), edit);
}

TEST_F(FormWithoutDisplay, AHintShowsByShowHintUnlessTheControlTakesItsParentsSetting) {
    struct Case {
        bool parentShowHint, showHint, formShowHint, shown;
    };
    const Case cases[] = {
        {false, true, false, true},
        {false, false, true, false},
        {true, false, true, true},
        {true, true, false, false},
    };
    label->SetHint("Результат расчёта");
    for (const Case& c : cases) {
        label->SetShowHint(c.showHint);
        label->SetParentShowHint(c.parentShowHint);
        form.SetShowHint(c.formShowHint);
        EXPECT_EQ(label->HintShown(), c.shown);
    }
}

TEST_F(FormWithoutDisplay, ControlsTakeTheFormsFontUntilGivenTheirOwn) {
    TFont big;
    big.Height = -19;
    big.Style = {fsBold};
    form.SetFont(TFont{});
    label->SetFont(big);
    TFont window;
    window.Name = "Arial";
    form.SetFont(window);
    EXPECT_EQ(label->Font(), big);
    EXPECT_EQ(bevel->Font().Name, "Arial");
    EXPECT_EQ(static_cast<Fl_Input*>(edit->Widget())->textsize(), 11);
}
