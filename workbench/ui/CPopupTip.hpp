#pragma once
// The one-line tip that an input box shows while the mouse rests on a constant's id: light
// yellow (or the highlight colour), a plain or rounded rectangle, never taking the focus. A
// press on it goes to its owner; a double-click asks the owner's parent to act as on a
// double-click of the owner. Deletes itself when closed.

#include <QFont>
#include <QString>
#include <QWidget>

namespace TavWorkbench::Ui {

class CPopupTip : public QWidget {
    Q_OBJECT
public:
    enum Shape { Rectangle = 0, RoundedRectangle = 1 };
    // A tip ends this far from the screen's right edge.
    static constexpr int kScreenMargin = 6;

    explicit CPopupTip(QWidget* owner);

    void SetText(const QString& text) { m_text = text; }
    const QString& Text() const { return m_text; }
    void SetHighlight(bool highlight);
    bool IsHighlighted() const { return m_highlight; }
    // Shows the tip at (x, y) (screen coordinates), moved left when it would pass the screen's
    // right edge; any shape but 0 and 1 counts as 0. False when it cannot be shown.
    bool ShowAt(int x, int y, int shape);
    Shape GetShape() const { return m_shape; }
    // Where a tip of `width` starting at x lands on a screen `screenWidth` wide.
    static int PlaceX(int x, int width, int screenWidth);

signals:
    // A double-click on the tip: its owner should act as on its own double-click.
    void OwnerDoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QWidget* m_owner;
    QString m_text;
    QFont m_font;
    Shape m_shape = Rectangle;
    bool m_highlight = false;
};

} // namespace TavWorkbench::Ui
