#include "workbench/TavDocumentFile.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/CBoolDomain.hpp"
#include "workbench/model/CDoubleDomain.hpp"
#include "workbench/model/CEnumDomain.hpp"
#include "workbench/model/CIntDomain.hpp"
#include "workbench/model/CSetDomain.hpp"

#include <array>
#include <functional>

namespace TavWorkbench {

namespace {

// The domain classes a file may hold, and how each is made before its record is read.
const std::array<ArchiveClass, 6> kDomainClasses = {CDomain::kArchiveClass,       CBoolDomain::kArchiveClass,
                                                    CEnumDomain::kArchiveClass,   CIntDomain::kArchiveClass,
                                                    CDoubleDomain::kArchiveClass, CSetDomain::kArchiveClass};

std::unique_ptr<CDomain> MakeDomain(std::size_t position) {
    switch (position) {
    case 1:
        return std::make_unique<CBoolDomain>();
    case 2:
        return std::make_unique<CEnumDomain>();
    case 3:
        return std::make_unique<CIntDomain>();
    case 4:
        return std::make_unique<CDoubleDomain>();
    case 5:
        return std::make_unique<CSetDomain>();
    default:
        return std::make_unique<CDomain>();
    }
}

// Every archived object takes at least its 2-byte tag.
constexpr std::size_t kMinObjectBytes = 2;

template <class T, class Array>
void ReadSingleClassArray(TavArchiveReader& in, Array& array, const char* what) {
    const std::array<ArchiveClass, 1> allowed = {T::kArchiveClass};
    const std::size_t count = in.Count(what, kMinObjectBytes);
    for (std::size_t i = 0; i < count; ++i) {
        in.ObjectClass(allowed, what);
        auto element = std::make_unique<T>();
        element->Load(in);
        array.Add(std::move(element));
    }
}

template <class Array> void WriteArray(TavArchiveWriter& out, const Array& array) {
    out.Count(static_cast<std::size_t>(array.GetSize()));
    for (const auto& element : array) {
        out.ObjectClass(element->GetArchiveClass());
        element->Store(out);
    }
}

} // namespace

std::string WriteTavDocument(const TavModel& model) {
    TavArchiveWriter out;
    WriteArray(out, model.domains);
    WriteArray(out, model.variables);
    WriteArray(out, model.constraints);
    WriteArray(out, model.constants);
    out.StringArray(model.optimisation);
    return out.TakeBytes();
}

void ReadTavDocument(std::string_view bytes, const std::string& fileName, TavModel& model) {
    TavArchiveReader in(bytes, fileName);
    const std::size_t domains = in.Count("the domains", kMinObjectBytes);
    for (std::size_t i = 0; i < domains; ++i) {
        const std::size_t position = in.ObjectClass(kDomainClasses, "a domain");
        auto domain = MakeDomain(position);
        domain->Load(in);
        model.domains.Add(std::move(domain));
    }
    ReadSingleClassArray<CVariable>(in, model.variables, "a variable");
    ReadSingleClassArray<CConstraint>(in, model.constraints, "a constraint");
    ReadSingleClassArray<CConstant>(in, model.constants, "a constant");
    model.optimisation = in.StringArray("the optimisation target");
    if (!in.AtEnd()) in.Fail(std::to_string(in.Remaining()) + " bytes follow the end of the document");
}

} // namespace TavWorkbench
