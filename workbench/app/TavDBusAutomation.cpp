#include "workbench/app/TavDBusAutomation.hpp"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace TavWorkbench::App {

namespace {

std::string S(const QString& text) {
    return text.toStdString();
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

AutomationValue AutomationValueOf(const QDBusVariant& value) {
    const QVariant inner = value.variant();
    if (inner.canConvert<QDBusArgument>() && inner.userType() == qMetaTypeId<QDBusArgument>()) {
        const QDBusArgument argument = inner.value<QDBusArgument>();
        const QString signature = argument.currentSignature();
        if (signature == "ai") {
            AutomationArray array;
            argument.beginArray();
            while (!argument.atEnd()) {
                int element = 0;
                argument >> element;
                array.elements.emplace_back(element);
            }
            argument.endArray();
            array.lowerBound = 0;
            array.upperBound = static_cast<int>(array.elements.size()) - 1;
            return array;
        }
        if (signature.startsWith("aa")) {
            AutomationArray array;
            array.dimensions = 2;
            return array;
        }
        return std::monostate{};
    }
    // Qt hands simple arrays over already converted.
    if (inner.userType() == qMetaTypeId<QList<int>>()) {
        AutomationArray array;
        for (int element : inner.value<QList<int>>())
            array.elements.emplace_back(element);
        array.upperBound = static_cast<int>(array.elements.size()) - 1;
        return array;
    }
    switch (inner.typeId()) {
    case QMetaType::Int:
        return inner.toInt();
    case QMetaType::Double:
        return inner.toDouble();
    case QMetaType::QString:
        return S(inner.toString());
    default:
        return std::monostate{};
    }
}

namespace {

// How often the program looks whether the session bus is still there.
constexpr int kBusWatchMs = 2000;

} // namespace

TavDBusAutomation::TavDBusAutomation(CTavDoc& doc, QObject* parent)
    : QObject(parent), m_automation(doc), m_lifetime(AutomationLifetime::Clock::now()) {}

bool TavDBusAutomation::Register(std::string& error) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        error = "Cannot reach the D-Bus session bus: " + S(bus.lastError().message());
        return false;
    }
    if (!bus.registerObject(kAutomationPath, this, QDBusConnection::ExportAllSlots)) {
        error = "Cannot register the automation object " + std::string(kAutomationPath);
        return false;
    }
    if (!bus.registerService(kAutomationService)) {
        error = "Cannot own the name " + std::string(kAutomationService) +
                " on the session bus: " + S(bus.lastError().message());
        bus.unregisterObject(kAutomationPath);
        return false;
    }
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(bus);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& name) {
        m_callers.remove(name);
        m_watcher->removeWatchedService(name);
        if (m_callers.isEmpty() && m_lifetime.EndsWhenCallersLeave()) QCoreApplication::quit();
    });
    // Each call starts the idle limit again.
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, [] { QCoreApplication::quit(); });
    m_idle->start(std::chrono::duration_cast<std::chrono::milliseconds>(AutomationLifetime::kIdleLimit));
    // A session that ends takes its bus along; nothing else tells the program.
    m_busWatch = new QTimer(this);
    connect(m_busWatch, &QTimer::timeout, this, [] {
        if (!QDBusConnection::sessionBus().isConnected()) QCoreApplication::quit();
    });
    m_busWatch->start(kBusWatchMs);
    return true;
}

bool TavDBusAutomation::NoteCaller(bool changed) {
    if (!calledFromDBus() || m_watcher == nullptr) return changed;
    const auto now = AutomationLifetime::Clock::now();
    m_lifetime.Called(now, changed);
    m_idle->start(std::chrono::duration_cast<std::chrono::milliseconds>(m_lifetime.IdleDeadline() - now));
    const QString caller = message().service();
    if (caller.isEmpty() || m_callers.contains(caller)) return changed;
    m_callers.insert(caller);
    m_watcher->addWatchedService(caller);
    return changed;
}

bool TavDBusAutomation::AddLongDomainMinMax(const QString& name, int min, int max) {
    return NoteCaller(m_automation.AddLongDomainMinMax(S(name), min, max));
}

QString TavDBusAutomation::GetLongDomain(int index) {
    NoteCaller();
    return Q(m_automation.GetLongDomain(index));
}

bool TavDBusAutomation::AddLongVariable(const QString& name, const QString& domain, int size, bool array) {
    return NoteCaller(m_automation.AddLongVariable(S(name), S(domain), size, array));
}

bool TavDBusAutomation::AddConstraint(const QString& name, const QString& constraint) {
    return NoteCaller(m_automation.AddConstraint(S(name), S(constraint)));
}

bool TavDBusAutomation::SolveIt(short count) {
    NoteCaller(true);
    return m_automation.SolveIt(count);
}

int TavDBusAutomation::GetNumberOfVariables() {
    NoteCaller();
    return m_automation.GetNumberOfVariables();
}

QString TavDBusAutomation::GetSolutionVarName(short index) {
    NoteCaller();
    return Q(m_automation.GetSolutionVarName(index));
}

QDBusVariant TavDBusAutomation::GetSolution(const QString& name, short index) {
    NoteCaller();
    const AutomationValue value = m_automation.GetSolution(S(name), index);
    if (const auto* text = std::get_if<std::string>(&value)) return QDBusVariant(Q(*text));
    return QDBusVariant(QString());
}

bool TavDBusAutomation::AddLongConstant(const QString& name, int value) {
    return NoteCaller(m_automation.AddLongConstant(S(name), value));
}

bool TavDBusAutomation::AddLongDomainWithLongArray(const QString& name, const QDBusVariant& values) {
    return NoteCaller(m_automation.AddLongDomainWithLongArray(S(name), AutomationValueOf(values)));
}

bool TavDBusAutomation::AddBooleanVariable(const QString& name, int size, bool array) {
    return NoteCaller(m_automation.AddBooleanVariable(S(name), size, array));
}

bool TavDBusAutomation::IsUsingGFCServer() {
    NoteCaller();
    return m_automation.IsUsingGFCServer();
}

bool TavDBusAutomation::IsUsingGLSServer() {
    NoteCaller();
    return m_automation.IsUsingGLSServer();
}

bool TavDBusAutomation::UseGFCServer() {
    return NoteCaller(m_automation.UseGFCServer());
}

bool TavDBusAutomation::UseGLSServer() {
    return NoteCaller(m_automation.UseGLSServer());
}

bool TavDBusAutomation::AddSetConstant(const QString& name, const QString& values) {
    return NoteCaller(m_automation.AddSetConstant(S(name), S(values)));
}

bool TavDBusAutomation::AddListConstant(const QString& name, const QString& values) {
    return NoteCaller(m_automation.AddListConstant(S(name), S(values)));
}

bool TavDBusAutomation::AddLongArrayVariable(const QString& name, const QString& domain,
                                             const QString& dimensions) {
    return NoteCaller(m_automation.AddLongArrayVariable(S(name), S(domain), S(dimensions)));
}

bool TavDBusAutomation::SetOptimisation(const QString& target) {
    return NoteCaller(m_automation.SetOptimisation(S(target)));
}

void TavDBusAutomation::StopSearch() {
    NoteCaller(true);
    m_automation.StopSearch();
}

bool TavDBusAutomation::ServerFinished() {
    NoteCaller();
    return m_automation.ServerFinished();
}

bool TavDBusAutomation::DeleteConstraint(const QString& name) {
    return NoteCaller(m_automation.DeleteConstraint(S(name)));
}

bool TavDBusAutomation::HasGotSolution() {
    NoteCaller();
    return m_automation.HasGotSolution();
}

} // namespace TavWorkbench::App
