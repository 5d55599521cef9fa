#pragma once
// List and set boxes: the kind's brackets ("{" "}" for sets, "[" "]" for lists), ",", letters,
// digits and editing keys.

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

#include <tuple>

namespace TavWorkbench::Ui {

class CListSetEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

    // 1 gives "[" and "]", any other kind "{" and "}".
    void SetBrackets(int kind) { std::tie(m_open, m_close) = BracketsOf(kind); }

protected:
    std::optional<char32_t> Filter(char32_t ch) const override {
        return ListSetEditAccepts(ch, m_open, m_close) ? std::optional(ch) : std::nullopt;
    }

private:
    char m_open = '{';
    char m_close = '}';
};

} // namespace TavWorkbench::Ui
