#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "LayoutBuilder.h"
#include "LayoutError.h"
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
    explicit TTestForm(TComponent* owner) : TForm(owner) { RegisterHandler("ItemClick", &TTestForm::ItemClick); }
    std::string_view ClassName() const override { return "TTestForm"; }
    void ItemClick(TObject* sender) { clicked.push_back(static_cast<TComponent*>(sender)->Name()); }
    std::vector<std::string> clicked;
};

// A small form of every class the builder knows; lines are numbered as a file would have them.
LayoutObject SampleLayout() {
    LayoutObject label{"Label9", "TLabel", 5,
                       {{"Left", Int(208), 6}, {"Top", Int(80), 7}, {"Caption", Str("Результат"), 8},
                        {"Color", Id("clAqua"), 9}, {"Font.Style", Set({"fsBold"}), 10}, {"Cursor", Id("crDrag"), 11},
                        {"Hint", Str("Результат расчёта"), 12}, {"ShowHint", Id("True"), 13}, {"Visible", Id("False"), 14}},
                       {}};
    LayoutObject bevel{"Bevel1", "TBevel", 15, {{"Shape", Id("bsFrame"), 16}, {"Style", Id("bsRaised"), 17}}, {}};
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

TEST(LayoutBuilder, BuildsEveryComponentWithItsProperties) {
    TTestForm form(nullptr);
    BuildLayout(form, SampleLayout());
    EXPECT_EQ(form.Name(), "Sample");
    EXPECT_EQ(form.Caption(), "Проба");
    EXPECT_EQ(form.Color(), clNavy);

    TLabel* label = nullptr;
    form.BindField("Label9", label);
    EXPECT_EQ(label->Left(), 208);
    EXPECT_EQ(label->Top(), 80);
    EXPECT_EQ(label->Caption(), "Результат");
    EXPECT_EQ(label->Color(), clAqua);
    EXPECT_TRUE(label->Font().Style.Contains(fsBold));
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(label->Cursor(), crDrag);
    EXPECT_TRUE(label->HintShown());
    EXPECT_FALSE(label->Visible());

    TBevel* bevel = nullptr;
    form.BindField("Bevel1", bevel);
    EXPECT_EQ(bevel->Shape(), bsFrame);
    EXPECT_EQ(bevel->Style(), bsRaised);

    TImage* image = nullptr;
    form.BindField("Image1", image);
    EXPECT_EQ(image->Picture().Width(), 3);
    EXPECT_EQ(image->Picture().Height(), 2);

    TEdit* edit = nullptr;
    form.BindField("Edit1", edit);
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(edit->Color(), clMenu);

    TMainMenu* menu = nullptr;
    TMenuItem *n1 = nullptr, *n3 = nullptr, *n4 = nullptr;
    form.BindField("MainMenu1", menu);
    form.BindField("N1", n1);
    form.BindField("N3", n3);
    form.BindField("N4", n4);
    EXPECT_EQ(form.Menu(), menu);
    ASSERT_EQ(menu->Items().size(), 2u);
    EXPECT_EQ(menu->Items()[0], n3);
    EXPECT_EQ(menu->Items()[1], n1);
    ASSERT_EQ(n3->Items().size(), 1u);
    EXPECT_EQ(n3->Items()[0], n4);
    EXPECT_FALSE(n1->Bitmap().Empty());

    menu->Pick(*n1);
    menu->Pick(*n4);
    EXPECT_EQ(form.clicked, std::vector<std::string>{"N1"});
}

struct BrokenLayout {
    const char* what;
    std::function<void(LayoutObject&)> breakIt;
    int line;
    const char* word;
};

class LayoutBuilderErrors : public ::testing::TestWithParam<BrokenLayout> {};

TEST_P(LayoutBuilderErrors, NameTheLineAndTheWord) {
    LayoutObject layout = SampleLayout();
    GetParam().breakIt(layout);
    TTestForm form(nullptr);
    try {
        BuildLayout(form, layout);
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
    Cases, LayoutBuilderErrors,
    ::testing::Values(
        BrokenLayout{"unknown class", [](LayoutObject& o) { o.children[1].className = "TButton"; }, 15, "TButton"},
        BrokenLayout{"another form's layout", [](LayoutObject& o) { o.className = "TOther"; }, 1, "TOther"},
        BrokenLayout{"unknown property", [](LayoutObject& o) { Prop(o, 0, 3).name = "Colour"; }, 9, "Colour"},
        BrokenLayout{"unknown form property", [](LayoutObject& o) { o.properties[0].name = "Title"; }, 2, "Title"},
        BrokenLayout{"unknown colour", [](LayoutObject& o) { Prop(o, 0, 3).value = Id("clPink"); }, 9, "clPink"},
        BrokenLayout{"unknown cursor", [](LayoutObject& o) { Prop(o, 0, 5).value = Id("crHand"); }, 11, "crHand"},
        BrokenLayout{"not a boolean", [](LayoutObject& o) { Prop(o, 0, 8).value = Id("Yes"); }, 14, "Yes"},
        BrokenLayout{"unknown font style", [](LayoutObject& o) { Prop(o, 0, 4).value = Set({"fsBold", "fsHeavy"}); }, 10, "fsHeavy"},
        BrokenLayout{"style not a set", [](LayoutObject& o) { Prop(o, 0, 4).value = Id("fsBold"); }, 10, "fsBold"},
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

TEST(LayoutBuilder, FieldsBindOnlyToAnExistingComponentOfTheirClass) {
    TTestForm form(nullptr);
    BuildLayout(form, SampleLayout());
    TLabel* label = nullptr;
    try {
        form.BindField("Label10", label);
        FAIL();
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Word(), "Label10");
        EXPECT_EQ(e.Line(), 1);
    }
    try {
        form.BindField("Bevel1", label);
        FAIL();
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Word(), "Bevel1");
        EXPECT_EQ(e.Line(), 15);
    }
}

TEST(LayoutBuilder, ReadingAnAbsentLayoutIsAnError) {
    TTestForm form(nullptr);
    EXPECT_THROW(form.ReadLayout("Nothing.dfm"), ELayoutError);
}
