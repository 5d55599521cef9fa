#pragma once
// A named value set of the problem model. The base holds what every kind has (id, type code,
// predefined flag, and the constant ids that an integer domain may take its values or bounds
// from); the five kinds add their values: CBoolDomain, CEnumDomain, CIntDomain, CDoubleDomain,
// CSetDomain. Each writes its ".tav" record and the texts the views and the modelling language
// need. Identifiers are compared without regard to the case of ASCII letters.

#include "workbench/archive/ArchiveClass.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace TavWorkbench {

class TavArchiveReader;
class TavArchiveWriter;

class CDomain {
public:
    // The kinds, with the codes records store. A record may hold a code no kind has: such a
    // domain keeps its code and has no type name or keyword.
    enum class Type : std::int32_t { Boolean = 0, Enumerated = 1, Integer = 2, Float = 3, Set = 4 };

    static constexpr ArchiveClass kArchiveClass{"CDomain", 1};

    // A plain domain (as an archive may hold one): type code and predefined flag as given.
    explicit CDomain(std::string id = {}, Type type = Type::Integer, bool predefined = false);
    virtual ~CDomain() = default;
    CDomain(const CDomain&) = default;
    CDomain& operator=(const CDomain&) = default;

    // The record's class.
    virtual const ArchiveClass& GetArchiveClass() const { return kArchiveClass; }
    // Writes the record (the class tag is the caller's).
    virtual void Store(TavArchiveWriter& out) const;
    // Reads the record; throws TavFileError.
    virtual void Load(TavArchiveReader& in);
    // A copy of the whole domain.
    virtual std::unique_ptr<CDomain> Clone() const { return std::make_unique<CDomain>(*this); }

    // The values in one line, for the views.
    virtual std::string GetValueText() const { return {}; }
    // Appends one text per value (the list is not emptied first).
    virtual void GetValueStrings(std::vector<std::string>& out) const { (void)out; }
    // The right-hand side of an integer domain's definition in the modelling language.
    virtual std::string GetModelText() const { return {}; }

    const std::string& GetID() const { return m_id; }
    Type GetType() const { return m_type; }
    bool IsPredefined() const { return m_predefined; }
    const std::string& GetListConstID() const { return m_listConstID; }
    const std::string& GetMinConstID() const { return m_minConstID; }
    const std::string& GetMaxConstID() const { return m_maxConstID; }

    // "Boolean", "Enumerated", "Integer", "Float", "Set"; empty for any other code.
    static std::string GetTypeName(Type type);
    // "BoolDom", "EnumDom", "IntDom", "FltDom", "SetDom"; empty for any other code.
    static std::string GetTypeKeyword(Type type);
    std::string GetTypeName() const { return GetTypeName(m_type); }
    std::string GetTypeKeyword() const { return GetTypeKeyword(m_type); }

protected:
    // Refuses a loaded record whose type code is not that of `type`, the kind of its class.
    void ExpectType(TavArchiveReader& in, Type type) const;

    std::string m_id;
    Type m_type;
    bool m_predefined;
    std::string m_listConstID;
    std::string m_minConstID;
    std::string m_maxConstID;
};

} // namespace TavWorkbench
