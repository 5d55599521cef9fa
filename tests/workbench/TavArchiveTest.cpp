// ".tav" files: hand-written fixtures load into the expected model and are written back byte
// for byte; models built through the API survive save, load and save; damaged files are
// refused with a message naming the file.

#include "TavFixtures.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/TavDocumentFile.hpp"
#include "workbench/archive/TavFileError.hpp"
#include "workbench/model/CBoolDomain.hpp"
#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/CEnumDomain.hpp"
#include "workbench/model/CIntDomain.hpp"
#include "workbench/model/CSetDomain.hpp"
#include "workbench/model/ProblemText.hpp"

#include <gtest/gtest.h>

#include <cfloat>

using namespace TavWorkbench;
using TavFixture::Bytes;

namespace {

TavModel Load(const std::string& bytes) {
    TavModel model;
    ReadTavDocument(bytes, "fixture.tav", model);
    return model;
}

std::string RefusalOf(const std::string& bytes) {
    try {
        Load(bytes);
    } catch (const TavFileError& e) {
        return e.what();
    }
    return "(loaded)";
}

} // namespace

TEST(TavFile, NewDocumentFixture) {
    const std::string fixture = TavFixture::NewDocument();
    ASSERT_EQ(fixture.size(), 105u);
    TavModel model = Load(fixture);
    ASSERT_EQ(model.domains.GetSize(), 2);
    const auto* b = dynamic_cast<const CBoolDomain*>(model.domains[0]);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetID(), "TrueFalse");
    EXPECT_TRUE(b->IsPredefined()); // set by the class, not stored
    EXPECT_EQ(b->GetMax(), 1);
    const auto* f = dynamic_cast<const CDoubleDomain*>(model.domains[1]);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetMax(), static_cast<double>(FLT_MAX));
    EXPECT_TRUE(model.variables.IsEmpty() && model.constraints.IsEmpty() && model.constants.IsEmpty());
    EXPECT_TRUE(model.optimisation.empty());

    TavModel built;
    built.domains.AddBoolDomain("TrueFalse");
    built.domains.AddDoubleDomain("RealDomain", 0.0, FLT_MAX);
    EXPECT_EQ(WriteTavDocument(built), fixture);
}

TEST(TavFile, DomainFixture) {
    const std::string fixture = TavFixture::Domains();
    TavModel model = Load(fixture);
    ASSERT_EQ(model.domains.GetSize(), 5);
    std::vector<std::string> lines;
    for (const auto& d : model.domains)
        lines.push_back(DomainLine(*d));
    EXPECT_EQ(lines, (std::vector<std::string>{"EnumDom Colour={\"red\",\"green\"} ;", "IntDom Rows=[0,N-1];",
                                               "IntDom Odd={1,5,9};", "SetDom S={10,-2} ;",
                                               "IntDom Digits=Primes"}));
    EXPECT_NE(dynamic_cast<const CSetDomain*>(model.domains[3]), nullptr);
    EXPECT_EQ(dynamic_cast<const CIntDomain*>(model.domains[2])->GetMax(), 9);
    // The writer refers to a known class by the short tag while the index fits in it.
    const std::string written = WriteTavDocument(model);
    EXPECT_EQ(written.size(), fixture.size() - 4);
    TavModel again = Load(written);
    EXPECT_EQ(WriteTavDocument(again), written);
}

TEST(TavFile, ConstantVariableAndConstraintFixtures) {
    TavModel constants = Load(TavFixture::Constants());
    ASSERT_EQ(constants.constants.GetSize(), 4);
    EXPECT_EQ(constants.constants[0]->GetIntValue(), 12);
    std::vector<std::string> lines;
    for (const auto& c : constants.constants)
        lines.push_back(c->GetModelText());
    EXPECT_EQ(lines, (std::vector<std::string>{"N := 12;", "S := {1,2};", "L := [3,4];",
                                               "C := [\"red\",\"green\"];"}));
    EXPECT_EQ(WriteTavDocument(constants), TavFixture::Constants());

    TavModel variables = Load(TavFixture::Variables());
    lines.clear();
    for (const auto& v : variables.variables)
        lines.push_back(v->GetModelText());
    EXPECT_EQ(lines, (std::vector<std::string>{"IntVar a[3][4]::D;", "BoolVar b;", "IntVar q[N]::D;"}));
    EXPECT_EQ(variables.variables[0]->GetDimensions(), (std::vector<int>{3, 4}));
    EXPECT_EQ(WriteTavDocument(variables), TavFixture::Variables());

    TavModel constraints = Load(TavFixture::ConstraintsAndTarget());
    ASSERT_EQ(constraints.constraints.GetSize(), 2);
    EXPECT_EQ(constraints.constraints[0]->GetReferencedIDs(), (std::vector<std::string>{"q"}));
    EXPECT_EQ(constraints.constraints[1]->GetText(), std::string(300, 'x'));
    EXPECT_EQ(constraints.optimisation, (std::vector<std::string>{"Minimise(x);"}));
    EXPECT_EQ(WriteTavDocument(constraints), TavFixture::ConstraintsAndTarget());
}

