#pragma once
// An enumerated domain: a list of value names.

#include "workbench/model/CDomain.hpp"

namespace TavWorkbench {

class CEnumDomain : public CDomain {
public:
    static constexpr ArchiveClass kArchiveClass{"CEnumDomain", 1};

    explicit CEnumDomain(std::string id = {});

    const ArchiveClass& GetArchiveClass() const override { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const override;
    void Load(TavArchiveReader& in) override;
    std::unique_ptr<CDomain> Clone() const override { return std::make_unique<CEnumDomain>(*this); }

    // Appends each value name.
    void GetValueStrings(std::vector<std::string>& out) const override;

    // Replaces id and value names.
    void Set(const std::string& id, const std::vector<std::string>& names);
    const std::vector<std::string>& GetValues() const { return m_values; }

private:
    std::vector<std::string> m_values;
};

} // namespace TavWorkbench
