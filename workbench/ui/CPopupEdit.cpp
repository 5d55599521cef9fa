#include "workbench/ui/CPopupEdit.hpp"

#include "workbench/model/CConstArray.hpp"
#include "workbench/ui/CPopupTip.hpp"

#include <QMouseEvent>

namespace TavWorkbench::Ui {

QString CurrentValueText(const std::string& value) {
    return QStringLiteral("Current Value = %1").arg(QString::fromStdString(value));
}

CPopupEdit::CPopupEdit(QWidget* parent) : QLineEdit(parent) {
    setMouseTracking(true);
}

CPopupEdit::~CPopupEdit() {
    HideTip();
}

void CPopupEdit::HideTip() {
    if (m_tip) m_tip->close();
    m_tip = nullptr;
    if (mouseGrabber() == this) releaseMouse();
}

void CPopupEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!text().isEmpty()) {
        if (!rect().contains(event->position().toPoint())) {
            HideTip();
        } else if (!m_tip && m_constants != nullptr) {
            if (const CConstant* constant = m_constants->FindConstant(text().toStdString());
                constant != nullptr) {
                auto* tip = new CPopupTip(this);
                tip->SetText(CurrentValueText(constant->GetValue()));
                connect(tip, &CPopupTip::OwnerDoubleClicked, this, &CPopupEdit::TipDoubleClicked);
                const QPoint at = mapToGlobal(QPoint(3, 0));
                tip->ShowAt(at.x(), at.y(), CPopupTip::RoundedRectangle);
                m_tip = tip;
                // Held while the tip shows, so that leaving the box is noticed.
                grabMouse();
            }
        }
    }
    QLineEdit::mouseMoveEvent(event);
}

void CPopupEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    HideTip();
}

} // namespace TavWorkbench::Ui
