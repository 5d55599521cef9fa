#pragma once
// The candidate moves that keep the mover's score.

#include "localsearch/search/MoveList.hpp"

namespace GLSLib {

class SidewaysList : public MoveList {};

} // namespace GLSLib
