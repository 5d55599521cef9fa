#pragma once
// A small word-wrapped help note on light yellow, shown beside a control without taking the
// focus. Its user creates one each time it is shown; it deletes itself when closed.

#include <QFont>
#include <QString>
#include <QWidget>

namespace TavWorkbench::Ui {

class CHelpWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 200;
    static constexpr int kMinHeight = 30;

    explicit CHelpWnd(QWidget* owner);

    void SetHelpText(const QString& text) { m_text = text; }
    const QString& HelpText() const { return m_text; }
    // Shows the note with its top-left corner at (x, y) (screen coordinates), kWidth wide (wider
    // only for a word that does not fit) and as high as the wrapped text; false when it cannot
    // be shown.
    bool ShowAt(int x, int y);
    // The rectangle the note takes at (x, y) for `text` in `font`.
    static QRect LayoutFor(const QString& text, const QFont& font, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QFont m_font;
};

// The help and tip windows' font: a sans-serif of 14 pixels.
QFont HelpFont();

} // namespace TavWorkbench::Ui