TEST(TavFile, ModelsBuiltThroughTheApiSurviveSaveLoadSave) {
    TavModel model;
    model.domains.AddBoolDomain("TrueFalse");
    model.domains.AddDoubleDomain("RealDomain", -1.5, 2.25);
    model.domains.AddEnumDomain("E", {"a", "", std::string(70000, 'n')}); // a text with a 4-byte length
    model.domains.AddIntDomain("I", "", "Lo", "Hi", -7, 7, {}, 3, -3);
    model.domains.AddSetDomain("S", {});
    model.constants.Add(std::make_unique<CConstant>("Lo", -2));
    model.constants.Add(std::make_unique<CConstant>("Names", "x,y", CConstant::Type::StringList));
    model.variables.AddVariable("v", CVariable::Type::IntVar, "I", 1, "", {2, 3, 4});
    model.variables.AddVariable("r", CVariable::Type::RealVar, "RealDomain", 0, "", {});
    auto c = std::make_unique<CConstraint>("c", "v[0][0][0] <> v[1][2][3];");
    c->SetReferencedIDs({"v", "V"});
    model.constraints.Add(std::move(c));
    model.optimisation = {"Maximise(v[0][0][0]);"};
    const std::string first = WriteTavDocument(model);
    TavModel loaded = Load(first);
    EXPECT_EQ(WriteTavDocument(loaded), first);
    EXPECT_EQ(ProblemTextOf(loaded), ProblemTextOf(model));
}

TEST(TavFile, ManyObjectsUseTheLongClassTag) {
    TavModel model;
    for (int i = 0; i < 40000; ++i)
        model.constraints.Add(
            std::make_unique<CConstraint>("c" + std::to_string(i), "x <> " + std::to_string(i) + ";"));
    const std::string bytes = WriteTavDocument(model);
    TavModel loaded = Load(bytes);
    ASSERT_EQ(loaded.constraints.GetSize(), 40000);
    EXPECT_EQ(loaded.constraints[39999]->GetText(), "x <> 39999;");
    EXPECT_EQ(WriteTavDocument(loaded), bytes);
    // 0xFFFF and more elements: the count is the word 0xFFFF and a 4-byte count.
    TavModel many;
    many.optimisation.assign(70000, "");
    const std::string counted = WriteTavDocument(many);
    EXPECT_EQ(counted.substr(8, 6), Bytes({"FF FF 70 11 01 00"}));
    EXPECT_EQ(Load(counted).optimisation.size(), 70000u);
}

TEST(TavFile, DamagedFilesAreRefusedNamingTheFile) {
    const std::string doc = TavFixture::NewDocument();
    const std::string empties = Bytes({"00 00 00 00 00 00 00 00"});
    struct Case {
        const char* what;
        std::string bytes;
        const char* says;
    };
    const Case cases[] = {
        {"empty file", "", "the file ends within the domains"},
        {"data after the end", doc + "x", "1 bytes follow the end"},
        {"foreign class", Bytes({"01 00 FF FF 01 00 04 00", "'CFoo"}), "class CFoo"},
        {"constant among the domains", Bytes({"01 00 FF FF 00 00 09 00", "'CConstant"}), "does not belong"},
        {"other schema", Bytes({"01 00 FF FF 02 00 0B 00", "'CBoolDomain"}), "schema 2"},
        {"null element", Bytes({"01 00 00 00"}) + empties, "null element"},
        {"second reference to an object", Bytes({"01 00 02 00"}) + empties, "second reference"},
        {"class tag naming an object", Bytes({"02 00"}) + doc.substr(2, 42) + Bytes({"02 80"}),
         "not in the file"},
        {"class tag past the index", Bytes({"01 00 09 80"}), "not in the file"},
        {"huge count", Bytes({"FF FF FF FF FF 7F"}), "more than the rest of the file"},
        {"text past the end", Bytes({"01 00 FF FF 01 00 0B 00", "'CBoolDomain", "FF 00 10"}),
         "the file ends within"},
        {"wide-character text", Bytes({"01 00 FF FF 01 00 0B 00", "'CBoolDomain", "FF FE FF"}),
         "wide-character"},
        {"class name too long", Bytes({"01 00 FF FF 01 00 C8 00"}) + std::string(200, 'C'), "200 characters"},
        {"Boolean record with the integer type",
         Bytes({"01 00 FF FF 01 00 0B 00", "'CBoolDomain", "01", "'b", "02 00 00 00", "00 00 00",
                "00 00 00 00 01 00 00 00"}) +
             empties,
         "type code 2"},
        {"truncated double", doc.substr(0, 90), "the file ends within"},
    };
    for (const auto& c : cases) {
        const std::string refusal = RefusalOf(c.bytes);
        EXPECT_NE(refusal.find("\"fixture.tav\" is not a valid Tav document"), std::string::npos) << c.what;
        EXPECT_NE(refusal.find(c.says), std::string::npos) << c.what << ": " << refusal;
    }
}
