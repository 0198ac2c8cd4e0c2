#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>
#include <string>
#include <vector>

#include "ComponentClass.h"
#include "LayoutError.h"
#include "Reader.h"
#include "TBevel.h"
#include "TEdit.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TMainMenu.h"
#include "TMenuItem.h"

namespace {
LayoutValue Str(std::string s) { return {LayoutValue::Kind::String, std::move(s), 0, {}}; }
LayoutValue Int(std::int64_t n) { return {LayoutValue::Kind::Integer, "", n, {}}; }
LayoutValue Id(std::string s) { return {LayoutValue::Kind::Identifier, std::move(s), 0, {}}; }
LayoutValue Set(std::vector<std::string> m) { return {LayoutValue::Kind::Set, "", 0, std::move(m)}; }

class TTestForm : public TForm {
public:
    explicit TTestForm(TComponent* owner) : TForm(owner) {}
    void ItemClick(TObject* sender) { clicked.push_back(static_cast<TComponent*>(sender)->Name()); }
    std::vector<std::string> clicked;
    TLabel* Label9 = nullptr;
    TBevel* Bevel1 = nullptr;
    TImage* Image1 = nullptr;
    TEdit* Edit1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem *N1 = nullptr, *N3 = nullptr, *N4 = nullptr;
};

[[maybe_unused]] const TComponentClass& testFormClass = RegisterClass(
    ClassOf<TTestForm, TForm>("TTestForm")
        .Method("ItemClick", &TTestForm::ItemClick)
        .Field("Label9", &TTestForm::Label9)
        .Field("Bevel1", &TTestForm::Bevel1)
        .Field("Image1", &TTestForm::Image1)
        .Field("Edit1", &TTestForm::Edit1)
        .Field("MainMenu1", &TTestForm::MainMenu1)
        .Field("N1", &TTestForm::N1)
        .Field("N3", &TTestForm::N3)
        .Field("N4", &TTestForm::N4));

// A small form of every class the builder knows; lines are numbered as a file would have them.
LayoutObject SampleLayout() {
    LayoutObject label{"Label9", "TLabel", 5,
                       {{"Left", Int(208), 6}, {"Top", Int(80), 7}, {"Caption", Str("Результат"), 8},
                        {"Color", Id("clAqua"), 9}, {"Font.Style", Set({"fsBold"}), 10}, {"Cursor", Id("crDrag"), 11},
                        {"Hint", Str("Результат расчёта"), 12}, {"ShowHint", Id("True"), 13}, {"Visible", Id("False"), 14}},
                       {}};
    LayoutObject bevel{"Bevel1", "TBevel", 15, {{"Shape", Id("bsBox"), 16}, {"Style", Id("bsRaised"), 17}}, {}};
    LayoutObject image{"Image1", "TImage", 18, {{"Picture", Str("dot.png"), 19}}, {}};
    LayoutObject edit{"Edit1", "TEdit", 20, {{"Text", Str("0"), 21}, {"Color", Id("clMenu"), 22}}, {}};
    LayoutObject note{"N4", "TMenuItem", 26, {{"Caption", Str("Заметка"), 27}}, {}};
    LayoutObject about{"N3", "TMenuItem", 24, {{"Caption", Str("О программе"), 25}}, {note}};
    LayoutObject command{"N1", "TMenuItem", 29, {{"Caption", Str("Рассчитать!"), 30}, {"OnClick", Id("ItemClick"), 31}, {"Bitmap", Str("dot.png"), 32}}, {}};
    LayoutObject menu{"MainMenu1", "TMainMenu", 23, {}, {about, command}};
    return {"Sample", "TTestForm", 1,
            {{"Caption", Str("Проба"), 2}, {"Color", Id("clNavy"), 3}, {"Menu", Id("MainMenu1"), 4}},
            {label, bevel, image, edit, menu}};
}
}  // namespace

