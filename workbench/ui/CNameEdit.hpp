#pragma once
// Identifier boxes: letters, digits, "_" and editing keys; a character left out is named in a tip.

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

namespace TavWorkbench::Ui {

class CNameEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

protected:
    std::optional<char32_t> Filter(char32_t ch) const override {
        return NameEditAccepts(ch) ? std::optional(ch) : std::nullopt;
    }
    std::string RefusalText(char32_t ch) const override { return NameRefusalNote(ch); }
};

} // namespace TavWorkbench::Ui
