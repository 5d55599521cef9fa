#pragma once
// Integer boxes: digits, editing keys and one "-".

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

namespace TavWorkbench::Ui {

class CMyEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

protected:
    std::optional<char32_t> Filter(char32_t ch) const override {
        return MyEditAccepts(ch, TextUtf8()) ? std::optional(ch) : std::nullopt;
    }
};

} // namespace TavWorkbench::Ui
