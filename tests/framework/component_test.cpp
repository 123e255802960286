#include "framework/core/component.h"
#include "framework/core/exceptions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace brisat;

namespace {

// Logs notifications and destruction; holds one non-owned reference cleared on opRemove.
class TProbe : public TComponent {
public:
    TProbe(TComponent* owner, std::vector<std::string>& log, const std::string& name = "")
        : TComponent(owner), m_log(log) {
        SetName(name);
    }
    ~TProbe() override { m_log.push_back("~" + Name()); }

    TComponent* Ref = nullptr;

protected:
    void Notification(TComponent& c, TOperation op) override {
        m_log.push_back(
            Name() + (op == TOperation::opInsert ? " +" : " -") + c.Name() +
            (c.ComponentState().Contains(TComponentStateFlag::csDestroying) ? "!" : ""));
        if (op == TOperation::opRemove && &c == Ref) Ref = nullptr;
        TComponent::Notification(c, op);
    }

private:
    std::vector<std::string>& m_log;
};

class TThrowingProbe : public TComponent {
public:
    explicit TThrowingProbe(TComponent* owner) : TComponent(owner) {
        throw EInvalidOperation("no");
    }
};

using Log = std::vector<std::string>;

} // namespace

TEST(Component, OwnerDestroysOwnedComponentsLastFirst) {
    Log log;
    {
        auto form = std::make_unique<TProbe>(nullptr, log, "Form");
        auto& panel = CreateOwned<TProbe>(*form, log, "Panel");
        CreateOwned<TProbe>(panel, log, "Inner");
        CreateOwned<TProbe>(*form, log, "Button");
        EXPECT_EQ(form->ComponentCount(), 2);
        EXPECT_EQ(form->FindComponent("PANEL"), &panel);
        EXPECT_EQ(form->FindComponent("Inner"), nullptr); // only direct components
        EXPECT_EQ(form->FindComponent(""), nullptr);
        EXPECT_THROW(form->Components(2), EComponentError);
        log.clear();
    }
    // The form's own destructor body runs first (C++ order); then Button goes, the last owned,
    // and the removal still reaches what remains, marked as destroying.
    EXPECT_EQ(log,
              (Log{"~Form", "Panel -Button!", "Inner -Button!", "~Button", "~Panel", "~Inner"}));
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    Log log;
    TProbe form(nullptr, log, "Form");
    auto& a = CreateOwned<TProbe>(form, log, "Alpha");
    auto& b = CreateOwned<TProbe>(form, log, "Beta");
    for (const char* bad : {"1abc", "a b", "a.b", "ä", "-"})
        EXPECT_THROW(a.SetName(bad), EComponentError) << bad;
    EXPECT_THROW(b.SetName("ALPHA"), EComponentError);
    EXPECT_EQ(b.Name(), "Beta");
    a.SetName("alpha"); // its own name in another case
    b.SetName("");      // empty names never clash
    CreateOwned<TProbe>(form, log, "");
    TProbe other(nullptr, log, "Alpha"); // another owner
    auto stranger = std::make_unique<TProbe>(nullptr, log, "ALPHA");
    EXPECT_THROW(form.InsertComponent(std::move(stranger)), EComponentError);
    EXPECT_EQ(form.ComponentCount(), 3);
}

TEST(Component, InsertAndRemoveReachTheOwnerAndAllItsComponents) {
    Log log;
    TProbe form(nullptr, log, "Form");
    auto& panel = CreateOwned<TProbe>(form, log, "Panel");
    CreateOwned<TProbe>(panel, log, "Inner");
    log.clear();
    TComponent& button = form.InsertComponent(std::make_unique<TProbe>(nullptr, log, "Button"));
    EXPECT_EQ(log, (Log{"Form +Button", "Button +Button", "Panel +Button", "Inner +Button"}));
    log.clear();
    std::unique_ptr<TComponent> taken = form.RemoveComponent(button);
    EXPECT_EQ(taken->Owner(), nullptr);
    EXPECT_EQ(log, (Log{"Form -Button", "Panel -Button", "Inner -Button"}));
    EXPECT_THROW(form.RemoveComponent(*taken), EComponentError);
    EXPECT_THROW(form.InsertComponent(std::make_unique<TProbe>(&form, log)), EComponentError);
}

TEST(Component, FreeNoticesClearReferencesAcrossOwners) {
    Log log;
    TProbe formA(nullptr, log, "FormA");
    TProbe formB(nullptr, log, "FormB");
    auto& user = CreateOwned<TProbe>(formA, log, "User");
    auto& engine = CreateOwned<TProbe>(formB, log, "Engine");
    auto& spare = CreateOwned<TProbe>(formB, log, "Spare");
    user.Ref = &engine;
    engine.FreeNotification(user);
    engine.Free();
    EXPECT_EQ(user.Ref, nullptr);

    // Unlinked: no notice. Linked, then the listener dies first: the link goes with it.
    user.Ref = &spare;
    spare.FreeNotification(user);
    spare.RemoveFreeNotification(user);
    log.clear();
    spare.Free();
    EXPECT_EQ(user.Ref, &spare);
    EXPECT_TRUE(std::find(log.begin(), log.end(), "User -Spare!") == log.end());
    auto& target = CreateOwned<TProbe>(formB, log, "Target");
    target.FreeNotification(user);
    user.Free();
    target.Free(); // would touch the freed listener if the link had stayed
}

TEST(Component, FreeAndConstructionFailureKeepTheOwnerConsistent) {
    Log log;
    TProbe form(nullptr, log, "Form");
    EXPECT_THROW(CreateOwned<TThrowingProbe>(form), EInvalidOperation);
    EXPECT_EQ(form.ComponentCount(), 0);
    EXPECT_THROW(form.Free(), EComponentError);
    CreateOwned<TProbe>(form, log, "A").Free();
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST(Component, DesigningPassesToOwnedAndInsertedComponents) {
    Log log;
    TProbe form(nullptr, log, "Form");
    auto& a = CreateOwned<TProbe>(form, log, "A");
    form.SetDesigning(true);
    auto& b = CreateOwned<TProbe>(form, log, "B");
    EXPECT_TRUE(a.ComponentState().Contains(TComponentStateFlag::csDesigning));
    EXPECT_TRUE(b.ComponentState().Contains(TComponentStateFlag::csDesigning));
    form.SetDesigning(false);
    EXPECT_TRUE(b.ComponentState().Empty());
}
