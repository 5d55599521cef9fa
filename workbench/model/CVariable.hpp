#pragma once
// A variable of the problem: a single variable or an array of them, of a type and (for the
// types that need one) over a domain named by id. An array's size is given by numbers (its
// dimensions, outermost first) or by the id of an integer constant (its size text).

#include "workbench/archive/ArchiveClass.hpp"
#include "workbench/model/CDomain.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace TavWorkbench {

class TavArchiveReader;
class TavArchiveWriter;

class CVariable {
public:
    // The kinds, with the codes records store; None for a variable made from an id alone. A
    // record may hold a code no kind has: such a variable keeps its code and has no type name
    // or keyword.
    enum class Type : std::int32_t {
        None = -1,
        BoolVar = 0,
        EnumVar = 1,
        IntVar = 2,
        RealVar = 3,
        SetVar = 4
    };

    static constexpr ArchiveClass kArchiveClass{"CVariable", 2};

    // From an id alone: type None, no domain, single.
    explicit CVariable(std::string id = {});
    CVariable(std::string id, Type type);
    // Copies type, domain id, array flag and size text of `other` (not its dimensions).
    CVariable(std::string id, const CVariable& other);
    CVariable(std::string id, Type type, std::string domainID, int arrayFlag, std::string sizeText,
              std::vector<int> dimensions);

    // Replaces every field; the reserved field becomes 0.
    void Set(const std::string& id, Type type, const std::string& domainID, int arrayFlag,
             const std::string& sizeText, const std::vector<int>& dimensions);

    const ArchiveClass& GetArchiveClass() const { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const;
    // Reads the record; throws TavFileError.
    void Load(TavArchiveReader& in);

    const std::string& GetID() const { return m_id; }
    Type GetType() const { return m_type; }
    const std::string& GetDomainID() const { return m_domainID; }
    // The array flag: 0 for a single variable.
    int GetArrayFlag() const { return m_arrayFlag; }
    bool IsArray() const { return m_arrayFlag != 0; }
    // The id of the constant that gives an array's size; empty when numbers give it.
    const std::string& GetSizeID() const { return m_sizeText; }
    const std::vector<int>& GetDimensions() const { return m_dimensions; }

    // "Boolean", "Enumerated", "Integer", "Float", "Set"; empty for None and any other code.
    static std::string GetTypeName(Type type);
    // "BoolVar", "EnumVar", "IntVar", "RealVar", "SetVar"; empty for None and any other code.
    static std::string GetTypeKeyword(Type type);
    // The type of a variable over a domain of `domainType` (a code no kind has is kept).
    static Type TypeOf(CDomain::Type domainType);
    std::string GetTypeName() const { return GetTypeName(m_type); }

    // The declaration line: "IntVar q[Q]::D;", "IntVar a[3][4]::D;", "BoolVar b;".
    std::string GetModelText() const;
    // The dimensions joined with ",": "3,4".
    std::string GetDimensionText() const;

private:
    std::string m_id;
    int m_reserved = 0;
    Type m_type = Type::None;
    std::string m_domainID;
    int m_arrayFlag = 0;
    std::string m_sizeText;
    std::vector<int> m_dimensions;
};

} // namespace TavWorkbench
