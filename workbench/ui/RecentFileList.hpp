#pragma once
// The recent-file list of the File menu: the last documents opened or saved, newest first, at
// most kSize, kept in the application's settings as "Recent File List/File1" .. "File4". A file
// is listed once, by its canonical path (links and "..", resolved), however it was reached.

#include <QSettings>
#include <QStringList>

namespace TavWorkbench::Ui {

class RecentFileList {
public:
    static constexpr int kSize = 4;
    static constexpr const char* kGroup = "Recent File List";

    // Reads the list from `settings`, which must outlive it.
    explicit RecentFileList(QSettings& settings);

    const QStringList& Files() const { return m_files; }
    // Puts `path` (made absolute) first, dropping an older entry of it and the oldest beyond
    // kSize; writes the list back.
    void Add(const QString& path);
    void Remove(const QString& path);
    // The File menu's text of entry `i`: "&1 name", or the whole path where another entry has
    // the same file name.
    QString MenuText(int i) const;

private:
    void Save();

    QSettings& m_settings;
    QStringList m_files;
};

} // namespace TavWorkbench::Ui
