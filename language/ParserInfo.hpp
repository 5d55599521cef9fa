#pragma once
// Side information of a parse: for each constraint statement of the problem, the identifiers it
// uses as written (an indexed reference keeps its index, "row[i]"). List i is named names[i]
// (the printed name of the statement's operator token); there is always one list more than
// names, the one being filled.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace TavLanguage {

class ParserInfo {
public:
    ParserInfo();
    virtual ~ParserInfo() = default;
    ParserInfo(const ParserInfo&) = default;
    ParserInfo& operator=(const ParserInfo&) = default;

    // Closes the list being filled under the token's printed name and opens a new one.
    void AddList(int token);
    // Appends an item to the list being filled.
    void AddItem(std::string text);
    // Makes room for that many more items in the list being filled.
    void ReserveItems(std::size_t count);
    // Back to one empty list and no names.
    void Clear();

    const std::vector<std::string>& GetNames() const { return m_names; }
    const std::vector<std::vector<std::string>>& GetLists() const { return m_lists; }

    // Writes "name: {item,item}" per named list.
    std::ostream& Print(std::ostream& out) const;

private:
    std::vector<std::string> m_names;
    std::vector<std::vector<std::string>> m_lists;
};

std::ostream& operator<<(std::ostream& out, const ParserInfo& info);

} // namespace TavLanguage
