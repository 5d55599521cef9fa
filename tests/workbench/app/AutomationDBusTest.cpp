// The automation interface from another process: `tav --automation` on a private session bus
// (ctest runs this under dbus-run-session), 8-queens built through the methods, solved, polled
// and read back, the solution checked here by hand.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr const char* kService = "org.tav.Workbench";
constexpr const char* kPath = "/Document";
constexpr const char* kInterface = "org.tav.Document";

// Runs the event loop until `condition` holds; false after the guard limit.
template <class Condition> bool Poll(Condition condition, int limitMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

class AutomationServer {
public:
    AutomationServer() {
        m_process.setWorkingDirectory(m_folder.path());
        m_process.setProgram(TAV_PROGRAM);
        m_process.setArguments({"--automation"});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~AutomationServer() {
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) m_process.kill();
        m_process.waitForFinished(10000);
    }
    bool WaitRegistered() {
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        return Poll([&] {
                   return m_process.state() == QProcess::NotRunning ||
                          bus->isServiceRegistered(kService).value();
               }) &&
               m_process.state() != QProcess::NotRunning;
    }

private:
    QTemporaryDir m_folder;
    QProcess m_process;
};

template <class T> T Call(QDBusInterface& doc, const char* method, const QVariantList& arguments = {}) {
    const QDBusMessage reply = doc.callWithArgumentList(QDBus::Block, method, arguments);
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
        << method << ": " << reply.errorMessage().toStdString();
    if (reply.arguments().isEmpty()) return T();
    return qdbus_cast<T>(reply.arguments().front());
}

} // namespace

