#include "localsearch/ClassWideValues.hpp"

namespace GLSLib {

ModelValues& ClassWide() {
    return CurrentState().values;
}

void ResetAllClassWideValues() {
    DefaultState().values = ModelValues();
}

} // namespace GLSLib
