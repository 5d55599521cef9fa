// The printed model listing and its pages.
#include "workbench/dialogs/printing/ModelListing.hpp"
#include "workbench/model/CConstant.hpp"

#include <gtest/gtest.h>

#include <cfloat>

using namespace TavDialogs;
using TavWorkbench::TavModel;

namespace {

TEST(ModelListing, EverySection) {
    TavModel model;
    model.domains.AddBoolDomain("TrueFalse");
    model.domains.AddDoubleDomain("RealDomain", 0.0, FLT_MAX);
    model.domains.AddIntDomain("D", "", "", "", 1, 5, {}, 0, 0);
    model.domains.AddEnumDomain("Colour", {"red", "green"});
    model.constants.Add(std::make_unique<TavWorkbench::CConstant>("N", 5));
    model.variables.AddVariable("q", TavWorkbench::CVariable::Type::IntVar, "D", 1, "N", {});
    model.constraints.Add(
        std::make_unique<TavWorkbench::CConstraint>("C1", "AllDifferent(q);\r\nq[0] < q[1];\r\n"));
    model.optimisation.push_back("Minimise(q[0]);");
    EXPECT_EQ(ModelListing(model, "Demo"),
              (std::vector<std::string>{"Problem:Demo",
                                        "{",
                                        "\tData",
                                        "\t{",
                                        "\t\tN := 5;",
                                        "\t}",
                                        "\tDomains",
                                        "\t{",
                                        "\t\tIntDom D=[1,5];",
                                        "\t\tEnumDom Colour={\"red\",\"green\"} ;",
                                        "\t}",
                                        "\tVariables",
                                        "\t{",
                                        "\t\tIntVar q[N]::D;",
                                        "\t}",
                                        "\tConstraints",
                                        "\t{",
                                        "\t\tAllDifferent(q);",
                                        "\t\tq[0] < q[1];",
                                        "\t\t",
                                        "\t}",
                                        "\tOptimisation",
                                        "\t{",
                                        "\t\tMinimise(q[0]);",
                                        "\t}",
                                        "}"}));
}

TEST(ModelListing, OnlyPredefinedDomainsAndNothingElse) {
    TavModel model;
    model.domains.AddBoolDomain("TrueFalse");
    EXPECT_EQ(ModelListing(model, "T"),
              (std::vector<std::string>{"Problem:T", "{", "\tVariables", "\t{", "\t}", "\tConstraints", "\t{",
                                        "\t}", "}"}));
}

TEST(ListingPages, Paging) {
    const ListingPages empty(0, 50);
    EXPECT_EQ(empty.PageCount(), 1);
    EXPECT_EQ(empty.FirstLine(1), 0);
    EXPECT_EQ(empty.EndLine(1), 0);

    const ListingPages exact(100, 50);
    EXPECT_EQ(exact.PageCount(), 2) << "no empty page after a full one";
    EXPECT_EQ(exact.FirstLine(2), 50);
    EXPECT_EQ(exact.EndLine(2), 100);

    const ListingPages large(1007, 50);
    EXPECT_EQ(large.PageCount(), 21);
    EXPECT_EQ(large.FirstLine(21), 1000);
    EXPECT_EQ(large.EndLine(21), 1007);
    int covered = 0;
    for (int p = 1; p <= large.PageCount(); ++p)
        covered += large.EndLine(p) - large.FirstLine(p);
    EXPECT_EQ(covered, 1007);

    EXPECT_EQ(ListingPages::LinesPerPage(-1000.0, 17.0), 58);
    EXPECT_EQ(ListingPages::LinesPerPage(10.0, 17.0), 1);
    EXPECT_EQ(ListingPages::LinesPerPage(1000.0, 0.0), 1);
    EXPECT_EQ(ListingPages(10, 0).LinesPerPage(), 1);
}

} // namespace
