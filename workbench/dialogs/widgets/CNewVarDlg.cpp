#include "workbench/dialogs/widgets/CNewVarDlg.hpp"

#include "help/ContextHelp.hpp"
#include "workbench/dialogs/widgets/ListEditing.hpp"
#include "workbench/dialogs/widgets/TextBytes.hpp"
#include "workbench/ui/CCommaIntEdit.hpp"
#include "workbench/ui/CPopupEdit.hpp"
#include "workbench/ui/CPopupTip.hpp"
#include "workbench/ui/CSpecialEdit.hpp"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace TavDialogs {

namespace {

// What each field is for, as What's This tells it.
constexpr TavHelp::FieldLine kFieldHelp[] = {
    {"id",
     "The variable's name; for a new variable several names separated by commas make one variable each."},
    {"domains", "The problem's domains: double-click one to give it to the variable."},
    {"domainID", "The domain the variable takes its values from (double-click one in the list)."},
    {"dataType", "The type that the chosen domain gives the variable."},
    {"viewDomain", "Shows the values of the domain selected in the list."},
    {"newDomain", "Creates a new domain and adds it to the list."},
    {"array", "Makes the variable an array: give its size by numbers or by an integer constant."},
    {"sizeConst", "The integer constant that gives the array's size (chosen with the ... beside it)."},
    {"pickSize", "Chooses an integer constant (1 or more) as the array's size."},
    {"dimensions", "The array's size: one number per dimension, separated by commas (3,4 for 3 by 4)."},
};

} // namespace

CNewVarDlg::CNewVarDlg(NewVarDlgModel& model, DialogMessages& messages, DialogHost& host, QWidget* parent)
    : ModelDialog(QStringLiteral("Variable Details"), messages, host, parent), m_model(model) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    auto* id =
        AddEditOf<TavWorkbench::Ui::CSpecialEdit>(form, QStringLiteral("Variable ID"), QStringLiteral("id"));
    // Commas separate the ids of new variables.
    id->SetAllowComma(m_model.AllowsComma());
    m_id = id;
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Current Domains"), this));
    m_domains = MakeList(this, "domains");
    layout->addWidget(m_domains);
    auto* domainForm = new QFormLayout();
    m_domainID = AddEdit(domainForm, QStringLiteral("Domain ID"), QStringLiteral("domainID"), true);
    m_dataType = AddEdit(domainForm, QStringLiteral("Data Type"), QStringLiteral("dataType"), true);
    layout->addLayout(domainForm);
    auto* domainButtons = new QHBoxLayout();
    m_viewDomain = new QPushButton(QStringLiteral("View Domain"), this);
    m_viewDomain->setObjectName(QStringLiteral("viewDomain"));
    m_newDomain = new QPushButton(QStringLiteral("New Domain"), this);
    m_newDomain->setObjectName(QStringLiteral("newDomain"));
    domainButtons->addWidget(m_viewDomain);
    domainButtons->addWidget(m_newDomain);
    layout->addLayout(domainButtons);
    m_array = new QCheckBox(QStringLiteral("Array"), this);
    m_array->setObjectName(QStringLiteral("array"));
    layout->addWidget(m_array);
    auto* size = new QFormLayout();
    auto* sizeRow = new QHBoxLayout();
    auto* sizeConst = new TavWorkbench::Ui::CPopupEdit(this);
    sizeConst->SetConstants(&m_model.Constants());
    m_sizeConst = sizeConst;
    m_sizeConst->setObjectName(QStringLiteral("sizeConst"));
    m_sizeConst->setReadOnly(true);
    m_pickSize = new QPushButton(QStringLiteral("..."), this);
    m_pickSize->setObjectName(QStringLiteral("pickSize"));
    sizeRow->addWidget(m_sizeConst);
    sizeRow->addWidget(m_pickSize);
    size->addRow(QStringLiteral("Size Constant"), sizeRow);
    m_dimensions = AddEditOf<TavWorkbench::Ui::CCommaIntEdit>(size, QStringLiteral("Dimensions"),
                                                              QStringLiteral("dimensions"));
    layout->addLayout(size);
    AddButtons(layout);
    for (QPushButton* button : {m_viewDomain, m_newDomain, m_pickSize})
        button->setAutoDefault(false);

    connect(m_domains, &QListWidget::currentRowChanged, this,
            [this](int row) { m_model.selectedDomain = row; });
    // The highlighted domain is the variable's: a click or the arrow keys choose it.
    connect(m_domains, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_domains->selectedItems();
        if (chosen.size() != 1) return;
        m_model.OnDomainChosen(m_domains->row(chosen.front()));
        m_domainID->setText(ToQ(m_model.domainID));
        m_dataType->setText(ToQ(m_model.dataType));
    });
    connect(m_domains, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Save();
        m_model.OnDomainChosen(m_domains->row(item));
        Load();
    });
    connect(m_array, &QCheckBox::clicked, this, [this](bool checked) {
        Save();
        m_model.OnArrayToggled(checked);
        Load();
    });
    connect(m_dimensions, &QLineEdit::textEdited, this, [this] {
        Save();
        m_model.OnDimensionsEdited();
        m_sizeConst->setText(ToQ(m_model.sizeConstID));
    });
    connect(m_pickSize, &QPushButton::clicked, this, [this] {
        Save();
        m_model.OnPickSizeConst(Host(), Messages());
        Load();
    });
    connect(m_newDomain, &QPushButton::clicked, this, [this] {
        Save();
        m_model.OnNewDomain(Host());
        Load();
    });
    connect(m_viewDomain, &QPushButton::clicked, this, [this] {
        Save();
        m_model.OnViewDomain(Host(), Messages());
    });

    m_id->setReadOnly(m_model.IsIDReadOnly());
    if (!m_model.IsOKEnabled()) {
        m_newDomain->setEnabled(false);
        ShowOnly(false);
    }
    Load();
    TavHelp::ContextHelp::Set(this, "variable-details", kFieldHelp);
}

void CNewVarDlg::Load() {
    m_id->setText(ToQ(m_model.id));
    FillList(m_domains, m_model.DomainEntries());
    {
        const QSignalBlocker blocker(m_domains);
        m_domains->setCurrentRow(m_model.selectedDomain);
    }
    m_domainID->setText(ToQ(m_model.domainID));
    m_dataType->setText(ToQ(m_model.dataType));
    m_array->setChecked(m_model.isArray);
    m_sizeConst->setText(ToQ(m_model.sizeConstID));
    m_dimensions->setText(ToQ(m_model.dimensionsText));
    m_pickSize->setEnabled(m_model.IsSizeEnabled());
    m_dimensions->setEnabled(m_model.IsSizeEnabled());
}

void CNewVarDlg::Save() {
    m_model.id = FromQ(m_id->text());
    m_model.isArray = m_array->isChecked();
    m_model.dimensionsText = FromQ(m_dimensions->text());
}

QWidget* CNewVarDlg::FocusAfterRefusal() {
    switch (m_model.GetFocus()) {
    case NewVarDlgModel::Field::DomainList:
        return m_domains;
    case NewVarDlgModel::Field::Dimensions:
        return m_dimensions;
    case NewVarDlgModel::Field::SizeConst:
        return m_pickSize;
    default:
        return m_id;
    }
}

} // namespace TavDialogs
