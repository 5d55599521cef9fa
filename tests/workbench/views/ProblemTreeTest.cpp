// The problem tree: its layout after a build, the item data words, and the tree following the
// model's changes, checked against a fresh build of the same model; an observer that mirrors the
// tree from the notifications alone must end equal to it.

#include "../ExampleDocs.hpp"
#include "TreeDump.hpp"

#include "workbench/views/ProblemTree.hpp"

#include <gtest/gtest.h>

using namespace TavWorkbench;
using Item = ProblemTree::Item;

namespace {

// Rebuilds its own copy of the tree from the notifications: counts per parent, checked
// against the tree at every step.
class MirrorObserver : public ProblemTree::Observer {
public:
    explicit MirrorObserver(const ProblemTree& tree) : m_tree(tree) {}
    void BeginInsert(const Item* parent, int row) override {
        EXPECT_FALSE(m_open);
        EXPECT_LE(row, parent->ChildCount());
        m_open = true;
        m_parent = parent;
        m_expected = parent->ChildCount() + 1;
    }
    void EndInsert() override { Close(); }
    void BeginRemove(const Item* parent, int first, int last) override {
        EXPECT_FALSE(m_open);
        EXPECT_LE(0, first);
        EXPECT_LT(last, parent->ChildCount());
        m_open = true;
        m_parent = parent;
        m_expected = parent->ChildCount() - (last - first + 1);
    }
    void EndRemove() override { Close(); }
    void Changed(const Item*) override { ++changes; }
    void BeginReset() override { ++resets; }
    void EndReset() override {}
    int changes = 0;
    int resets = 0;

private:
    void Close() {
        EXPECT_TRUE(m_open);
        EXPECT_EQ(m_parent->ChildCount(), m_expected);
        m_open = false;
    }
    const ProblemTree& m_tree;
    bool m_open = false;
    const Item* m_parent = nullptr;
    int m_expected = 0;
};

struct Fixture {
    TavModel model;
    ProblemTree tree{model};
    Fixture() {
        model.domains.AddBoolDomain("TrueFalse");
        model.domains.AddDoubleDomain("RealDomain", 0.0, 1e30);
    }
    std::string Fresh(const std::string& title = "Queens") { return FreshDump(model, title); }
};

} // namespace

TEST(ProblemTree, NewDocumentLayout) {
    Fixture f;
    f.tree.BuildTree("Untitled");
    EXPECT_EQ(Dump(f.tree), "Untitled\n"
                            "  Constants\n"
                            "    Integer Constants\n"
                            "    Set Constants\n"
                            "    List Constants\n"
                            "    String Constants\n"
                            "  Domains\n"
                            "    TrueFalse [Domain:0]\n"
                            "      Not in Use\n"
                            "    RealDomain [Domain:1]\n"
                            "      Not in Use\n"
                            "  Variables\n"
                            "  Constraints\n"
                            "  Optimisation\n");
}

TEST(ProblemTree, QueensLayoutAndItemData) {
    Fixture f;
    ExampleDocs::Queens(f.model, 8);
    auto diff = std::make_unique<CConstraint>(*f.model.constraints[0]);
    diff->SetReferencedIDs({"q"});
    f.model.constraints.ReplaceAt(0, std::move(diff));
    f.model.constants.Add(std::make_unique<CConstant>("Colours", "red,green", CConstant::Type::StringList));
    // A type code no kind has, as a file may hold one.
    f.model.constants.Add(std::make_unique<CConstant>("Odd", "1", static_cast<CConstant::Type>(9)));
    f.model.optimisation = {"minimise(q[0]);"};
    f.tree.BuildTree("Queens");
    EXPECT_EQ(Dump(f.tree), "Queens\n"
                            "  Constants\n"
                            "    Integer Constants\n"
                            "      N [Constant:0]\n"
                            "        8\n"
                            "    Set Constants\n"
                            "    List Constants\n"
                            "    String Constants\n"
                            "      Colours [Constant:1]\n"
                            "        red,green\n"
                            "  Domains\n"
                            "    TrueFalse [Domain:0]\n"
                            "      Not in Use\n"
                            "    RealDomain [Domain:1]\n"
                            "      Not in Use\n"
                            "    Rows [Domain:2]\n"
                            "      Used by Variables\n"
                            "        q\n"
                            "  Variables\n"
                            "    q [Variable:0]\n"
                            "      Domain =Rows(Integer)\n"
                            "  Constraints\n"
                            "    diff [Constraint:0]\n"
                            "      Variables Constrained & Constants used\n"
                            "        q\n"
                            "    diag [Constraint:1]\n"
                            "      Variables Constrained & Constants used\n"
                            "  Optimisation\n"
                            "    minimise(q[0]); [Optimisation:0]\n");
    // The domain line stands for no object: right-clicking it offers nothing to edit.
    const Item* line = f.tree.Group("Variables")->Child(0)->Child(0);
    EXPECT_EQ(line->data, 0u);
}

