#pragma once
// Dimension lists such as 3,4: digits as typed, editing keys with their usual effect, every other character
// becomes ",".

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

namespace TavWorkbench::Ui {

class CCommaIntEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

protected:
    std::optional<char32_t> Filter(char32_t ch) const override { return CommaIntEditCharacter(ch); }
};

} // namespace TavWorkbench::Ui
