#pragma once
// "Getting Data from Excel": imports a block of cells copied in a spreadsheet program (from the
// clipboard) or read from a CSV or tab-separated file as a new list constant, by rows or by
// columns. The file is chosen in a file dialog (tests set their own chooser).

#include "workbench/dialogs/import/GetExcelDataDlgModel.hpp"
#include "workbench/dialogs/widgets/ModelDialog.hpp"

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace TavDialogs {

class CGetExcelDataDlg : public ModelDialog {
    Q_OBJECT
public:
    CGetExcelDataDlg(GetExcelDataDlgModel& model, DialogMessages& messages, DialogHost& host,
                     QWidget* parent = nullptr);
    // Returns the file to import, empty when the user chose none.
    void SetFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

protected:
    void Load() override;
    void Save() override;
    bool Check() override { return m_model.OnOK(Messages()); }
    QWidget* FocusAfterRefusal() override;

private:
    GetExcelDataDlgModel& m_model;
    std::function<QString()> m_chooseFile;
    QLineEdit* m_id;
    QRadioButton* m_byRows;
    QRadioButton* m_byColumns;
    QPlainTextEdit* m_text;
};

} // namespace TavDialogs
