#include "extcore/DescriptionTokens.hpp"

#include "extcore/DescriptionError.hpp"

namespace Melvane {

std::exception_ptr DescriptionTokens::ErrorFor(const Fault& fault) const {
    if (fault.tokenNumber == 0)
        return std::make_exception_ptr(
            DescriptionError("Problem description ends early (after token " + std::to_string(Size()) +
                                 ", line " + std::to_string(fault.line) + "): " + fault.what + " expected",
                             0, fault.line));
    std::string message = fault.what;
    switch (fault.kind) {
    case Fault::Kind::NotANumber:
        message += " must be an integer";
        break;
    case Fault::Kind::Negative:
        message += " must not be negative";
        break;
    case Fault::Kind::TooMany:
        message += " is larger than the rest of the text can hold";
        break;
    case Fault::Kind::EndOfText:
    case Fault::Kind::Refused:
        break;
    }
    return std::make_exception_ptr(
        DescriptionError("Problem description, token " + std::to_string(fault.tokenNumber) + " (line " +
                             std::to_string(fault.line) + ") \"" + fault.shown + "\": " + message,
                         static_cast<int>(fault.tokenNumber), fault.line));
}

} // namespace Melvane
