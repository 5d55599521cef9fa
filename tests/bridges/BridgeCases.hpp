#pragma once
// Small raw problems, built in code, that every bridge must solve exactly as the brute-force
// oracle does: one or two cases per constraint and expression kind.

#include "RawBuild.hpp"

#include <functional>
#include <vector>

namespace BridgeCases {

using namespace RawBuild;

// Small variables shared by the cases: x, y, z over 0..3, b boolean, s and t sets over {1,2}.
struct Vars {
    E x, y, z, b, s, t;
};

inline Vars Declare(Problem& p) {
    auto d = p.IntRange("d", 0, 3);
    auto sd = p.SetDom("sd", {1, 2});
    Vars v;
    v.x = p.IntVar("x", d);
    v.y = p.IntVar("y", d);
    v.z = p.IntVar("z", d);
    v.b = p.BoolVar("b");
    v.s = p.SetVar("s", sd);
    v.t = p.SetVar("t", sd);
    return v;
}

inline E Lt(E a, E b) {
    return E(Con(RawType::Less, a, b));
}

struct Case {
    const char* name;
    std::function<void(Problem&, const Vars&)> build;
};

inline const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"no constraints", [](Problem&, const Vars&) {}},
        {"alldifferent and order",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::AllDifferent, Arr({v.x, v.y, v.z})));
             p.Post(Con(RawType::Less, v.x, v.y));
         }},
        {"alldifferent with a constant",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::AllDifferent, Arr({v.x, v.y, Int(2)})));
         }},
        {"sequence",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Sequence, Arr({v.x, v.y, v.z}), Ints({1, 1, 2})));
         }},
        {"element",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Element, {v.x, Ints({2, 0, 3, 1}), v.y}));
         }},
        {"element with a constant value",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Element, {v.x, Ints({2, 0, 3, 2}), Int(2)}));
         }},
        {"member, notmember, subset",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Member, v.x, v.s));
             p.Post(Con(RawType::NotMember, v.y, v.s));
             p.Post(Con(RawType::Subset, v.s, v.t));
         }},
        {"strict subset and cardinality",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::StrictSubset, v.s, v.t));
             p.Post(Con(RawType::Equal, Op(RawType::Cardinality, v.t), v.x));
         }},
        {"alldisjoint and union",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::AllDisjoint, Arr({v.s, v.t})));
             p.Post(
                 Con(RawType::Equal, Op(RawType::Cardinality, Op(RawType::Union, Arr({v.s, v.t}))), Int(2)));
         }},
        {"intersection",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, Op(RawType::Cardinality, Op(RawType::Intersection, Arr({v.s, v.t}))),
                        Int(1)));
         }},
        {"set equality and inequality",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, v.s, v.t));
             p.Post(Con(RawType::NotEqual, v.s, SetOf({1, 2})));
         }},
        {"arithmetic",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, Op(RawType::Plus, v.x, Op(RawType::Times, v.y, v.z)), Int(5)));
             p.Post(Con(RawType::NotEqual, Op(RawType::Minus, v.x, v.y), Int(1)));
         }},
        {"division, modulo, power, abs",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, Op(RawType::Divide, v.x, v.y), Int(1)));
             p.Post(Con(RawType::Equal, Op(RawType::Modulo, v.z, Int(2)), Int(1)));
             p.Post(Con(RawType::GreaterEqual, Op(RawType::Abs, Op(RawType::Minus, v.y, v.z)), Int(1)));
             p.Post(Con(RawType::LessEqual, Op(RawType::Power, v.x, Int(2)), Int(4)));
         }},
        {"unary minus and greater",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Greater, Op(RawType::Minus, v.x), Op(RawType::Minus, Int(1), v.y)));
         }},
        {"sum, scalprod, count",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, Op(RawType::Sum, Arr({v.x, v.y, v.z})), Int(4)));
             p.Post(Con(RawType::GreaterEqual,
                        E(new RawOp(RawType::ScalProd, Arr({v.x, v.y}), Ints({2, -1}))), Int(1)));
             p.Post(Con(RawType::Equal, E(new RawOp(RawType::Count, Arr({v.x, v.y, v.z}), Ints({0, 3}))),
                        Int(1)));
         }},
        {"minimum, maximum, index",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal, Op(RawType::Minimum, Arr({v.x, v.y})), Int(1)));
             p.Post(Con(RawType::Equal, Op(RawType::Maximum, Arr({v.y, v.z})), Int(2)));
             p.Post(Con(RawType::Equal, Op(RawType::Index, v.z, Ints({3, 1, 4, 1})), Int(4)));
         }},
        {"and, or over lists",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Or, Arr({Lt(v.x, Int(1)), Lt(v.y, Int(1)), Lt(v.z, Int(1))})));
             p.Post(Con(RawType::And, Arr({Lt(v.x, Int(3)), Lt(v.y, Int(3)), Lt(v.z, Int(3))})));
         }},
        {"implies, iff, xor, not",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Implies, Lt(v.x, v.y), Lt(v.y, v.z)));
             p.Post(Con(RawType::Iff, Lt(v.x, Int(2)), Lt(Int(1), v.z)));
             p.Post(Con(RawType::Xor, Lt(v.x, v.y), Lt(v.z, v.x)));
             p.Post(Con(RawType::Not, E(Con(RawType::Equal, v.x, v.z))));
         }},
        {"boolean as a condition",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Implies, v.b, Lt(v.x, Int(1))));
             p.Post(Con(RawType::Or, v.b, Lt(Int(2), v.y)));
         }},
        {"reified comparisons",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Equal,
                        Op(RawType::Plus, Op(RawType::Plus, Lt(v.x, v.y), Lt(v.y, v.z)), Lt(v.z, v.x)),
                        Int(1)));
         }},
        {"unsatisfiable",
         [](Problem& p, const Vars& v) {
             p.Post(Con(RawType::Less, v.x, v.y));
             p.Post(Con(RawType::Less, v.y, v.x));
         }},
    };
    return cases;
}

} // namespace BridgeCases
