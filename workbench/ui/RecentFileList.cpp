#include "workbench/ui/RecentFileList.hpp"

#include <QFileInfo>

namespace TavWorkbench::Ui {

namespace {

QString Key(int i) {
    return QStringLiteral("Recent File List/File%1").arg(i + 1);
}

} // namespace

RecentFileList::RecentFileList(QSettings& settings) : m_settings(settings) {
    for (int i = 0; i < kSize; ++i) {
        const QString file = m_settings.value(Key(i)).toString();
        if (!file.isEmpty() && !m_files.contains(file)) m_files.append(file);
    }
}

void RecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
    Save();
}

void RecentFileList::Save() {
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size()) {
            m_settings.setValue(Key(i), m_files[i]);
        } else {
            m_settings.remove(Key(i));
        }
    }
    m_settings.sync();
}

} // namespace TavWorkbench::Ui
