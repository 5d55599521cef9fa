#include "workbench/ui/CContentsList.hpp"

#include "workbench/model/CConstArray.hpp"
#include "workbench/ui/CPopupEdit.hpp"
#include "workbench/ui/CPopupTip.hpp"

#include <QMouseEvent>

namespace TavWorkbench::Ui {

CContentsList::CContentsList(QWidget* parent) : QListWidget(parent) {
    setMouseTracking(true);
}

CContentsList::~CContentsList() {
    HideTip();
}

void CContentsList::AddConstantItem(const QString& text, int index) {
    auto* item = new QListWidgetItem(text, this);
    item->setData(Qt::UserRole, index);
}

void CContentsList::HideTip() {
    if (m_tip) m_tip->close();
    m_tip = nullptr;
    m_tipRow = -1;
    if (mouseGrabber() == viewport()) viewport()->releaseMouse();
}

void CContentsList::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = viewport()->rect().contains(pos) ? indexAt(pos) : QModelIndex();
    if (!index.isValid()) {
        HideTip();
    } else if (index.row() != m_tipRow) {
        HideTip();
        const int constant = index.data(Qt::UserRole).toInt();
        if (m_constants != nullptr && constant >= 0 && constant < m_constants->GetSize()) {
            auto* tip = new CPopupTip(this);
            tip->SetText(CurrentValueText(m_constants->GetAt(constant)->GetValue()));
            tip->SetHighlight(index.row() == currentRow());
            const int row = index.row();
            connect(tip, &CPopupTip::OwnerDoubleClicked, this, [this, row] {
                if (QListWidgetItem* shown = item(row)) emit itemDoubleClicked(shown);
            });
            const QPoint at(mapToGlobal(QPoint(3, 0)).x(),
                            viewport()->mapToGlobal(visualRect(index).topLeft()).y());
            tip->ShowAt(at.x(), at.y(), CPopupTip::RoundedRectangle);
            m_tip = tip;
            m_tipRow = row;
            // Held while the tip shows, so that leaving the list is noticed.
            viewport()->grabMouse();
        }
    }
    QListWidget::mouseMoveEvent(event);
}

void CContentsList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (m_tip) m_tip->SetHighlight(m_tipRow == currentRow());
}

void CContentsList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    HideTip();
}

} // namespace TavWorkbench::Ui
