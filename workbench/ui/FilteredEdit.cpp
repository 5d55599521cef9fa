#include "workbench/ui/FilteredEdit.hpp"

#include <QKeyEvent>

namespace TavWorkbench::Ui {

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QList<uint> codes = typed.toUcs4();
    if (codes.size() == 1) {
        const std::optional<char32_t> kept = Filter(static_cast<char32_t>(codes.front()));
        if (!kept) return;
        if (*kept == static_cast<char32_t>(codes.front())) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        const char32_t replacement = *kept;
        insert(QString::fromUcs4(&replacement, 1));
        return;
    }
    // Several characters at once (an input method): each goes through the filter.
    QString accepted;
    for (uint code : codes) {
        if (const std::optional<char32_t> kept = Filter(static_cast<char32_t>(code)); kept && *kept >= 32) {
            const char32_t c = *kept;
            accepted += QString::fromUcs4(&c, 1);
        }
    }
    if (!accepted.isEmpty()) insert(accepted);
}

} // namespace TavWorkbench::Ui
