#pragma once
// Real-number boxes: digits, one "." and a leading "-".

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

namespace TavWorkbench::Ui {

class CFloaterEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

protected:
    std::optional<char32_t> Filter(char32_t ch) const override {
        return FloaterEditAccepts(ch, TextUtf8(), InsertPosition()) ? std::optional(ch) : std::nullopt;
    }
};

} // namespace TavWorkbench::Ui
