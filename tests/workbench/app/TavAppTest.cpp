// The workbench as its program puts it together: where it keeps its settings.

#include "../ExampleDocs.hpp"
#include "../TempFolder.hpp"

#include "workbench/CTavDoc.hpp"
#include "workbench/app/CTavApp.hpp"
#include "workbench/ui/CMainFrame.hpp"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace TavWorkbench;
using namespace TavWorkbench::App;

// The recent-file list lives under the program's own name; a list an earlier version kept under
// the old name is taken over.
TEST(TavApp, RecentFilesLiveUnderTheProgramsOwnName) {
    TempFolder folder;
    const QString config = QString::fromStdString((folder / "config").string());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    const QString older = QString::fromStdString((folder / "older.tav").string());
    QSettings(CTavApp::kOldSettingsName, "Tav").setValue("Recent File List/File1", older);
    {
        CTavDoc writer(nullptr, folder.Path());
        writer.OnNewDocument();
        ExampleDocs::Tiny(writer.GetModel());
        writer.OnSaveDocument(folder / "tiny.tav");
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(folder.Path().string()));
    CommandLine line;
    line.file = (folder / "tiny.tav").string();
    line.showSplash = false;
    {
        CTavApp app;
        ASSERT_TRUE(app.InitInstance(line));
        EXPECT_EQ(app.MainFrame()->Title(), "tiny.tav");
    }
    QDir::setCurrent(previous);
    QSettings own("Tav", "Tav");
    EXPECT_EQ(QFileInfo(own.fileName()).dir().dirName(), "Tav");
    EXPECT_EQ(own.value("Recent File List/File1").toString(),
              QFileInfo(QString::fromStdString((folder / "tiny.tav").string())).canonicalFilePath());
    EXPECT_EQ(own.value("Recent File List/File2").toString(), older);
}
