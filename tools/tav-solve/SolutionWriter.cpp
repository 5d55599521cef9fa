#include "tools/tav-solve/SolutionWriter.hpp"

#include <cstdio>

using namespace TavLanguage;

namespace TavSolve {

std::string FormatValue(const RawExpr& value) {
    switch (value.GetType()) {
    case RawType::IntVal:
    case RawType::BoolVal:
        return std::to_string(value.GetInt());
    case RawType::FltVal: {
        char text[64];
        std::snprintf(text, sizeof text, "%.10g", value.GetFlt());
        return text;
    }
    case RawType::StrVal:
        return value.GetStr();
    case RawType::SetVal:
    case RawType::Array: {
        std::string text = "{";
        for (int i = 0; i < value.GetSize(); ++i) {
            if (i > 0) text += ",";
            text += FormatValue(*value.GetElement(i));
        }
        return text + "}";
    }
    default:
        return value.ToString();
    }
}

std::string FormatSolution(const RawSolution& solution, int k) {
    std::string line = "solution " + std::to_string(k) + ":";
    for (const RawLabel& label : solution.GetLabels()) {
        line += " " + label.GetName() + "=";
        if (label.GetValue()) line += FormatValue(*label.GetValue());
    }
    if (solution.GetCost().GetValue()) line += " cost=" + FormatValue(*solution.GetCost().GetValue());
    if (solution.GetSoftCost().GetValue()) line += " soft=" + FormatValue(*solution.GetSoftCost().GetValue());
    return line;
}

} // namespace TavSolve
