#pragma once
// A named constraint of the problem: one line (or block) of the modelling language, and the
// identifiers the constraint builder recorded for it, by which the tree view finds the
// constraints that use a variable, domain or constant.

#include "workbench/archive/ArchiveClass.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

class TavArchiveReader;
class TavArchiveWriter;

class CConstraint {
public:
    static constexpr ArchiveClass kArchiveClass{"CConstraint", 0};

    CConstraint() = default;
    CConstraint(std::string id, std::string text) : m_id(std::move(id)), m_text(std::move(text)) {}

    // Replaces id and text and empties the referenced ids.
    void Set(const std::string& id, const std::string& text);
    // Replaces the referenced ids.
    void SetReferencedIDs(const std::vector<std::string>& ids);

    const ArchiveClass& GetArchiveClass() const { return kArchiveClass; }
    void Store(TavArchiveWriter& out) const;
    // Reads the record; throws TavFileError.
    void Load(TavArchiveReader& in);

    const std::string& GetID() const { return m_id; }
    const std::string& GetText() const { return m_text; }
    const std::vector<std::string>& GetReferencedIDs() const { return m_referenced; }
    // True when a referenced id, lower-cased, equals `loweredID` (which the caller lower-cased).
    bool IsIDReferenced(const std::string& loweredID) const;

private:
    std::string m_id;
    std::string m_text;
    std::vector<std::string> m_referenced;
};

} // namespace TavWorkbench
