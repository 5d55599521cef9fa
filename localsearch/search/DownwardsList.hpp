#pragma once
// The candidate moves that lower the mover's score.

#include "localsearch/search/MoveList.hpp"

namespace GLSLib {

class DownwardsList : public MoveList {};

} // namespace GLSLib
