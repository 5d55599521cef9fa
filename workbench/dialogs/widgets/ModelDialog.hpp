#pragma once
// The base of the dialogs' views: a modal dialog over a model that copies the model's fields
// into its widgets (Load), the widgets back into the model (Save), and on OK lets the model
// decide; after a refusal the widgets show the model again and the offending box gets the
// focus. Widgets carry object names, so tests find them.

#include "workbench/dialogs/DialogHost.hpp"
#include "workbench/dialogs/DialogMessages.hpp"

#include <QDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class QBoxLayout;

namespace TavDialogs {

class ModelDialog : public QDialog {
    Q_OBJECT
public:
    ModelDialog(const QString& title, DialogMessages& messages, DialogHost& host, QWidget* parent);

    QPushButton* OKButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

protected:
    // Model to widgets; the widgets' user signals do not fire.
    virtual void Load() = 0;
    // Widgets to model.
    virtual void Save() = 0;
    // The model's OK checks (through Messages()).
    virtual bool Check() = 0;
    // The box to focus after a refusal.
    virtual QWidget* FocusAfterRefusal() { return nullptr; }

    // Places OK and Cancel (named "ok" and "cancel") at the bottom of `layout`.
    void AddButtons(QBoxLayout* layout, const QString& okText = QStringLiteral("OK"));
    // A labelled line edit named `name`.
    QLineEdit* AddEdit(QFormLayout* form, const QString& label, const QString& name, bool readOnly = false) {
        return AddEditOf<QLineEdit>(form, label, name, readOnly);
    }
    // The same with an edit of class `Edit` (one of the filtered input boxes).
    template <class Edit>
    Edit* AddEditOf(QFormLayout* form, const QString& label, const QString& name, bool readOnly = false) {
        auto* edit = new Edit(this);
        edit->setObjectName(name);
        edit->setReadOnly(readOnly);
        form->addRow(label, edit);
        return edit;
    }
    // Wires a list of values to its model: `add` saves the widgets, lets the model add the new
    // value, reloads and gives `newValue` the focus; a double click on an entry of `list` saves,
    // lets the model remove that entry and reloads.
    template <class Model>
    void ConnectValueList(Model& model, QPushButton* add, QListWidget* list, QLineEdit* newValue) {
        connect(add, &QPushButton::clicked, this, [this, &model, newValue] {
            Save();
            model.OnAddValue(Messages());
            Load();
            newValue->setFocus();
        });
        connect(list, &QListWidget::itemDoubleClicked, this, [this, &model, list](QListWidgetItem* item) {
            Save();
            model.OnRemoveValue(list->row(item));
            Load();
        });
    }
    // Hides OK and names Cancel "Close" (view-only and close-only dialogs).
    void ShowOnly(bool hideOK = true);

    DialogMessages& Messages() { return m_messages; }
    DialogHost& Host() { return m_host; }

    // Save, Check, then accept or Load and focus.
    void OnOK();

private:
    DialogMessages& m_messages;
    DialogHost& m_host;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace TavDialogs
