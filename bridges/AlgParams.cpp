#include "bridges/AlgParams.hpp"

#include "platform/FatalError.hpp"

#include <initializer_list>

namespace TavBridges {

namespace {

// Defaults of ids 1, 2, 3, ... in order.
AlgParams FromList(std::initializer_list<int> values) {
    AlgParams params;
    int id = 1;
    for (int value : values)
        params.SetParameter(id++, value);
    return params;
}

void CheckId(int id) {
    // The record is a fixed array: an id outside it is a caller's error, not a read past the end.
    if (id < 0 || id >= AlgParams::kCount) throw Platform::ParameterError("Invalid Parameter\n");
}

} // namespace

AlgParams AlgParams::Defaults(Family family) {
    switch (family) {
    case Family::CompleteSearch:
        return FromList({1, 1, 1});
    case Family::GuidedLocalSearch:
        return FromList({1, 0, 1, 1, 1000, 2});
    case Family::GeneticAlgorithm:
        return FromList({100, 80, 30, 25, 100, 3, 1, 1, 2});
    case Family::TabuSearch:
        return FromList({5, 1, 0, 1, 2});
    }
    throw Platform::ParameterError("Invalid Parameter\n");
}

int AlgParams::GetParameter(int id) const {
    CheckId(id);
    return m_values[static_cast<std::size_t>(id)];
}

void AlgParams::SetParameter(int id, int value) {
    CheckId(id);
    m_values[static_cast<std::size_t>(id)] = value;
}

} // namespace TavBridges
