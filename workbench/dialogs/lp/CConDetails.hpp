#pragma once
// One constraint of the linear-programming wizard: a coefficient per variable (as typed), an
// operator (">=", "<=", "=") and a right-hand side (as typed).

#include <string>
#include <vector>

namespace TavDialogs {

struct CConDetails {
    std::vector<std::string> coefficients;
    std::string op;
    std::string rhs;
};

} // namespace TavDialogs
