// The generic reader, with classes of its own: no control, no window.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "ComponentClass.h"
#include "LayoutParser.h"
#include "Reader.h"

namespace {
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    void SetText(std::string t) { text = std::move(t); }
    void SetNumber(int n) { number = n; }
    std::string text;
    int number = 0;
    TNotifyEvent onPoke;
};

// Holds items in its block, as a menu does.
class TProbeBox : public TProbe {
public:
    using TProbe::TProbe;
    void SetFlag(bool f) { flag = f; }
    bool flag = false;
};

// Stands only in a box.
class TProbeItem : public TProbe {
public:
    using TProbe::TProbe;
    bool SetParentComponent(TComponent& parent) override {
        box = dynamic_cast<TProbeBox*>(&parent);
        return box != nullptr;
    }
    TProbeBox* box = nullptr;
    std::vector<std::string> tags;
};

// What a layout is read into, as a form is.
class TProbeRoot : public TProbe {
public:
    using TProbe::TProbe;
    void Poke(TObject* sender) { pokes.push_back(static_cast<TComponent*>(sender)->Name()); }
    TProbe* First = nullptr;
    TProbeItem* Item1 = nullptr;
    TProbeBox* partner = nullptr;
    std::vector<std::string> pokes;
};

[[maybe_unused]] const TComponentClass& probeClass = RegisterClass(
    ClassOf<TProbe, TComponent>("TProbe")
        .Creatable()
        .Property("Text", &TProbe::SetText, StringValue)
        .Property("Number", &TProbe::SetNumber, IntegerValue)
        .Property("OnPoke", [](TProbe& p, const LayoutProperty& value, TReader& reader) { p.onPoke = reader.Handler(value); }));
[[maybe_unused]] const TComponentClass& boxClass =
    RegisterClass(ClassOf<TProbeBox, TProbe>("TProbeBox").Creatable().Property("Flag", &TProbeBox::SetFlag, BooleanValue));
[[maybe_unused]] const TComponentClass& itemClass = RegisterClass(
    ClassOf<TProbeItem, TProbe>("TProbeItem").Creatable().Property("Tags", [](TProbeItem& i, const LayoutProperty& p, TReader&) {
        i.tags = SetValue(p);
    }));
[[maybe_unused]] const TComponentClass& rootClass = RegisterClass(
    ClassOf<TProbeRoot, TProbe>("TProbeRoot")
        .Method("Poke", &TProbeRoot::Poke)
        .Field("First", &TProbeRoot::First)
        .Field("Item1", &TProbeRoot::Item1)
        .Property("Partner", [](TProbeRoot& root, const LayoutProperty& p, TReader& reader) {
            reader.Reference<TProbeBox>(p, "нет такой коробки", [&root](TProbeBox& box) { root.partner = &box; });
        }));

// Line numbers as the error cases below give them.
const std::string kLayout = R"(object Root: TProbeRoot
  Text = 'корень'
  Partner = Box1
  object First: TProbe
    Text = 'первый'
    Number = 7
    OnPoke = Poke
  end
  object Box1: TProbeBox
    Text = 'коробка'
    Flag = True
    object Item1: TProbeItem
      Tags = [a, b]
    end
  end
end
)";
}  // namespace

