#pragma once
// Identifier boxes that may also take "," (lists of identifiers) once allowed.

#include "workbench/ui/FilteredEdit.hpp"
#include "workbench/views/KeyFilters.hpp"

namespace TavWorkbench::Ui {

class CSpecialEdit : public FilteredEdit {
    Q_OBJECT
public:
    using FilteredEdit::FilteredEdit;

    void SetAllowComma(bool allow) { m_allowComma = allow; }

protected:
    std::optional<char32_t> Filter(char32_t ch) const override {
        return SpecialEditAccepts(ch, m_allowComma) ? std::optional(ch) : std::nullopt;
    }
    std::string RefusalText(char32_t ch) const override { return NameRefusalNote(ch, m_allowComma); }

private:
    bool m_allowComma = false;
};

} // namespace TavWorkbench::Ui
