#pragma once
// An edit box holding a constant's id: while the mouse rests on it, a tip shows the constant's
// current value ("Current Value = ..."). An id that names no constant shows nothing.

#include <QLineEdit>
#include <QPointer>

namespace TavWorkbench {
class CConstArray;
}

namespace TavWorkbench::Ui {

class CPopupTip;

class CPopupEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CPopupEdit(QWidget* parent = nullptr);
    ~CPopupEdit() override;

    // The constants to look ids up in (not owned; null: none).
    void SetConstants(const CConstArray* constants) { m_constants = constants; }
    // The tip shown now, null when none.
    CPopupTip* Tip() const { return m_tip.data(); }
    void HideTip();

signals:
    // The tip was double-clicked.
    void TipDoubleClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const CConstArray* m_constants = nullptr;
    QPointer<CPopupTip> m_tip;
};

// "Current Value = " and the value text.
QString CurrentValueText(const std::string& value);

} // namespace TavWorkbench::Ui
