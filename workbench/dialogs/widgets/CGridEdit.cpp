#include "workbench/dialogs/widgets/CGridEdit.hpp"

#include "workbench/dialogs/templates/GridEditFilter.hpp"

#include <QKeyEvent>

namespace TavDialogs {

CGridEdit::CGridEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("cellEditor"));
}

bool CGridEdit::event(QEvent* event) {
    // Tab belongs to the grid, not to the focus chain.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        emit tabPressed();
        return true;
    }
    return QLineEdit::event(event);
}

void CGridEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        emit arrowPressed(event->key() == Qt::Key_Down);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed();
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].unicode() >= 32) {
        const int at = hasSelectedText() ? selectionStart() : cursorPosition();
        QString kept = text();
        if (hasSelectedText()) kept.remove(selectionStart(), selectedText().size());
        const char c = typed[0].unicode() < 128 ? static_cast<char>(typed[0].unicode()) : '\x7f';
        if (!GridEditAccepts(kept.toStdString(), at, c)) return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace TavDialogs
