#include "language/raw/RawValueText.hpp"

#include "language/raw/RawExpr.hpp"

#include <cstdio>

namespace TavLanguage {

std::string RawValueText(const RawExpr& value) {
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
            if (const RPtr<RawExpr> element = value.GetElement(i)) text += RawValueText(*element);
        }
        return text + "}";
    }
    default:
        return value.ToString();
    }
}

} // namespace TavLanguage
