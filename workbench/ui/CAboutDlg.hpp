#pragma once
// Help/About: the program's name, version and purpose.

#include <QDialog>

namespace TavWorkbench::Ui {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace TavWorkbench::Ui
