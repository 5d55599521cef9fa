#include "localsearch/GLSOptions.hpp"

#include "localsearch/features/Feature.hpp"

namespace GLSLib {

void GLSOptions::SetLambda(int lambda) {
    Feature::SetLambda(lambda);
}

} // namespace GLSLib
