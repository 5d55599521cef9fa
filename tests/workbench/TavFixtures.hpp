#pragma once
// ".tav" files written by hand from the archive encoding: counts as 16-bit words, texts with
// a 1-byte length (0xFF and a 16-bit length from 255 on), int32 and doubles little-endian,
// each object behind its class tag (0xFFFF, schema, name length, name for a new class; 0x8000
// plus the class's index for a known one; classes and objects share one running index from 1).

#include "Fixture.hpp"

#include <string>
#include <utility>
#include <vector>

namespace TavFixture {

// What OnNewDocument leaves: the Boolean domain "TrueFalse" and the float domain "RealDomain".
inline std::string NewDocument() {
    return Bytes({
        "02 00", // two domains
        "FF FF 01 00 0B 00",
        "'CBoolDomain", // new class #1, schema 1, 11 characters; object #2
        "09",
        "'TrueFalse",  // id
        "00 00 00 00", // type 0 Boolean
        "00",
        "00",
        "00", // list, minimum and maximum constant ids: empty
        "00 00 00 00",
        "01 00 00 00", // bounds 0 and 1
        "FF FF 01 00 0D 00",
        "'CDoubleDomain", // new class #3; object #4
        "0A",
        "'RealDomain",
        "03 00 00 00",
        "00",
        "00",
        "00",
        "00 00 00 00 00 00 00 00", // 0.0
        "00 00 00 E0 FF FF EF 47", // 3.4028234663852886e+38, the largest float
        "00 00",                   // no variables
        "00 00",                   // no constraints
        "00 00",                   // no constants
        "00 00",                   // no optimisation target
    });
}

// One domain of each kind that is written into the problem text, with a known class referred
// to both by the short tag and by the long one (0x7FFF, then 0x80000000 plus the index).
inline std::string Domains() {
    return Bytes({
        "05 00",
        "FF FF 01 00 0B 00",
        "'CEnumDomain", // class #1, object #2
        "06",
        "'Colour",
        "01 00 00 00",
        "00",
        "00",
        "00",
        "02 00",
        "03",
        "'red",
        "05",
        "'green", // two value names
        "FF FF 01 00 0A 00",
        "'CIntDomain", // class #3, object #4
        "04",
        "'Rows",
        "02 00 00 00",
        "00",
        "00",
        "01",
        "'N",
        "00 00 00 00",
        "00 00 00 00", // bounds 0, 0
        "00 00 00 00",
        "FF FF FF FF", // offsets 0, -1
        "00 00",       // no values
        "03 80",       // class #3 again; object #5
        "03",
        "'Odd",
        "02 00 00 00",
        "00",
        "00",
        "00",
        "01 00 00 00",
        "09 00 00 00",
        "00 00 00 00",
        "00 00 00 00",
        "03 00",
        "01 00 00 00",
        "05 00 00 00",
        "09 00 00 00",
        "FF FF 01 00 0A 00",
        "'CSetDomain", // class #6, object #7
        "01",
        "'S",
        "04 00 00 00",
        "00",
        "00",
        "00",
        "02 00",
        "0A 00 00 00",
        "FE FF FF FF", // values 10, -2
        "FF 7F",
        "03 00 00 80", // class #3 by the long tag; object #8
        "06",
        "'Digits",
        "02 00 00 00",
        "06",
        "'Primes",
        "00",
        "00",
        "00 00 00 00",
        "00 00 00 00",
        "00 00 00 00",
        "00 00 00 00",
        "00 00",
        "00 00",
        "00 00",
        "00 00",
        "00 00",
    });
}

// The four constant kinds, behind three empty arrays.
inline std::string Constants() {
    return Bytes({
        "00 00",       "00 00",       "00 00",       "04 00", "FF FF 00 00 09 00",
        "'CConstant",                                                        // class #1, schema 0
        "01",          "'N",          "02",          "'12",   "00 00 00 00", // integer 12
        "01 80",       "01",          "'S",          "03",    "'1,2",
        "01 00 00 00", "01 80",       "01",          "'L",    "03",
        "'3,4",        "02 00 00 00", "01 80",       "01",    "'C",
        "09",          "'red,green",  "03 00 00 00", "00 00",
    });
}

// A two-dimensional integer array, a Boolean variable and an array sized by a constant.
inline std::string Variables() {
    return Bytes({
        "00 00",       "03 00",       "FF FF 02 00 09 00",
        "'CVariable", // class #1, schema 2
        "01",          "'a",          "00 00 00 00",
        "02 00 00 00", "01",          "'D",
        "01 00 00 00", "00",          "02 00",
        "03 00 00 00", "04 00 00 00", // dimensions 3, 4
        "01 80",       "01",          "'b",
        "00 00 00 00", "00 00 00 00", "09",
        "'TrueFalse",  "00 00 00 00", "00",
        "00 00",       "01 80",       "01",
        "'q",          "00 00 00 00", "02 00 00 00",
        "01",          "'D",          "01 00 00 00",
        "01",          "'N",          "01 00",
        "08 00 00 00", "00 00",       "00 00",
        "00 00",
    });
}

// Two constraints (the second with a 300-character text, whose length takes three bytes) and
// an optimisation target.
inline std::string ConstraintsAndTarget() {
    return Bytes({
               "00 00",
               "00 00",
               "02 00",
               "FF FF 00 00 0B 00",
               "'CConstraint", // class #1, schema 0
               "02",
               "'c1",
               "10",
               "'AllDifferent(q);",
               "01 00",
               "01",
               "'q",
               "01 80",
               "02",
               "'c2",
               "FF 2C 01",
           }) +
           std::string(300, 'x') +
           Bytes({
               "00 00", // no referenced ids
               "00 00", // no constants
               "01 00",
               "0C",
               "'Minimise(x);",
           });
}

// Every fixture above with its name.
inline std::vector<std::pair<std::string, std::string>> All() {
    return {{"new document", NewDocument()},
            {"domains", Domains()},
            {"constants", Constants()},
            {"variables", Variables()},
            {"constraints and target", ConstraintsAndTarget()}};
}

} // namespace TavFixture
