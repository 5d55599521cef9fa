#pragma once
// A list of constants: while the mouse rests on an item, a tip over it shows the constant's
// current value, highlighted when the item is selected. Each item's Qt::UserRole data is the
// index of its constant in the constants array; the owning dialog fills the list.

#include <QListWidget>
#include <QPointer>

namespace TavWorkbench {
class CConstArray;
}

namespace TavWorkbench::Ui {

class CPopupTip;

class CContentsList : public QListWidget {
    Q_OBJECT
public:
    explicit CContentsList(QWidget* parent = nullptr);
    ~CContentsList() override;

    void SetConstants(const CConstArray* constants) { m_constants = constants; }
    // Appends an item showing `text` for constant `index`.
    void AddConstantItem(const QString& text, int index);
    CPopupTip* Tip() const { return m_tip.data(); }
    // The row whose tip is shown, -1 when none.
    int TipRow() const { return m_tipRow; }
    void HideTip();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const CConstArray* m_constants = nullptr;
    QPointer<CPopupTip> m_tip;
    int m_tipRow = -1;
};

} // namespace TavWorkbench::Ui
