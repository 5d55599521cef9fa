#pragma once
// Named data of the problem: an integer, a set of integers, a list of integers or a list of
// strings, kept as the text the user typed (the elements without brackets). An integer
// constant also keeps its number, which range checks read.

#include "workbench/archive/ArchiveClass.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace TavWorkbench {

class TavArchiveReader;
class TavArchiveWriter;

class CConstant {
public:
    // The kinds, with the codes records store. A record may hold a code no kind has: such a
    // constant keeps its code, has no type name and is defined by its bare value text.
    enum class Type : std::int32_t { Integer = 0, Set = 1, List = 2, StringList = 3 };

    static constexpr ArchiveClass kArchiveClass{"CConstant", 0};

    CConstant() = default;
    // An integer constant, the value in decimal.
    CConstant(std::string id, int value);
    // A constant of any type; an integer constant takes the number its text starts with.
    CConstant(std::string id, std::string value, Type type);

    // Replaces the three fields (and the number, as the constructor sets it).
    void Set(const std::string& id, const std::string& value, Type type);

    const ArchiveClass& GetArchiveClass() const { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const;
    // Reads the record; throws TavFileError.
    void Load(TavArchiveReader& in);

    const std::string& GetID() const { return m_id; }
    const std::string& GetValue() const { return m_value; }
    int GetIntValue() const { return m_intValue; }
    Type GetType() const { return m_type; }

    // "Integer", "Set", "List", "String"; empty for any other code.
    static std::string GetTypeName(Type type);

    // The definition line: "N := 5;", "S := {1,2};", "L := [1,2];", "C := ["red","green"];".
    std::string GetModelText() const;
    // The elements of a string-list value, each in double quotes, separated by ","; empty
    // elements (two commas in a row, a leading or trailing comma) write nothing.
    static std::string QuotedElements(const std::string& value);
    // The entries of a string-list value: cut at each ",", empty pieces dropped; an entry in
    // double quotes is one entry even when it holds commas (the quotes are not part of it).
    static std::vector<std::string> SplitStringList(const std::string& value);
    // The value text of string-list entries: joined by ","; an entry holding a comma is put in
    // double quotes, so that it reads back as one entry.
    static std::string JoinStringList(const std::vector<std::string>& entries);

private:
    std::string m_id;
    std::string m_value;
    int m_intValue = 0;
    Type m_type = Type::Integer;
};

} // namespace TavWorkbench
