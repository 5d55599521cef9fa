#pragma once
// A float domain: a real interval, predefined (never written into the problem text).

#include "workbench/model/CDomain.hpp"

namespace TavWorkbench {

class CDoubleDomain : public CDomain {
public:
    static constexpr ArchiveClass kArchiveClass{"CDoubleDomain", 1};

    explicit CDoubleDomain(std::string id = {});

    const ArchiveClass& GetArchiveClass() const override { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const override;
    void Load(TavArchiveReader& in) override;
    std::unique_ptr<CDomain> Clone() const override { return std::make_unique<CDoubleDomain>(*this); }

    // Replaces id and bounds.
    void Set(const std::string& id, double lower, double upper);
    double GetMin() const { return m_lower; }
    double GetMax() const { return m_upper; }

private:
    double m_lower = 0.0;
    double m_upper = 0.0;
};

} // namespace TavWorkbench
