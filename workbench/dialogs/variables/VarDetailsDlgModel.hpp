#pragma once
// The list of every variable: id, domain id, array flag and size.

#include "workbench/model/CVarArray.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

class VarDetailsDlgModel {
public:
    struct Column {
        std::string title;
        int width;
        bool rightAligned;
    };
    struct Row {
        std::string id;
        std::string domainID;
        std::string array;
        std::string size;
    };

    explicit VarDetailsDlgModel(const TavWorkbench::CVarArray& variables) : m_variables(variables) {}

    // "ID", "Domain ID", "Array", "Size" (right-aligned).
    static std::vector<Column> Columns();
    // One row per variable in array order; "Y" or "N" for an array; the dimensions joined by ",".
    std::vector<Row> Rows() const;

private:
    const TavWorkbench::CVarArray& m_variables;
};

} // namespace TavDialogs
