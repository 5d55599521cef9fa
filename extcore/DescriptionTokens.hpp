#pragma once
// The problem description text as checked tokens (Platform::TextTokens): a word where one is
// needed, a whole decimal 32-bit integer, a count no larger than what is left could hold.
// Faults throw DescriptionError naming the token's position.

#include "platform/TextTokens.hpp"

#include <string>

namespace Melvane {

class DescriptionTokens : public Platform::TextTokens {
public:
    // Splits text (kept by the object) into tokens; throws Platform::Cancelled once `stop` (may
    // be null) is set.
    explicit DescriptionTokens(std::string text, const std::atomic<bool>* stop = nullptr)
        : TextTokens(std::move(text), stop) {}

protected:
    std::exception_ptr ErrorFor(const Fault& fault) const override;
};

} // namespace Melvane
