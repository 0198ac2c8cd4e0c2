#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TComponent.h"

namespace {
// Records its destruction, so that the order owners destroy in can be seen.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
        SetName(std::move(name));
    }
    ~Probe() override { log_.push_back(Name()); }

private:
    std::vector<std::string>& log_;
};
}  // namespace

TEST(Component, OwnsInCreationOrderAndDestroysTheLastFirst) {
    std::vector<std::string> log;
    {
        TComponent owner(nullptr);
        auto* a = owner.InsertComponent(std::make_unique<Probe>(&owner, "A", log));
        auto* b = owner.InsertComponent(std::make_unique<Probe>(&owner, "B", log));
        auto* child = b->InsertComponent(std::make_unique<Probe>(b, "B1", log));
        ASSERT_EQ(owner.ComponentCount(), 2u);
        EXPECT_EQ(owner.Components(0), a);
        EXPECT_EQ(owner.Components(1), b);
        EXPECT_EQ(a->Owner(), &owner);
        EXPECT_EQ(child->Owner(), b);
    }
    // Each owner finishes its own destructor before its components go.
    EXPECT_EQ(log, (std::vector<std::string>{"B", "B1", "A"}));
}

TEST(Component, FindComponentIgnoresCaseAndLooksOnlyAtItsOwnComponents) {
    std::vector<std::string> log;
    TComponent owner(nullptr);
    auto* label = owner.InsertComponent(std::make_unique<Probe>(&owner, "Label9", log));
    label->InsertComponent(std::make_unique<Probe>(label, "Inner", log));
    EXPECT_EQ(owner.FindComponent("Label9"), label);
    EXPECT_EQ(owner.FindComponent("LABEL9"), label);
    EXPECT_EQ(owner.FindComponent("Label"), nullptr);
    EXPECT_EQ(owner.FindComponent("Inner"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}