TEST(ControlClasses, BuildEveryComponentWithItsProperties) {
    TTestForm form(nullptr);
    ReadComponent(form, SampleLayout());
    EXPECT_EQ(form.Name(), "Sample");
    EXPECT_EQ(form.ClassName(), "TTestForm");
    EXPECT_EQ(form.Caption(), "Проба");
    EXPECT_EQ(form.Color(), clNavy);

    TLabel* label = form.Label9;
    EXPECT_EQ(label->Left(), 208);
    EXPECT_EQ(label->Top(), 80);
    EXPECT_EQ(label->Caption(), "Результат");
    EXPECT_EQ(label->Color(), clAqua);
    EXPECT_TRUE(label->Font().Style.Contains(fsBold));
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Cursor(), crDrag);
    EXPECT_TRUE(label->HintShown());
    EXPECT_FALSE(label->Visible());

    EXPECT_EQ(form.Bevel1->Shape(), bsBox);
    EXPECT_EQ(form.Bevel1->Style(), bsRaised);

    EXPECT_EQ(form.Image1->Picture().Width(), 3);
    EXPECT_EQ(form.Image1->Picture().Height(), 2);

    EXPECT_EQ(form.Edit1->Text(), "0");
    EXPECT_EQ(form.Edit1->Color(), clMenu);

    TMainMenu* menu = form.MainMenu1;
    EXPECT_EQ(form.Menu(), menu);
    ASSERT_EQ(menu->Items().size(), 2u);
    EXPECT_EQ(menu->Items()[0], form.N3);
    EXPECT_EQ(menu->Items()[1], form.N1);
    ASSERT_EQ(form.N3->Items().size(), 1u);
    EXPECT_EQ(form.N3->Items()[0], form.N4);
    EXPECT_FALSE(form.N1->Bitmap().Empty());

    menu->Pick(*form.N1);
    menu->Pick(*form.N4);
    EXPECT_EQ(form.clicked, std::vector<std::string>{"N1"});
}

struct BrokenLayout {
    const char* what;
    std::function<void(LayoutObject&)> breakIt;
    int line;
    const char* word;
};

class ControlClassErrors : public ::testing::TestWithParam<BrokenLayout> {};

TEST_P(ControlClassErrors, NameTheLineAndTheWord) {
    LayoutObject layout = SampleLayout();
    GetParam().breakIt(layout);
    TTestForm form(nullptr);
    try {
        ReadComponent(form, layout);
        FAIL() << "built a broken layout";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), GetParam().line);
        EXPECT_EQ(e.Word(), GetParam().word);
        EXPECT_NE(e.Message().find(GetParam().word), std::string::npos) << e.Message();
    }
}

