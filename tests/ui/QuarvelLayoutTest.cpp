#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayoutError.h"
#include "QuarvelUnit1.h"

namespace {
class QuarvelLayout : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TQuarvel>(nullptr);
    }
    std::unique_ptr<TQuarvel> form;
};

constexpr const char* Scheme = "Электрическая схема темброблока";
constexpr const char* Result = "Результат расчёта";

struct ControlRow {
    const char* name;
    const char* className;
    int left, top, width, height;
    const char* text;  // caption or entry text; null for controls without one
    TColor color;
    int fontHeight;
    bool bold;
    const char* hint;  // null: the same as the text
    TCursor cursor;
    bool visible;
};

const ControlRow Controls[] = {
    {"Image1", "TImage", 336, 64, 317, 244, nullptr, clBtnFace, -11, false, Scheme, crDefault, true},
    {"Label1", "TLabel", 16, 16, 325, 13, "Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм", clLime, -11, false, nullptr, crCross, true},
    {"Bevel1", "TBevel", 333, 61, 321, 249, nullptr, clBtnFace, -11, false, Scheme, crCross, true},
    {"Bevel2", "TBevel", 14, 14, 329, 17, nullptr, clBtnFace, -11, false, "Сопротивление резисторов R1 и R3 (при условии R1 = R3), кОм", crCross, true},
    {"Label2", "TLabel", 16, 80, 179, 13, "Сопротивление резистора R2, кОм", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel3", "TBevel", 15, 78, 182, 17, nullptr, clBtnFace, -11, false, "Сопротивление резистора R2, кОм", crCross, true},
    {"Label3", "TLabel", 16, 112, 179, 13, "Сопротивление резистора R4, кОм", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel4", "TBevel", 15, 111, 182, 16, nullptr, clBtnFace, -11, false, "Сопротивление резистора R4, кОм", crCross, true},
    {"Label4", "TLabel", 16, 144, 179, 13, "Сопротивление резистора R5, кОм", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel5", "TBevel", 16, 144, 181, 15, nullptr, clBtnFace, -11, false, "Сопротивление резистора R5, кОм", crCross, true},
    {"Label5", "TLabel", 16, 176, 157, 13, "Ёмкость конденсатора \u04211, нФ", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel6", "TBevel", 16, 176, 158, 15, nullptr, clBtnFace, -11, false, "Ёмкость конденсатора \u04211, нФ", crCross, true},
    {"Label6", "TLabel", 16, 208, 165, 13, "Ёмкость конденсатора \u04212, мкФ", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel7", "TBevel", 16, 208, 167, 15, nullptr, clBtnFace, -11, false, "Ёмкость конденсатора \u04212, мкФ", crCross, true},
    {"Label7", "TLabel", 16, 240, 165, 13, "Ёмкость конденсатора \u04213, мкФ", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel8", "TBevel", 16, 240, 165, 15, nullptr, clBtnFace, -11, false, "Ёмкость конденсатора \u04213, мкФ", crCross, true},
    {"Label8", "TLabel", 16, 272, 165, 13, "Ёмкость конденсатора \u04214, мкФ", clYellow, -11, false, nullptr, crCross, true},
    {"Bevel9", "TBevel", 16, 272, 167, 15, nullptr, clBtnFace, -11, false, "Ёмкость конденсатора \u04214, мкФ", crCross, true},
    {"Label9", "TLabel", 208, 80, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label10", "TLabel", 208, 112, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label11", "TLabel", 208, 144, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label12", "TLabel", 208, 176, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label13", "TLabel", 208, 208, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label14", "TLabel", 208, 240, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label15", "TLabel", 208, 272, 5, 13, "", clAqua, -11, true, Result, crDrag, true},
    {"Label16", "TLabel", 14, 34, 508, 24, "Пожалуйста, проверьте вводимое сопротивление!", clRed, -19, true, nullptr, crHelp, false},
    {"Edit1", "TEdit", 359, 10, 113, 21, "0", clMenu, -11, false, "Входное данное", crIBeam, true},
};
}  // namespace

TEST_F(QuarvelLayout, TheWindowIsAsDesigned) {
    EXPECT_EQ(form->Name(), "Quarvel");
    EXPECT_EQ(form->Caption(), "Quarvel");
    EXPECT_EQ(form->Left(), 63);
    EXPECT_EQ(form->Top(), 122);
    EXPECT_EQ(form->Width(), 676);
    EXPECT_EQ(form->Height(), 375);
    EXPECT_EQ(form->ClientWidth(), 668);
    EXPECT_EQ(form->ClientHeight() + TForm::MenuBarHeight, 348);
    EXPECT_EQ(form->Color(), clNavy);
    EXPECT_EQ(form->Font(), TFont{});
    EXPECT_EQ(form->Font().Name, "MS Sans Serif");
    EXPECT_EQ(form->Icon().Width(), 32);
    EXPECT_EQ(form->Icon().Height(), 32);
    EXPECT_EQ(form->Menu(), form->MainMenu1);
}

TEST_F(QuarvelLayout, EveryControlInCreationOrderWithItsProperties) {
    // Creation order among the drawn controls; the entry box comes last, above them all.
    ASSERT_EQ(form->Controls().size(), std::size(Controls));
    for (std::size_t i = 0; i < std::size(Controls); ++i) {
        const ControlRow& row = Controls[i];
        SCOPED_TRACE(row.name);
        TControl* c = form->Controls()[i];
        EXPECT_EQ(c->Name(), row.name);
        EXPECT_EQ(c->ClassName(), row.className);
        EXPECT_EQ(c->Left(), row.left);
        EXPECT_EQ(c->Top(), row.top);
        EXPECT_EQ(c->Width(), row.width);
        EXPECT_EQ(c->Height(), row.height);
        if (auto* label = dynamic_cast<TLabel*>(c)) {
            EXPECT_EQ(label->Caption(), row.text);
            EXPECT_TRUE(label->AutoSize());
            EXPECT_FALSE(label->Transparent());
        }
        if (auto* edit = dynamic_cast<TEdit*>(c)) {
            EXPECT_EQ(edit->Text(), row.text);
        }
        if (row.color != clBtnFace) {
            EXPECT_EQ(c->Color(), row.color);
        }
        EXPECT_EQ(c->Font().Height, row.fontHeight);
        EXPECT_EQ(c->Font().Name, "MS Sans Serif");
        EXPECT_EQ(c->Font().Color, clWindowText);
        EXPECT_EQ(c->Font().Style.Contains(fsBold), row.bold);
        EXPECT_EQ(c->Hint(), row.hint ? row.hint : row.text);
        EXPECT_TRUE(c->ShowHint());
        EXPECT_FALSE(c->ParentShowHint());
        EXPECT_TRUE(c->HintShown());
        EXPECT_EQ(c->Cursor(), row.cursor);
        EXPECT_EQ(c->Visible(), row.visible);
    }
}

TEST_F(QuarvelLayout, FramesAreLoweredExceptThePicturesRaisedOne) {
    for (TBevel* b : {form->Bevel2, form->Bevel3, form->Bevel4, form->Bevel5, form->Bevel6, form->Bevel7, form->Bevel8, form->Bevel9}) {
        EXPECT_EQ(b->Shape(), bsBox) << b->Name();
        EXPECT_EQ(b->Style(), bsLowered) << b->Name();
    }
    EXPECT_EQ(form->Bevel1->Shape(), bsBox);
    EXPECT_EQ(form->Bevel1->Style(), bsRaised);
    EXPECT_EQ(form->Image1->Picture().Name(), "schematic.png");
    EXPECT_EQ(form->Image1->Picture().Width(), 315);
    EXPECT_EQ(form->Image1->Picture().Height(), 242);
}

TEST_F(QuarvelLayout, TheMenuHoldsTwoCommandsAndTheAboutNotes) {
    const TMainMenu& menu = *form->MainMenu1;
    ASSERT_EQ(menu.Items().size(), 3u);
    const std::vector<TMenuItem*> top = {form->N1, form->N2, form->N3};
    EXPECT_EQ(menu.Items(), top);
    EXPECT_EQ(form->N1->Caption(), "Рассчитать!");
    EXPECT_EQ(form->N2->Caption(), "Выход из программы");
    EXPECT_EQ(form->N3->Caption(), "О программе");
    for (TMenuItem* item : top) EXPECT_EQ(item->Bitmap().Width(), 16) << item->Name();
    EXPECT_EQ(form->N1->Bitmap().Name(), "bulb.png");
    EXPECT_EQ(form->N2->Bitmap().Name(), "door.png");
    EXPECT_EQ(form->N3->Bitmap().Name(), "question.png");
    EXPECT_TRUE(form->N1->OnClick());
    EXPECT_TRUE(form->N2->OnClick());
    EXPECT_FALSE(form->N3->OnClick());

    const std::vector<TMenuItem*> notes = {form->N4, form->R1R210010k121, form->R1R3100151, form->N5, form->N6};
    EXPECT_EQ(form->N3->Items(), notes);
    for (TMenuItem* note : notes) {
        EXPECT_FALSE(note->OnClick()) << note->Name();
        EXPECT_TRUE(note->Items().empty());
        EXPECT_TRUE(note->Bitmap().Empty());
    }
    EXPECT_EQ(form->N4->Caption(),
              "Расчитываемый темброблок будет вносить на средней частоте полосы пропускания 1kГц затухание около 25 дБ (R1, R3 около 100 кОм).");
    EXPECT_EQ(form->R1R210010k121->Caption(),
              "При повороте ручек R1 и R3 от упора до упора, затухание, вносимое регулятором на частотах от 100Гц до 10kГц, будет меняться в пределах +-12дБ.");
    EXPECT_EQ(form->R1R3100151->Caption(), "Программа расчитывает элементы темброблока при сопротивлении R1, R3 от 100 Ом до 15 МОм.");
    EXPECT_FALSE(form->N5->Caption().empty());
    EXPECT_FALSE(form->N6->Caption().empty());
}

TEST_F(QuarvelLayout, ChoosingANoteChangesNothing) {
    for (TMenuItem* note : {form->N4, form->R1R210010k121, form->R1R3100151, form->N5, form->N6}) form->MainMenu1->Pick(*note);
    EXPECT_FALSE(form->Label16->Visible());
    EXPECT_EQ(form->Edit1->Text(), "0");
    EXPECT_EQ(form->Label9->Caption(), "");
}
