#pragma once
// The help window: the user's guide (built in as ":/guide/") in a browser with its contents
// beside it, Back, Forward and Contents buttons. One window per owner: opened from a modal
// dialog it belongs to that dialog, so it can be read and used while the dialog waits.

#include "help/GuideIndex.hpp"

#include <QPointer>
#include <QWidget>

#include <string>

class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace TavHelp {

class GuideWindow : public QWidget {
    Q_OBJECT
public:
    // The guide's pages as built into the program.
    static const GuideIndex& Guide();
    // Opens the help window for the window of `from` (the active modal dialog when one runs; may
    // be null), or raises the one it has, at `anchor`; an empty or unknown anchor shows the start.
    static GuideWindow* Open(QWidget* from, const std::string& anchor = {});
    // The window opened or raised last, null when it has been closed.
    static GuideWindow* Latest();

    explicit GuideWindow(QWidget* owner = nullptr);

    // Shows the section `anchor` (the start page when empty or not in the guide).
    void ShowSection(const std::string& anchor);
    // The page shown ("dialogs.html") and the anchor scrolled to ("" at a page's top).
    std::string CurrentPage() const;
    std::string CurrentAnchor() const;

    QTextBrowser* Browser() const { return m_browser; }
    QTreeWidget* Contents() const { return m_contents; }

private:
    void BuildContents();
    void FollowSource(const QUrl& url);

    QTextBrowser* m_browser = nullptr;
    QTreeWidget* m_contents = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QToolButton* m_home = nullptr;
};

} // namespace TavHelp
