#pragma once
// An edit box that decides about each typed character before it is inserted: the base of the
// workbench's input boxes. Keys without text (arrows, Home, Delete) keep their usual effect. A
// box may say, in a tip beside it, why it left a typed character out.

#include <QLineEdit>

#include <optional>
#include <string>

namespace TavWorkbench::Ui {

class FilteredEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // The box's text as UTF-8 and where a typed character would go (the selection's start).
    std::string TextUtf8() const { return text().toStdString(); }
    int InsertPosition() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }
    // The last tip the box showed about a character it left out; empty when none.
    const QString& RefusalNote() const { return m_refusalNote; }

protected:
    // The character to insert for a typed `ch` (itself, or a replacement); nothing refuses it.
    virtual std::optional<char32_t> Filter(char32_t ch) const = 0;
    // What the box tells the user when it leaves `ch` out; empty: it says nothing.
    virtual std::string RefusalText(char32_t ch) const {
        (void)ch;
        return {};
    }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Refused(char32_t ch);

    QString m_refusalNote;
};

} // namespace TavWorkbench::Ui
