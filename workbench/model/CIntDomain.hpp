#pragma once
// An integer domain, defined in one of three ways, tried in this order: by a list or set
// constant (its id), by an explicit value list, or by its bounds, each bound a number or an
// integer constant plus an offset.

#include "workbench/model/CDomain.hpp"

namespace TavWorkbench {

class CIntDomain : public CDomain {
public:
    static constexpr ArchiveClass kArchiveClass{"CIntDomain", 1};

    explicit CIntDomain(std::string id = {});

    const ArchiveClass& GetArchiveClass() const override { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const override;
    void Load(TavArchiveReader& in) override;
    std::unique_ptr<CDomain> Clone() const override { return std::make_unique<CIntDomain>(*this); }

    // "{1,5,9};" for a value list, else "[lo,hi];" from the numeric bounds.
    std::string GetValueText() const override;
    // Each value in decimal.
    void GetValueStrings(std::vector<std::string>& out) const override;
    // The list constant's id alone; or "{1,5,9};"; or "[lo,hi];" where a bound from a constant
    // reads as its id with its offset ("N-1", "N+2"; nothing for offset 0).
    std::string GetModelText() const override;

    // Empties the value list, then sets bounds, id, the three constant ids and the two offsets,
    // and copies the values.
    void Set(const std::string& id, const std::string& listConstID, const std::string& minConstID,
             const std::string& maxConstID, int lower, int upper, const std::vector<int>& values,
             int minOffset, int maxOffset);
    void SetRange(int lower, int upper);
    int GetMin() const { return m_lower; }
    int GetMax() const { return m_upper; }
    int GetMinOffset() const { return m_minOffset; }
    int GetMaxOffset() const { return m_maxOffset; }
    const std::vector<int>& GetValues() const { return m_values; }

private:
    int m_lower = 0;
    int m_upper = 0;
    int m_minOffset = 0;
    int m_maxOffset = 0;
    std::vector<int> m_values;
};

} // namespace TavWorkbench
