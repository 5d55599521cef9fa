#pragma once
// Helpers of the language tests: parse a text and look into the raw problem it produced.

#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"

#include <memory>
#include <string>

struct ParseResult {
    TavLanguage::ParserErr err;
    std::unique_ptr<TavLanguage::RawCSP> problem = std::make_unique<TavLanguage::RawCSP>();
    TavLanguage::ParserInfo info;
    bool Ok() const { return err.IsOk(); }
    std::string Message() const { return err.Message(); }
    // The printed hard constraints, one per line.
    std::string Constraints() const {
        std::string text;
        for (const auto& c : problem->GetConstraints())
            text += c->ToString() + "\n";
        return text;
    }
};

inline ParseResult ParseText(const std::string& text) {
    ParseResult r;
    r.err = TavLanguage::ParseCSPText(text, &r.info, r.problem.get());
    return r;
}

// A problem frame around variable declarations and constraint statements.
inline std::string Problem(const std::string& variables, const std::string& constraints,
                           const std::string& before = "", const std::string& after = "") {
    return "problem:t {\n" + before + "variables {\n" + variables + "}\nconstraints {\n" + constraints +
           "}\n" + after + "}\n";
}
