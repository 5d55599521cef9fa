#include "workbench/model/CIntDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

namespace {

std::string ValueList(const std::vector<int>& values) {
    std::string text = "{";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += ",";
        text += IntText(values[i]);
    }
    return text + "};";
}

// A constant bound with its offset: "N", "N-1", "N+2". The sign of a positive offset is
// written, so the text stays an expression ("N5" would be another identifier).
std::string ConstantBound(const std::string& id, int offset) {
    if (offset == 0) return id;
    return id + (offset > 0 ? "+" : "") + IntText(offset);
}

} // namespace

CIntDomain::CIntDomain(std::string id) : CDomain(std::move(id), Type::Integer, false) {}

void CIntDomain::Store(TavArchiveWriter& out) const {
    CDomain::Store(out);
    out.Int32(m_lower);
    out.Int32(m_upper);
    out.Int32(m_minOffset);
    out.Int32(m_maxOffset);
    out.IntArray(m_values);
}

void CIntDomain::Load(TavArchiveReader& in) {
    CDomain::Load(in);
    ExpectType(in, Type::Integer);
    m_lower = in.Int32("an integer domain's lower bound");
    m_upper = in.Int32("an integer domain's upper bound");
    m_minOffset = in.Int32("an integer domain's minimum offset");
    m_maxOffset = in.Int32("an integer domain's maximum offset");
    m_values = in.IntArray("an integer domain's values");
}

std::string CIntDomain::GetValueText() const {
    if (!m_values.empty()) return ValueList(m_values);
    return "[" + IntText(m_lower) + "," + IntText(m_upper) + "];";
}

void CIntDomain::GetValueStrings(std::vector<std::string>& out) const {
    for (int value : m_values)
        out.push_back(IntText(value));
}

std::string CIntDomain::GetModelText() const {
    if (!m_listConstID.empty()) return m_listConstID;
    if (!m_values.empty()) return ValueList(m_values);
    const std::string lower =
        m_minConstID.empty() ? IntText(m_lower) : ConstantBound(m_minConstID, m_minOffset);
    const std::string upper =
        m_maxConstID.empty() ? IntText(m_upper) : ConstantBound(m_maxConstID, m_maxOffset);
    return "[" + lower + "," + upper + "];";
}

void CIntDomain::Set(const std::string& id, const std::string& listConstID, const std::string& minConstID,
                     const std::string& maxConstID, int lower, int upper, const std::vector<int>& values,
                     int minOffset, int maxOffset) {
    std::vector<int> copy = values; // `values` may be this domain's own list
    m_values.clear();
    m_lower = lower;
    m_upper = upper;
    m_id = id;
    m_listConstID = listConstID;
    m_minConstID = minConstID;
    m_maxConstID = maxConstID;
    m_minOffset = minOffset;
    m_maxOffset = maxOffset;
    m_values = std::move(copy);
}

void CIntDomain::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
}

} // namespace TavWorkbench
