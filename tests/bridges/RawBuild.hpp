#pragma once
// Short builders of raw nodes for tests that state problems in code.

#include "language/raw/RawArr.hpp"
#include "language/raw/RawBool.hpp"
#include "language/raw/RawCSP.hpp"
#include "language/raw/RawFlt.hpp"
#include "language/raw/RawInt.hpp"
#include "language/raw/RawOp.hpp"
#include "language/raw/RawRange.hpp"
#include "language/raw/RawSet.hpp"
#include "language/raw/RawStr.hpp"

#include <initializer_list>
#include <string>
#include <vector>

namespace RawBuild {

// The raw model's vocabulary, for the tests that build with these helpers.
using TavLanguage::MakeR;
using TavLanguage::RawArr;
using TavLanguage::RawCon;
using TavLanguage::RawCSP;
using TavLanguage::RawDom;
using TavLanguage::RawExpr;
using TavLanguage::RawFlt;
using TavLanguage::RawInt;
using TavLanguage::RawOp;
using TavLanguage::RawOpt;
using TavLanguage::RawRange;
using TavLanguage::RawSet;
using TavLanguage::RawSoftCon;
using TavLanguage::RawStr;
using TavLanguage::RawType;
using TavLanguage::RawVar;
using TavLanguage::RPtr;

using E = RPtr<RawExpr>;

inline E Int(int v) {
    return E(new RawInt(v));
}
inline E Flt(double v) {
    return E(new RawFlt(v));
}
inline E Str(const std::string& v) {
    return E(new RawStr(v));
}
inline E Arr(std::initializer_list<E> elements) {
    auto arr = MakeR<RawArr>();
    for (const E& e : elements)
        arr->AddElement(e);
    return arr;
}
inline E Arr(const std::vector<E>& elements) {
    auto arr = MakeR<RawArr>();
    for (const E& e : elements)
        arr->AddElement(e);
    return arr;
}
inline E Ints(std::initializer_list<int> values) {
    auto arr = MakeR<RawArr>();
    for (int v : values)
        arr->AddElement(Int(v));
    return arr;
}
inline E SetOf(std::initializer_list<int> values) {
    auto set = MakeR<RawSet>();
    for (int v : values)
        set->AddElement(Int(v));
    return set;
}
inline E Op(RawType type, E a) {
    return E(new RawOp(type, std::move(a)));
}
inline E Op(RawType type, E a, E b) {
    return E(new RawOp(type, std::move(a), std::move(b)));
}
inline RPtr<RawCon> Con(RawType type, E a) {
    return MakeR<RawCon>(type, std::move(a));
}
inline RPtr<RawCon> Con(RawType type, E a, E b) {
    return MakeR<RawCon>(type, std::move(a), std::move(b));
}
inline RPtr<RawCon> Con(RawType type, std::vector<E> args) {
    return MakeR<RawCon>(type, std::move(args));
}

// A problem under construction: domains and variables are added to it as they are made.
struct Problem {
    RawCSP own;
    RawCSP& csp;

    Problem() : csp(own) {}
    // Builds into another problem (a reader's target) instead of its own.
    explicit Problem(RawCSP& target) : csp(target) {}

    RPtr<RawDom> IntRange(const std::string& name, int lo, int hi) {
        auto d = MakeR<RawDom>(RawType::IntDom, name, E(new RawRange(lo, hi)));
        csp.AddDomain(d);
        return d;
    }
    RPtr<RawDom> IntList(const std::string& name, std::initializer_list<int> values) {
        auto d = MakeR<RawDom>(RawType::IntDom, name, Ints(values));
        csp.AddDomain(d);
        return d;
    }
    RPtr<RawDom> SetDom(const std::string& name, std::initializer_list<int> values) {
        auto d = MakeR<RawDom>(RawType::SetDom, name, Ints(values));
        csp.AddDomain(d);
        return d;
    }
    RPtr<RawDom> StrDom(const std::string& name, std::initializer_list<std::string> values) {
        auto arr = MakeR<RawArr>();
        for (const auto& v : values)
            arr->AddElement(Str(v));
        auto d = MakeR<RawDom>(RawType::StrDom, name, arr);
        csp.AddDomain(d);
        return d;
    }
    E Var(RawType type, const std::string& name, RPtr<RawDom> domain) {
        auto v = MakeR<RawVar>(type, name, std::move(domain));
        csp.AddVariable(v);
        return v;
    }
    E IntVar(const std::string& name, RPtr<RawDom> domain) {
        return Var(RawType::IntVar, name, std::move(domain));
    }
    E BoolVar(const std::string& name) { return Var(RawType::BoolVar, name, nullptr); }
    E SetVar(const std::string& name, RPtr<RawDom> domain) {
        return Var(RawType::SetVar, name, std::move(domain));
    }
    void Post(RPtr<RawCon> c) { csp.AddConstraint(std::move(c)); }
    void Soft(RPtr<RawCon> c, int weight) { csp.AddSoftConstraint(MakeR<RawSoftCon>(E(c), weight)); }
    void Minimise(E e) { csp.SetObjective(MakeR<RawOpt>(RawType::Minimise, std::move(e))); }
    void Maximise(E e) { csp.SetObjective(MakeR<RawOpt>(RawType::Maximise, std::move(e))); }
};

// Integer variables x, y, z over 0..high, a boolean b and set variables s, t over setValues,
// with no constraints: the operands most node tests need.
struct MixedVars {
    Problem p;
    E x, y, z, b, s, t;
    MixedVars(int high, std::initializer_list<int> setValues) {
        auto d = p.IntRange("d", 0, high);
        auto sd = p.SetDom("sd", setValues);
        x = p.IntVar("x", d);
        y = p.IntVar("y", d);
        z = p.IntVar("z", d);
        b = p.BoolVar("b");
        s = p.SetVar("s", sd);
        t = p.SetVar("t", sd);
    }
};

} // namespace RawBuild
