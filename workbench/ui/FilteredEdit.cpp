#include "workbench/ui/FilteredEdit.hpp"

#include <QKeyEvent>
#include <QToolTip>

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
        if (!kept) {
            Refused(static_cast<char32_t>(codes.front()));
            return;
        }
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
        } else if (!kept) {
            Refused(static_cast<char32_t>(code));
        }
    }
    if (!accepted.isEmpty()) insert(accepted);
}

void FilteredEdit::Refused(char32_t ch) {
    const std::string text = RefusalText(ch);
    if (text.empty()) return;
    m_refusalNote = QString::fromStdString(text);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), m_refusalNote, this);
}

} // namespace TavWorkbench::Ui