TEST(ProblemTree, DomainLineIsCutAndUsageIgnoresCase) {
    Fixture f;
    f.model.domains.AddIntDomain("Digits", "", "", "", 0, 9, {}, 0, 0);
    f.model.domains.AddIntDomain("DIGITS", "", "", "", 0, 9, {}, 0, 0);
    f.model.variables.AddVariable("v", CVariable::Type::IntVar, "Digits", 0, "", {});
    f.model.variables.AddVariable("w", CVariable::Type::IntVar, "AVeryLongDomainNameIndeedForThisLine", 0, "",
                                  {});
    f.tree.BuildTree("t");
    const Item* domains = f.tree.Group("Domains");
    EXPECT_EQ(f.tree.FindChildItem("Digits", domains)->Child(0)->Child(0)->text, "v");
    EXPECT_EQ(f.tree.FindChildItem("DIGITS", domains)->Child(0)->Child(0)->text, "v");
    EXPECT_EQ(f.tree.FindChildItem("digits", domains), nullptr);
    const std::string line = f.tree.Group("Variables")->Child(1)->Child(0)->text;
    EXPECT_EQ(line, std::string("Domain =AVeryLongDomainNameIndeedForThi"));
    EXPECT_EQ(line.size(), ProblemTree::kDomainLineLength);
}

TEST(ProblemTree, FollowsTheModelAndMatchesAFreshBuild) {
    Fixture f;
    ExampleDocs::Queens(f.model, 4);
    f.tree.BuildTree("Queens");
    MirrorObserver mirror(f.tree);
    f.tree.SetObserver(&mirror);

    // A variable on a new domain: its item, then the domains refreshed.
    f.model.domains.AddIntDomain("Cols", "", "", "", 0, 3, {}, 0, 0);
    f.model.variables.AddVariable("c", CVariable::Type::IntVar, "Cols", 0, "", {});
    EXPECT_EQ(Dump(f.tree), f.Fresh());

    // The first constraint deleted: the others renumbered.
    f.model.constraints.RemoveAt(0);
    EXPECT_EQ(Dump(f.tree), f.Fresh());

    // The variable deleted: its former domain back to "Not in Use".
    f.model.variables.RemoveAt(1);
    EXPECT_EQ(Dump(f.tree), f.Fresh());
    EXPECT_EQ(f.tree.FindChildItem("Cols", f.tree.Group("Domains"))->Child(0)->text, "Not in Use");

    // A domain deleted and renumbered; constants changed and rebuilt; a constant's value
    // edited; the target set and removed; the title changed.
    f.model.domains.RemoveAt(0);
    EXPECT_EQ(Dump(f.tree), f.Fresh());
    f.model.constants.Add(std::make_unique<CConstant>("S", "1,2", CConstant::Type::Set));
    f.model.constants.ReplaceAt(0, std::make_unique<CConstant>("N", "6", CConstant::Type::Integer));
    f.model.optimisation = {"minimise(q[1]);"};
    EXPECT_EQ(Dump(f.tree), f.Fresh());
    f.model.optimisation.clear();
    f.tree.SetRootText("Renamed");
    EXPECT_EQ(Dump(f.tree), f.Fresh("Renamed"));

    // An edited constraint and variable keep their place.
    auto constraint = std::make_unique<CConstraint>("diagonals", "q[0] <> q[1];");
    constraint->SetReferencedIDs({"q"});
    f.model.constraints.ReplaceAt(0, std::move(constraint));
    f.model.variables.ReplaceAt(
        0, std::make_unique<CVariable>("q", CVariable::Type::IntVar, "Cols", 1, "N", std::vector<int>{}));
    EXPECT_EQ(Dump(f.tree), f.Fresh("Renamed"));
    EXPECT_GT(mirror.changes, 0);
    EXPECT_EQ(mirror.resets, 0);

    // The model replaced as a whole: one rebuild, the title kept.
    TavModel other;
    ExampleDocs::Queens(other, 5);
    f.model.TakeFrom(other);
    EXPECT_EQ(Dump(f.tree), f.Fresh("Renamed"));
    EXPECT_EQ(mirror.resets, 1);
    f.tree.SetObserver(nullptr);
}

TEST(ProblemTree, NothingIsAddedBeforeTheBuildOrOutsideTheGroups) {
    Fixture f;
    f.model.domains.AddIntDomain("D", "", "", "", 0, 1, {}, 0, 0);
    f.model.Clear();
    EXPECT_EQ(f.tree.Root(), nullptr);
    f.tree.BuildTree("t");
    f.model.constants.Add(std::make_unique<CConstant>("K", "1", static_cast<CConstant::Type>(7)));
    f.model.constants.Add(std::make_unique<CConstant>("L", "1", static_cast<CConstant::Type>(-1)));
    EXPECT_EQ(Dump(f.tree), f.Fresh("t"));
    int constantItems = 0;
    f.tree.ForEach(
        [&](const Item& item) { constantItems += item.Kind() == ProblemTree::ItemKind::Constant ? 1 : 0; });
    EXPECT_EQ(constantItems, 0);
}
