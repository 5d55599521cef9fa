#pragma once
// The document's automation methods on the D-Bus session bus: service org.tav.Workbench,
// object /Document, interface org.tav.Document, with the methods' names, argument order and
// results as the automation interface has them (BOOL is b, long i, short n, text s, variant
// v). Calls run on the user-interface thread. The program ends when every client that called
// it has left the bus.

#include "workbench/TavAutomation.hpp"

#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <QSet>
#include <QString>

class QDBusServiceWatcher;

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
    // Remembers the caller, so that the program ends once every caller has left.
    void NoteCaller();

    TavAutomation m_automation;
    QDBusServiceWatcher* m_watcher = nullptr;
    QSet<QString> m_callers;
};

} // namespace TavWorkbench::App
