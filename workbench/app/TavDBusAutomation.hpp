#pragma once
// The document's automation methods on the D-Bus session bus: service org.tav.Workbench,
// object /Document, interface org.tav.Document, with the methods' names, argument order and
// results as the automation interface has them (BOOL is b, long i, short n, text s, variant
// v); the introspection names every argument, results included. Calls run on the
// user-interface thread. The program ends as AutomationLifetime says: when every client that
// called it has left the bus unless one has changed the document, after the idle limit without
// a call, or when the session bus goes.

#include "workbench/TavAutomation.hpp"
#include "workbench/app/AutomationLifetime.hpp"

#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <QSet>
#include <QString>

class QDBusServiceWatcher;
class QTimer;

namespace TavWorkbench::App {

inline constexpr const char* kAutomationService = "org.tav.Workbench";
inline constexpr const char* kAutomationPath = "/Document";
inline constexpr const char* kAutomationInterface = "org.tav.Document";

// An automation array argument from a D-Bus variant: an array of int32 ("ai") is one
// dimension; an array of arrays ("aai") is two; anything else is no array of longs.
AutomationValue AutomationValueOf(const QDBusVariant& value);

class TavDBusAutomation : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tav.Document")
    // Written out so that the results have names too (a slot's return value has none).
    Q_CLASSINFO("D-Bus Introspection", "  <interface name=\"org.tav.Document\">\n"
                                       "    <method name=\"AddLongDomainMinMax\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"min\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"max\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"GetLongDomain\">\n"
                                       "      <arg name=\"index\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"id\" type=\"s\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddLongVariable\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"domain\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"size\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"array\" type=\"b\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddConstraint\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"constraint\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"SolveIt\">\n"
                                       "      <arg name=\"count\" type=\"n\" direction=\"in\"/>\n"
                                       "      <arg name=\"started\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"GetNumberOfVariables\">\n"
                                       "      <arg name=\"count\" type=\"i\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"GetSolutionVarName\">\n"
                                       "      <arg name=\"index\" type=\"n\" direction=\"in\"/>\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"GetSolution\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"index\" type=\"n\" direction=\"in\"/>\n"
                                       "      <arg name=\"value\" type=\"v\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddLongConstant\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"value\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddLongDomainWithLongArray\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"values\" type=\"v\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddBooleanVariable\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"size\" type=\"i\" direction=\"in\"/>\n"
                                       "      <arg name=\"array\" type=\"b\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"IsUsingGFCServer\">\n"
                                       "      <arg name=\"using\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"IsUsingGLSServer\">\n"
                                       "      <arg name=\"using\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"UseGFCServer\">\n"
                                       "      <arg name=\"done\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"UseGLSServer\">\n"
                                       "      <arg name=\"done\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddSetConstant\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"values\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddListConstant\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"values\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"AddLongArrayVariable\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"domain\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"dimensions\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"added\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"SetOptimisation\">\n"
                                       "      <arg name=\"target\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"done\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"StopSearch\">\n"
                                       "    </method>\n"
                                       "    <method name=\"ServerFinished\">\n"
                                       "      <arg name=\"finished\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"DeleteConstraint\">\n"
                                       "      <arg name=\"name\" type=\"s\" direction=\"in\"/>\n"
                                       "      <arg name=\"deleted\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "    <method name=\"HasGotSolution\">\n"
                                       "      <arg name=\"solved\" type=\"b\" direction=\"out\"/>\n"
                                       "    </method>\n"
                                       "  </interface>\n")
public:
    TavDBusAutomation(CTavDoc& doc, QObject* parent = nullptr);

    // Registers the object and then the service name on the session bus; false with the
    // reason in `error` when the bus cannot be reached or the name is taken.
    bool Register(std::string& error);

public slots:
    bool AddLongDomainMinMax(const QString& name, int min, int max);
    QString GetLongDomain(int index);
    bool AddLongVariable(const QString& name, const QString& domain, int size, bool array);
    bool AddConstraint(const QString& name, const QString& constraint);
    bool SolveIt(short count);
    int GetNumberOfVariables();
    QString GetSolutionVarName(short index);
    QDBusVariant GetSolution(const QString& name, short index);
    bool AddLongConstant(const QString& name, int value);
    bool AddLongDomainWithLongArray(const QString& name, const QDBusVariant& values);
    bool AddBooleanVariable(const QString& name, int size, bool array);
    bool IsUsingGFCServer();
    bool IsUsingGLSServer();
    bool UseGFCServer();
    bool UseGLSServer();
    bool AddSetConstant(const QString& name, const QString& values);
    bool AddListConstant(const QString& name, const QString& values);
    bool AddLongArrayVariable(const QString& name, const QString& domain, const QString& dimensions);
    bool SetOptimisation(const QString& target);
    void StopSearch();
    bool ServerFinished();
    bool DeleteConstraint(const QString& name);
    bool HasGotSolution();

private:
    // Remembers the caller (so that the program ends once every caller has left, unless the
    // document was changed) and the time of the call; `changed` when the call changed the
    // document. Returns `changed`, for the methods that report whether they did.
    bool NoteCaller(bool changed = false);

    TavAutomation m_automation;
    AutomationLifetime m_lifetime;
    QDBusServiceWatcher* m_watcher = nullptr;
    QTimer* m_idle = nullptr;
    QTimer* m_busWatch = nullptr;
    QSet<QString> m_callers;
};

} // namespace TavWorkbench::App