TEST(Reader, MakesEachObjectOfItsClassInFileOrderAndSetsItsProperties) {
    TProbeRoot root(nullptr);
    ReadComponent(root, ParseLayout(kLayout));
    EXPECT_EQ(root.Name(), "Root");
    EXPECT_EQ(root.text, "корень");
    ASSERT_EQ(root.ComponentCount(), 3u);
    EXPECT_EQ(root.Components(0)->Name(), "First");
    EXPECT_EQ(root.Components(1)->Name(), "Box1");
    EXPECT_EQ(root.Components(2)->Name(), "Item1");
    EXPECT_EQ(root.Components(1)->ClassName(), "TProbeBox");

    // Fields and references point at the components; a box takes its parent's properties too.
    ASSERT_EQ(root.First, root.Components(0));
    ASSERT_EQ(root.Item1, root.Components(2));
    auto* box = dynamic_cast<TProbeBox*>(root.Components(1));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(root.partner, box);
    EXPECT_EQ(box->text, "коробка");
    EXPECT_TRUE(box->flag);
    EXPECT_EQ(root.Item1->box, box);
    EXPECT_EQ(root.Item1->tags, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(root.First->number, 7);

    // The event property calls the root's method, with the component as the sender.
    ASSERT_TRUE(root.First->onPoke);
    root.First->onPoke(root.First);
    EXPECT_EQ(root.pokes, std::vector<std::string>{"First"});
    EXPECT_FALSE(root.Item1->onPoke);
}

struct Fault {
    const char* what;
    const char* written;  // replaced by `instead` in the layout
    const char* instead;
    int line;
    const char* word;
};

class ReaderFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(ReaderFaults, NameTheLineAndTheWord) {
    std::string text = kLayout;
    const auto at = text.find(GetParam().written);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::string(GetParam().written).size(), GetParam().instead);
    TProbeRoot root(nullptr);
    try {
        ReadComponent(root, ParseLayout(text));
        FAIL() << "read a broken layout";
    } catch (const ELayoutError& e) {
        EXPECT_EQ(e.Line(), GetParam().line) << e.Message();
        EXPECT_EQ(e.Word(), GetParam().word) << e.Message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderFaults,
    ::testing::Values(Fault{"unknown class", "Box1: TProbeBox", "Box1: TProbeBag", 9, "TProbeBag"},
                      Fault{"another root class", "Root: TProbeRoot", "Root: TProbe", 1, "TProbe"},
                      Fault{"a class only read into", "First: TProbe\n", "First: TProbeRoot\n", 4, "TProbeRoot"},
                      Fault{"unknown property", "Number = 7", "Count = 7", 6, "Count"},
                      Fault{"a property of a derived class", "Number = 7", "Flag = True", 6, "Flag"},
                      Fault{"a root property on a component", "Number = 7", "Partner = Box1", 6, "Partner"},
                      Fault{"a value of the wrong kind", "Number = 7", "Number = '7'", 6, "'7'"},
                      Fault{"unknown handler", "OnPoke = Poke", "OnPoke = Prod", 7, "Prod"},
                      Fault{"reference to nothing", "Partner = Box1", "Partner = Box2", 3, "Box2"},
                      Fault{"reference of another class", "Partner = Box1", "Partner = First", 3, "First"},
                      Fault{"an item outside a box", "First: TProbe\n", "First: TProbeItem\n", 4, "TProbeItem"},
                      Fault{"an object in one that holds none", "    OnPoke = Poke\n",
                            "    OnPoke = Poke\n    object Inner: TProbe\n    end\n", 8, "TProbe"},
                      Fault{"a name taken, in other letters", "Item1: TProbeItem", "FIRST: TProbeItem", 12, "FIRST"},
                      Fault{"the root's own name", "Item1: TProbeItem", "root: TProbeItem", 12, "root"},
                      Fault{"a field without its component", "object First: TProbe", "object Second: TProbe", 1, "First"},
                      Fault{"a field given another class", "object First: TProbe", "object Item1: TProbe", 4, "Item1"}),
    [](const ::testing::TestParamInfo<Fault>& param) {
        std::string name = param.param.what;
        for (char& c : name)
            if (c == ' ' || c == '\'' || c == ',') c = '_';
        return name;
    });

TEST(ClassRegistry, FindsEachClassByNameAndByTypeAndTakesNoNameTwice) {
    EXPECT_EQ(FindClass("TProbeBox"), FindClass(typeid(TProbeBox)));
    EXPECT_EQ(FindClass("TProbeBox")->Parent(), FindClass("TProbe"));
    EXPECT_EQ(FindClass("TProbe")->Parent(), nullptr) << "TComponent has no table of its own";
    EXPECT_EQ(FindClass("TNothing"), nullptr);
    EXPECT_THROW(RegisterClass(ClassOf<TProbe, TComponent>("TProbe")), std::logic_error);
    EXPECT_THROW(RegisterClass(ClassOf<TProbeItem, TProbe>("TProbeThing")), std::logic_error) << "one type, two names";
    EXPECT_EQ(TComponent(nullptr).ClassName(), "") << "an unregistered class has no name to read by";
}
