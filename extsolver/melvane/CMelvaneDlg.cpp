#include "extsolver/melvane/CMelvaneDlg.hpp"

#include "extsolver/melvane/MelvaneHelp.hpp"
#include "help/ContextHelp.hpp"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace Melvane {

namespace {

QLineEdit* Edit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* Check(const char* name, const char* text, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

CMelvaneDlg::CMelvaneDlg(CMelvaneApp& app, QWidget* parent) : QDialog(parent), m_app(app) {
    setWindowTitle("Melvane");
    m_serverName = Edit("serverName", this);
    m_port = Edit("port", this);
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName("log");
    m_log->setReadOnly(true);
    m_log->setMinimumSize(360, 220);
    m_solverName = Edit("solverName", this);
    m_solutions = Edit("solutions", this);
    m_timeLimit = Edit("timeLimit", this);
    m_lambda = Edit("lambda", this);
    m_seed = Edit("seed", this);
    m_optimise = Edit("optimise", this);
    m_learning = Check("learning", "Learning", this);
    m_delta = Check("delta", "Delta Update", this);
    m_approx = Check("approx", "Approx. Evaluation", this);

    const std::pair<MelvaneButton, const char*> buttons[] = {
        {MelvaneButton::Read, "Read Problem"}, {MelvaneButton::Solve, "Solve Problem"},
        {MelvaneButton::Connect, "Connect"},   {MelvaneButton::Send, "Send Solution(s)"},
        {MelvaneButton::Stop, "Stop Solving"}, {MelvaneButton::Master, "Master"},
    };
    const char* names[] = {"read", "solve", "connect", "send", "stop", "master"};
    int n = 0;
    for (const auto& [b, text] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(names[n++]);
        button->setAutoDefault(false);
        m_buttons[b] = button;
    }

    auto* fields = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* label, QWidget* widget) {
        fields->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        fields->addWidget(widget, row++, 1);
    };
    addRow("Server Name", m_serverName);
    addRow("Port No", m_port);
    addRow("Solver Name", m_solverName);
    addRow("No Of Solutions", m_solutions);
    addRow("Time Limit (s)", m_timeLimit);
    addRow("Lambda", m_lambda);
    addRow("Seed", m_seed);
    addRow("Optimise", m_optimise);
    fields->addWidget(m_learning, row++, 1);
    fields->addWidget(m_delta, row++, 1);
    fields->addWidget(m_approx, row++, 1);

    auto* buttonColumn = new QVBoxLayout;
    for (MelvaneButton b : {MelvaneButton::Connect, MelvaneButton::Master, MelvaneButton::Read,
                            MelvaneButton::Solve, MelvaneButton::Stop, MelvaneButton::Send})
        buttonColumn->addWidget(m_buttons[b]);
    buttonColumn->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addLayout(buttonColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_log);

    connect(m_buttons[MelvaneButton::Connect], &QPushButton::clicked, this, [this] {
        ReadFieldsIntoModel();
        if (!m_app.OnConnect()) FocusField(m_app.LastFieldError());
    });
    connect(m_buttons[MelvaneButton::Read], &QPushButton::clicked, this, [this] { m_app.OnReadProblem(); });
    connect(m_buttons[MelvaneButton::Solve], &QPushButton::clicked, this, [this] {
        ReadFieldsIntoModel();
        if (!m_app.OnSolveProblem()) FocusField(m_app.LastFieldError());
    });
    connect(m_buttons[MelvaneButton::Send], &QPushButton::clicked, this, [this] { m_app.OnSendSolutions(); });
    connect(m_buttons[MelvaneButton::Stop], &QPushButton::clicked, this, [this] { m_app.OnStopSolving(); });
    connect(m_buttons[MelvaneButton::Master], &QPushButton::clicked, this, [this] { m_app.OnMaster(); });

    MelvaneDlgModel& model = m_app.Dialog();
    model.onChanged = [this] { ShowButtons(); };
    model.onLog = [this](const std::string& text) { AppendLog(text); };
    m_app.showBox = [this](const std::string& text, const std::string& caption) {
        if (caption == "Error")
            QMessageBox::critical(this, QString::fromStdString(caption), QString::fromStdString(text));
        else
            QMessageBox::warning(this, windowTitle(), QString::fromStdString(text));
    };
    for (const std::string& line : model.Log())
        AppendLog(line);
    ShowFields();
    ShowButtons();
    m_buttons[MelvaneButton::Connect]->setFocus();
    TavHelp::ContextHelp::Set(this, kHelpSection, kFieldHelp);
}

CMelvaneDlg::~CMelvaneDlg() {
    MelvaneDlgModel& model = m_app.Dialog();
    model.onChanged = nullptr;
    model.onLog = nullptr;
    m_app.showBox = nullptr;
}

void CMelvaneDlg::ShowFields() {
    const MelvaneDlgModel& model = m_app.Dialog();
    m_serverName->setText(QString::fromStdString(model.serverName));
    m_port->setText(QString::fromStdString(model.port));
    m_solverName->setText(QString::fromStdString(model.solverName));
    m_solutions->setText(QString::fromStdString(model.solutions));
    m_timeLimit->setText(QString::fromStdString(model.timeLimit));
    m_lambda->setText(QString::fromStdString(model.lambda));
    m_seed->setText(QString::fromStdString(model.seed));
    m_optimise->setText(QString::fromStdString(model.optimise));
    m_learning->setChecked(model.learning);
    m_delta->setChecked(model.deltaUpdate);
    m_approx->setChecked(model.approxEvaluation);
}

void CMelvaneDlg::ReadFieldsIntoModel() {
    MelvaneDlgModel& model = m_app.Dialog();
    model.serverName = m_serverName->text().toStdString();
    model.port = m_port->text().toStdString();
    model.solverName = m_solverName->text().toStdString();
    model.solutions = m_solutions->text().toStdString();
    model.timeLimit = m_timeLimit->text().toStdString();
    model.lambda = m_lambda->text().toStdString();
    model.seed = m_seed->text().toStdString();
    model.optimise = m_optimise->text().toStdString();
    model.learning = m_learning->isChecked();
    model.deltaUpdate = m_delta->isChecked();
    model.approxEvaluation = m_approx->isChecked();
}

void CMelvaneDlg::ShowButtons() {
    const MelvaneDlgModel& model = m_app.Dialog();
    for (const auto& [b, button] : m_buttons)
        button->setEnabled(model.IsEnabled(b));
    m_buttons[MelvaneButton::Connect]->setText(QString::fromStdString(model.ConnectText()));
    m_buttons[MelvaneButton::Master]->setText(QString::fromStdString(model.MasterText()));
}

void CMelvaneDlg::AppendLog(const std::string& text) {
    QTextCursor cursor = m_log->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_log->setTextCursor(cursor);
    m_log->ensureCursorVisible();
    m_log->insertPlainText(QString::fromStdString(text) + "\n");
}

void CMelvaneDlg::FocusField(const std::optional<FieldError>& error) {
    if (!error) return;
    QLineEdit* edits[] = {m_serverName, m_port,   m_solverName, m_solutions,
                          m_timeLimit,  m_lambda, m_seed,       m_optimise};
    QLineEdit* edit = edits[static_cast<int>(error->field)];
    edit->setFocus();
    edit->selectAll();
}

void CMelvaneDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction("&About Melvane...", this, &CMelvaneDlg::ShowAbout);
    menu.exec(event->globalPos());
}

void CMelvaneDlg::ShowAbout() {
    QMessageBox::about(this, "About Melvane",
                       "Melvane Version 1.0\nAn external guided local search solver for the Tav workbench.");
}

} // namespace Melvane
