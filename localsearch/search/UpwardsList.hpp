#pragma once
// The candidate moves that raise the mover's score.

#include "localsearch/search/MoveList.hpp"

namespace GLSLib {

class UpwardsList : public MoveList {};

} // namespace GLSLib
