#include "localsearch/expr/ArgumentCache.hpp"

#include "localsearch/IntObj.hpp"

namespace GLSLib {

void ArgumentCache::Load(const std::vector<IntObj*>& args) {
    m_values.assign(args.size(), 0);
    m_undefined.assign(args.size(), 0);
    m_undefinedCount = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const IntResult v = args[i]->Value();
        if (v) {
            m_values[i] = *v;
        } else {
            m_undefined[i] = 1;
            ++m_undefinedCount;
        }
    }
}

} // namespace GLSLib
