#include "workbench/dialogs/widgets/CGetExcelDataDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"importClipboard", "Reads the block of cells a spreadsheet program copied to the clipboard."},
    {"importFile", "Reads the block of cells from a CSV or tab-separated file."},
    {"byRows", "Makes one sub-list of each row of the block."},
    {"byColumns", "Makes one sub-list of each column of the block."},
    {"id", "The name of the new list constant."},
    {"imported", "The list read from the cells, as the constant will hold it."},
};

} // namespace

CGetExcelDataDlg::CGetExcelDataDlg(GetExcelDataDlgModel& model, DialogMessages& messages, DialogHost& host,
                                   QWidget* parent)
    : ModelDialog(QString::fromLatin1(GetExcelDataDlgModel::kTitle), messages, host, parent), m_model(model) {
    m_chooseFile = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Import Data"), QString(),
            QStringLiteral("Spreadsheet Data (*.csv *.tsv *.txt);;All Files (*)"));
    };
    auto* layout = new QVBoxLayout(this);
    auto* hint =
        new QLabel(QStringLiteral("Copy a single rectangular block of cells containing integer data in a "
                                  "spreadsheet program, or save it as a CSV or tab-separated file."),
                   this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* clipboard = new QPushButton(QStringLiteral("Import from Clipboard"), this);
    clipboard->setObjectName(QStringLiteral("importClipboard"));
    clipboard->setAutoDefault(false);
    auto* file = new QPushButton(QStringLiteral("Import from File..."), this);
    file->setObjectName(QStringLiteral("importFile"));
    file->setAutoDefault(false);
    layout->addWidget(clipboard);
    layout->addWidget(file);
    auto* group = new QGroupBox(QStringLiteral("Sub Lists"), this);
    auto* radios = new QVBoxLayout(group);
    m_byRows = new QRadioButton(QStringLiteral("By Rows"), group);
    m_byRows->setObjectName(QStringLiteral("byRows"));
    m_byColumns = new QRadioButton(QStringLiteral("By Columns"), group);
    m_byColumns->setObjectName(QStringLiteral("byColumns"));
    radios->addWidget(m_byRows);
    radios->addWidget(m_byColumns);
    layout->addWidget(group);
    auto* form = new QFormLayout();
    m_id = AddEdit(form, QStringLiteral("Constant ID"), QStringLiteral("id"));
    layout->addLayout(form);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("imported"));
    m_text->setReadOnly(true);
    layout->addWidget(m_text);
    AddButtons(layout);
    connect(clipboard, &QPushButton::clicked, this, [this] {
        Save();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        std::optional<std::string> text;
        if (copied != nullptr && copied->hasText()) text = copied->text().toStdString();
        m_model.ImportClipboard(text, Messages());
        Load();
    });
    connect(file, &QPushButton::clicked, this, [this] {
        Save();
        const QString path = m_chooseFile();
        if (path.isEmpty()) return;
        m_model.ImportFile(std::filesystem::path(path.toStdString()), Messages());
        Load();
    });
    Load();
    TavHelp::ContextHelp::Set(this, "spreadsheet-import", kFieldHelp);
}

void CGetExcelDataDlg::Load() {
    m_id->setText(ToQ(m_model.idText));
    m_byRows->setChecked(m_model.byRows);
    m_byColumns->setChecked(!m_model.byRows);
    m_text->setPlainText(ToQ(m_model.ImportedText(), true));
}

void CGetExcelDataDlg::Save() {
    m_model.idText = FromQ(m_id->text());
    m_model.byRows = m_byRows->isChecked();
}

QWidget* CGetExcelDataDlg::FocusAfterRefusal() {
    return m_model.Focus() == GetExcelDataDlgModel::Field::ID ? static_cast<QWidget*>(m_id) : m_text;
}

} // namespace TavDialogs
