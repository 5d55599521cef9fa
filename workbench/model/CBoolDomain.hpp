#pragma once
// The Boolean domain: values 0 and 1, predefined (never written into the problem text).

#include "workbench/model/CDomain.hpp"

namespace TavWorkbench {

class CBoolDomain : public CDomain {
public:
    static constexpr ArchiveClass kArchiveClass{"CBoolDomain", 1};

    explicit CBoolDomain(std::string id = {});

    const ArchiveClass& GetArchiveClass() const override { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const override;
    void Load(TavArchiveReader& in) override;
    std::unique_ptr<CDomain> Clone() const override { return std::make_unique<CBoolDomain>(*this); }

    // "[0,1]".
    std::string GetValueText() const override { return "[0,1]"; }

    int GetMin() const { return m_lower; }
    int GetMax() const { return m_upper; }

private:
    int m_lower = 0;
    int m_upper = 1;
};

} // namespace TavWorkbench
