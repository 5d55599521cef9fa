#include "localsearch/expr/IntVal.hpp"

#include "platform/FatalError.hpp"

namespace GLSLib {

ExprObj* IntVal::GetArg(int) const {
    throw Platform::InternalError("GetArg of a constant: it has no arguments");
}

} // namespace GLSLib
