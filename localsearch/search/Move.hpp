#pragma once
// A candidate move of local search: give the variable the value at this index of its domain.

namespace GLSLib {

class IntVar;

struct Move {
    IntVar* var = nullptr;
    int value = 0;
};

} // namespace GLSLib
