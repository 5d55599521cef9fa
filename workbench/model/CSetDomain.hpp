#pragma once
// A set domain: the integers a set variable's elements are drawn from.

#include "workbench/model/CDomain.hpp"

namespace TavWorkbench {

class CSetDomain : public CDomain {
public:
    static constexpr ArchiveClass kArchiveClass{"CSetDomain", 1};

    explicit CSetDomain(std::string id = {});

    const ArchiveClass& GetArchiveClass() const override { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const override;
    void Load(TavArchiveReader& in) override;
    std::unique_ptr<CDomain> Clone() const override { return std::make_unique<CSetDomain>(*this); }

    // Each value in decimal.
    void GetValueStrings(std::vector<std::string>& out) const override;

    // Replaces id and values.
    void Set(const std::string& id, const std::vector<int>& values);
    // Empties the values and appends low, low+step, ... while at most high. Throws
    // Platform::InternalError for a step below 1.
    void SetRange(int low, int high, int step);
    const std::vector<int>& GetValues() const { return m_values; }

private:
    std::vector<int> m_values;
};

} // namespace TavWorkbench
