#pragma once
// The number-only cell editor of the grid dialogs: lets through digits, one leading minus and
// one decimal point, and reports the Up and Down arrows, Tab and Enter to its grid.

#include <QLineEdit>

namespace TavDialogs {

class CGridEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CGridEdit(QWidget* parent = nullptr);

signals:
    // Down (true) or Up (false).
    void arrowPressed(bool down);
    void tabPressed();
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace TavDialogs