TEST(AutomationDBus, BuildsSolvesAndReadsQueens) {
    ASSERT_TRUE(QDBusConnection::sessionBus().isConnected()) << "run under dbus-run-session";
    AutomationServer server;
    ASSERT_TRUE(server.WaitRegistered()) << "tav --automation did not take " << kService;
    QDBusInterface doc(kService, kPath, kInterface, QDBusConnection::sessionBus());
    ASSERT_TRUE(doc.isValid()) << doc.lastError().message().toStdString();

    EXPECT_TRUE(Call<bool>(doc, "AddLongConstant", {QString("N"), 8}));
    EXPECT_TRUE(Call<bool>(doc, "AddLongDomainMinMax", {QString("Rows"), 0, 7}));
    EXPECT_FALSE(Call<bool>(doc, "AddLongDomainMinMax", {QString("Bad"), 5, 1}));
    EXPECT_FALSE(Call<bool>(doc, "AddLongDomainMinMax", {QString("rows"), 0, 1})) << "ids ignore case";
    EXPECT_TRUE(Call<bool>(doc, "AddLongVariable", {QString("q"), QString("Rows"), 8, true}));
    EXPECT_TRUE(Call<bool>(doc, "AddConstraint", {QString("diff"), QString("AllDifferent(q);")}));
    EXPECT_TRUE(Call<bool>(doc, "AddConstraint",
                           {QString("diag"), QString("Forall(i in [0..N-1], j in [0..N-1], i < j) "
                                                     "{ q[i] - q[j] <> j - i; q[j] - q[i] <> j - i; }")}));
    EXPECT_EQ(Call<QString>(doc, "GetLongDomain", {2}), "Rows");
    EXPECT_EQ(Call<QString>(doc, "GetLongDomain", {-1}), "");
    EXPECT_TRUE(Call<bool>(doc, "IsUsingGFCServer"));
    EXPECT_FALSE(Call<bool>(doc, "IsUsingGLSServer"));

    // A variant holding an array of longs makes a domain; an array of arrays does not.
    qDBusRegisterMetaType<QList<QList<int>>>();
    EXPECT_TRUE(Call<bool>(doc, "AddLongDomainWithLongArray",
                           {QVariant::fromValue(QString("Odd")),
                            QVariant::fromValue(QDBusVariant(QVariant::fromValue(QList<int>{1, 3, 5})))}));
    EXPECT_FALSE(Call<bool>(
        doc, "AddLongDomainWithLongArray",
        {QVariant::fromValue(QString("Grid")),
         QVariant::fromValue(QDBusVariant(QVariant::fromValue(QList<QList<int>>{{1, 2}, {3, 4}})))}));
    EXPECT_EQ(Call<QString>(doc, "GetLongDomain", {3}), "Odd");
    EXPECT_EQ(Call<QString>(doc, "GetLongDomain", {4}), "");

    EXPECT_TRUE(Call<bool>(doc, "SolveIt", {QVariant::fromValue<short>(1)}));
    ASSERT_TRUE(Poll([&] { return Call<bool>(doc, "HasGotSolution"); }));
    ASSERT_TRUE(Poll([&] { return Call<bool>(doc, "ServerFinished"); }));

    const int columns = Call<int>(doc, "GetNumberOfVariables");
    ASSERT_GE(columns, 8);
    EXPECT_EQ(Call<QString>(doc, "GetSolutionVarName", {QVariant::fromValue<short>(columns)}), "");
    std::vector<int> queens;
    for (short i = 0; i < 8; ++i) {
        const QString name = Call<QString>(doc, "GetSolutionVarName", {QVariant::fromValue(i)});
        EXPECT_EQ(name, QString("q[%1]").arg(i));
        const QDBusVariant value = Call<QDBusVariant>(
            doc, "GetSolution", {QVariant::fromValue(name), QVariant::fromValue<short>(0)});
        bool ok = false;
        queens.push_back(value.variant().toString().toInt(&ok));
        EXPECT_TRUE(ok) << name.toStdString() << " = " << value.variant().toString().toStdString();
    }
    // One queen per row, none sharing a diagonal.
    EXPECT_EQ(std::set<int>(queens.begin(), queens.end()).size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_GE(queens[i], 0);
        EXPECT_LE(queens[i], 7);
        for (std::size_t j = i + 1; j < 8; ++j)
            EXPECT_NE(std::abs(queens[i] - queens[j]), static_cast<int>(j - i)) << i << " and " << j;
    }
    // A second solution index that does not exist reads empty.
    EXPECT_EQ(Call<QDBusVariant>(doc, "GetSolution", {QString("q[0]"), QVariant::fromValue<short>(1)})
                  .variant()
                  .toString(),
              "");
    // DeleteConstraint removes a constraint it finds and says so; an unknown name is refused.
    EXPECT_TRUE(Call<bool>(doc, "DeleteConstraint", {QString("diag")}));
    EXPECT_FALSE(Call<bool>(doc, "DeleteConstraint", {QString("diag")}));
    EXPECT_TRUE(Call<bool>(doc, "UseGLSServer"));
    EXPECT_TRUE(Call<bool>(doc, "IsUsingGLSServer"));

    // The introspection names every argument, results included, of all 23 methods.
    const QDBusMessage introspect = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(kService, kPath, "org.freedesktop.DBus.Introspectable", "Introspect"));
    ASSERT_EQ(introspect.type(), QDBusMessage::ReplyMessage);
    QXmlStreamReader xml(introspect.arguments().front().toString());
    bool inDocument = false;
    int methods = 0;
    int results = 0;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("interface"))
            inDocument = xml.attributes().value("name") == QLatin1String(kInterface);
        if (!inDocument) continue;
        if (xml.name() == QLatin1String("method")) ++methods;
        if (xml.name() == QLatin1String("arg")) {
            EXPECT_FALSE(xml.attributes().value("name").isEmpty()) << "an argument without a name";
            results += xml.attributes().value("direction") == QLatin1String("out") ? 1 : 0;
        }
    }
    EXPECT_EQ(methods, 23);
    EXPECT_EQ(results, 22); // every method but StopSearch has a result
}

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