namespace {
LayoutProperty& Prop(LayoutObject& o, std::size_t child, std::size_t property) {
    return o.children.at(child).properties.at(property);
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, ControlClassErrors,
    ::testing::Values(
        BrokenLayout{"unknown class", [](LayoutObject& o) { o.children[1].className = "TButton"; }, 15, "TButton"},
        BrokenLayout{"another form's layout", [](LayoutObject& o) { o.className = "TOther"; }, 1, "TOther"},
        BrokenLayout{"unknown property", [](LayoutObject& o) { Prop(o, 0, 3).name = "Colour"; }, 9, "Colour"},
        BrokenLayout{"unknown form property", [](LayoutObject& o) { o.properties[0].name = "Title"; }, 2, "Title"},
        BrokenLayout{"unknown colour", [](LayoutObject& o) { Prop(o, 0, 3).value = Id("clPink"); }, 9, "clPink"},
        BrokenLayout{"unknown cursor", [](LayoutObject& o) { Prop(o, 0, 5).value = Id("crHand"); }, 11, "crHand"},
        BrokenLayout{"not a boolean", [](LayoutObject& o) { Prop(o, 0, 8).value = Id("Yes"); }, 14, "Yes"},
        BrokenLayout{"unknown font style", [](LayoutObject& o) { Prop(o, 0, 4).value = Set({"fsBold", "fsHeavy"}); }, 10, "fsHeavy"},
        BrokenLayout{"a style not drawn here", [](LayoutObject& o) { Prop(o, 0, 4).value = Set({"fsBold", "fsUnderline"}); }, 10, "fsUnderline"},
        BrokenLayout{"style not a set", [](LayoutObject& o) { Prop(o, 0, 4).value = Id("fsBold"); }, 10, "fsBold"},
        BrokenLayout{"a charset text is not drawn in", [](LayoutObject& o) { o.properties.push_back({"Font.Charset", Id("RUSSIAN_CHARSET"), 5}); }, 5, "RUSSIAN_CHARSET"},
        BrokenLayout{"a layout made at another density", [](LayoutObject& o) { o.properties.push_back({"PixelsPerInch", Int(120), 5}); }, 5, "120"},
        BrokenLayout{"a layout made for other lines of text", [](LayoutObject& o) { o.properties.push_back({"TextHeight", Int(16), 5}); }, 5, "16"},
        BrokenLayout{"handlers expected after reading", [](LayoutObject& o) { o.properties.push_back({"OldCreateOrder", Id("True"), 5}); }, 5, "True"},
        BrokenLayout{"a colour for a frame", [](LayoutObject& o) { o.children[1].properties.push_back({"Color", Id("clRed"), 18}); }, 18, "Color"},
        BrokenLayout{"a font for a picture", [](LayoutObject& o) { o.children[2].properties.push_back({"Font.Height", Int(-11), 20}); }, 20, "Font.Height"},
        BrokenLayout{"a bevel shape not drawn here", [](LayoutObject& o) { Prop(o, 1, 0).value = Id("bsFrame"); }, 16, "bsFrame"},
        BrokenLayout{"unknown bevel shape", [](LayoutObject& o) { Prop(o, 1, 0).value = Id("bsCircle"); }, 16, "bsCircle"},
        BrokenLayout{"number for a string", [](LayoutObject& o) { Prop(o, 0, 2).value = Int(5); }, 8, "5"},
        BrokenLayout{"string for a number", [](LayoutObject& o) { Prop(o, 0, 0).value = Str("x"); }, 6, "'x'"},
        BrokenLayout{"string for an identifier", [](LayoutObject& o) { Prop(o, 0, 3).value = Str("clAqua"); }, 9, "'clAqua'"},
        BrokenLayout{"number out of range", [](LayoutObject& o) { Prop(o, 0, 0).value = Int(1'000'000'000'000); }, 6, "1000000000000"},
        BrokenLayout{"missing picture", [](LayoutObject& o) { Prop(o, 2, 0).value = Str("nothere.png"); }, 19, "nothere.png"},
        BrokenLayout{"unknown handler", [](LayoutObject& o) { o.children[4].children[1].properties[1].value = Id("Missing"); }, 31, "Missing"},
        BrokenLayout{"unknown menu", [](LayoutObject& o) { o.properties[2].value = Id("MainMenu2"); }, 4, "MainMenu2"},
        BrokenLayout{"a label as the menu", [](LayoutObject& o) { o.properties[2].value = Id("Label9"); }, 4, "Label9"},
        BrokenLayout{"menu item outside a menu", [](LayoutObject& o) { o.children[1].className = "TMenuItem"; }, 15, "TMenuItem"},
        BrokenLayout{"control inside a menu", [](LayoutObject& o) { o.children[4].children[0].className = "TLabel"; }, 24, "TLabel"},
        BrokenLayout{"control inside a control", [](LayoutObject& o) { o.children[0].children.push_back(o.children[1]); }, 15, "TBevel"},
        BrokenLayout{"name used twice", [](LayoutObject& o) { o.children[1].name = "label9"; }, 15, "label9"},
        BrokenLayout{"the form's own name", [](LayoutObject& o) { o.children[1].name = "Sample"; }, 15, "Sample"}),
    [](const ::testing::TestParamInfo<BrokenLayout>& param) {
        std::string name = param.param.what;
        for (char& c : name)
            if (c == ' ' || c == '\'') c = '_';
        return name;
    });

namespace {
// Forms whose fields the sample layout cannot serve: one names a component the layout lacks,
// one takes a frame for a label.
class TFormMissingALabel : public TTestForm {
public:
    using TTestForm::TTestForm;
    TLabel* Label10 = nullptr;
};
class TFormTakingAFrameForALabel : public TTestForm {
public:
    using TTestForm::TTestForm;
    TLabel* frame = nullptr;
};
[[maybe_unused]] const TComponentClass& missingALabelClass =
    RegisterClass(ClassOf<TFormMissingALabel, TTestForm>("TFormMissingALabel").Field("Label10", &TFormMissingALabel::Label10));
[[maybe_unused]] const TComponentClass& frameForALabelClass = RegisterClass(
    ClassOf<TFormTakingAFrameForALabel, TTestForm>("TFormTakingAFrameForALabel").Field("Bevel1", &TFormTakingAFrameForALabel::frame));

template <class Form>
void ExpectFieldError(int line, const char* word) {
    LayoutObject layout = SampleLayout();
    Form form(nullptr);
    layout.className = FindClass(typeid(Form))->Name();
    try {
        ReadComponent(form, layout);
        FAIL() << "read a layout that leaves a field wrong";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), line);
        EXPECT_EQ(e.Word(), word);
    }
}
}  // namespace

TEST(ControlClasses, FieldsBindOnlyToAnExistingComponentOfTheirClass) {
    ExpectFieldError<TFormMissingALabel>(1, "Label10");
    ExpectFieldError<TFormTakingAFrameForALabel>(15, "Bevel1");
}

// Each class the layouts may name makes objects that know themselves by that name.
TEST(ControlClasses, EachMakesObjectsOfItsOwnName) {
    TForm form(nullptr);
    for (const char* name : {"TLabel", "TEdit", "TBevel", "TImage", "TMainMenu", "TMenuItem"}) {
        const TComponentClass* cls = FindClass(name);
        ASSERT_TRUE(cls && cls->Creatable()) << name;
        EXPECT_EQ(cls->Create(form)->ClassName(), name);
    }
    EXPECT_EQ(form.ClassName(), "TForm");
    EXPECT_FALSE(FindClass("TForm")->Creatable()) << "a form is read into, never made by the reader";
}

TEST(ControlClasses, ReadingAnAbsentLayoutIsAnError) {
    TTestForm form(nullptr);
    EXPECT_THROW(form.ReadLayout("Nothing.dfm"), ELayoutError);
}
