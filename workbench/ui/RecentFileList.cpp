#include "workbench/ui/RecentFileList.hpp"

#include <QFileInfo>

namespace TavWorkbench::Ui {

namespace {

QString Key(int i) {
    return QStringLiteral("%1/File%2").arg(QLatin1String(RecentFileList::kGroup)).arg(i + 1);
}

// One name for one file: its canonical path when it exists, else its absolute path.
QString Normalised(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

RecentFileList::RecentFileList(QSettings& settings) : m_settings(settings) {
    for (int i = 0; i < kSize; ++i) {
        const QString stored = m_settings.value(Key(i)).toString();
        if (stored.isEmpty()) continue;
        const QString file = Normalised(stored);
        if (!m_files.contains(file)) m_files.append(file);
    }
}

void RecentFileList::Add(const QString& path) {
    const QString file = Normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    m_files.removeAll(Normalised(path));
    Save();
}

QString RecentFileList::MenuText(int i) const {
    const QString name = QFileInfo(m_files.at(i)).fileName();
    int sameName = 0;
    for (const QString& file : m_files)
        if (QFileInfo(file).fileName() == name) ++sameName;
    return QStringLiteral("&%1 %2").arg(i + 1).arg(sameName > 1 ? m_files.at(i) : name);
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
