#pragma once
// Shared fixture of the local-search model tests: every test starts and ends with an empty
// registry and the class-wide values at their program-start settings.

#include "localsearch/ClassWideValues.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Obj.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace GLSLibTest {

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        GLSLib::Obj::DeleteAll();
        GLSLib::ResetAllClassWideValues();
    }
    void TearDown() override {
        GLSLib::Obj::DeleteAll();
        GLSLib::ResetAllClassWideValues();
    }

    // A variable over lo..hi (its own domain) holding value, assigned with propagation.
    static GLSLib::IntVar* Var(int lo, int hi, int value, const char* name = "x") {
        auto* v = new GLSLib::IntVar(name, new GLSLib::IntRangeDom("d", lo, hi));
        v->Assign(value - lo);
        return v;
    }
    // Gives v the value (with propagation).
    static void Set(GLSLib::IntVar* v, int value) { v->Assign(v->GetDomain()->IndexOf(value)); }
};

inline std::string Str(const GLSLib::Obj& o) {
    std::ostringstream os;
    os << o;
    return os.str();
}

} // namespace GLSLibTest
