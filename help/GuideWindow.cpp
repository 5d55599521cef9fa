#include "help/GuideWindow.hpp"

#include "help/ContextHelp.hpp"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include <map>

// The guide's resource comes from a library: naming its initialiser links it into the program.
static void InitGuideResource() {
    Q_INIT_RESOURCE(tav_guide);
}

namespace TavHelp {

namespace {

constexpr const char* kResourceFolder = ":/guide";
constexpr int kPageRole = Qt::UserRole;
constexpr int kAnchorRole = Qt::UserRole + 1;

QPointer<GuideWindow>& LatestWindow() {
    static QPointer<GuideWindow> latest;
    return latest;
}

QUrl PageUrl(const std::string& page, const std::string& anchor = {}) {
    QUrl url(QStringLiteral("qrc:/guide/") + QString::fromStdString(page));
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    return url;
}

QToolButton* Button(QWidget* parent, const QString& text, QStyle::StandardPixmap icon, const char* name,
                    const QString& whatsThis) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setObjectName(QString::fromLatin1(name));
    button->setWhatsThis(whatsThis);
    button->setAutoRaise(true);
    return button;
}

} // namespace

const GuideIndex& GuideWindow::Guide() {
    static const GuideIndex guide = [] {
        InitGuideResource();
        std::vector<GuideIndex::Page> pages;
        const QDir folder(QString::fromLatin1(kResourceFolder));
        for (const QString& name : folder.entryList({QStringLiteral("*.html")}, QDir::Files)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) continue;
            pages.emplace_back(name.toStdString(), file.readAll().toStdString());
        }
        return GuideIndex(std::move(pages));
    }();
    return guide;
}

GuideWindow* GuideWindow::Latest() {
    return LatestWindow().data();
}

GuideWindow* GuideWindow::Open(QWidget* from, const std::string& anchor) {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr && from != nullptr) owner = from->window();
    auto* window = qobject_cast<GuideWindow*>(owner);
    if (window == nullptr && owner != nullptr)
        window = owner->findChild<GuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr && owner == nullptr) window = Latest();
    if (window == nullptr) window = new GuideWindow(owner);
    window->ShowSection(anchor);
    window->show();
    window->raise();
    window->activateWindow();
    LatestWindow() = window;
    return window;
}

GuideWindow::GuideWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(QStringLiteral("User's Guide"));
    resize(960, 680);

    m_back = Button(this, QStringLiteral("Back"), QStyle::SP_ArrowBack, "back",
                    QStringLiteral("Goes back to the section shown before (Alt+Left)."));
    m_forward = Button(this, QStringLiteral("Forward"), QStyle::SP_ArrowForward, "forward",
                       QStringLiteral("Goes forward again to the section you came back from (Alt+Right)."));
    m_home = Button(this, QStringLiteral("Contents"), QStyle::SP_DirHomeIcon, "home",
                    QStringLiteral("Shows the guide's first page with its table of contents."));
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setHeaderHidden(true);
    m_contents->setWhatsThis(QStringLiteral("The guide's chapters and sections: click one to read it."));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("browser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setWhatsThis(
        QStringLiteral("The section of the guide you are reading; links lead to others."));

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch();
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 700});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    BuildContents();
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { ShowSection({}); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &GuideWindow::FollowSource);
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        m_browser->setSource(PageUrl(item->data(0, kPageRole).toString().toStdString(),
                                     item->data(0, kAnchorRole).toString().toStdString()));
    });
    ContextHelp::Set(this, "help-window");
}

void GuideWindow::BuildContents() {
    // Each heading hangs under the nearest heading of a higher level before it.
    std::map<int, QTreeWidgetItem*> parents;
    for (const GuideSection& section : Guide().Sections()) {
        QTreeWidgetItem* parent = nullptr;
        for (int level = section.level - 1; level >= 1 && parent == nullptr; --level)
            if (parents.contains(level)) parent = parents[level];
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, QString::fromStdString(section.title));
        item->setData(0, kPageRole, QString::fromStdString(section.page));
        item->setData(0, kAnchorRole, QString::fromStdString(section.anchor));
        parents[section.level] = item;
        for (int deeper = section.level + 1; deeper <= 3; ++deeper)
            parents.erase(deeper);
    }
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i)
        m_contents->topLevelItem(i)->setExpanded(true);
}

void GuideWindow::ShowSection(const std::string& anchor) {
    const GuideIndex& guide = Guide();
    const std::optional<std::string> page = anchor.empty() ? std::nullopt : guide.PageOf(anchor);
    const QUrl url = page ? PageUrl(*page, anchor) : PageUrl(guide.StartPage());
    // The same address again would not scroll back to its anchor.
    if (m_browser->source() == url)
        m_browser->scrollToAnchor(url.fragment());
    else
        m_browser->setSource(url);
}

std::string GuideWindow::CurrentPage() const {
    return m_browser->source().fileName().toStdString();
}

std::string GuideWindow::CurrentAnchor() const {
    return m_browser->source().fragment().toStdString();
}

void GuideWindow::FollowSource(const QUrl& url) {
    const QString page = url.fileName();
    const QString anchor = url.fragment();
    QTreeWidgetItem* best = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it != nullptr; ++it) {
        if ((*it)->data(0, kPageRole).toString() != page) continue;
        if (best == nullptr) best = *it;
        if ((*it)->data(0, kAnchorRole).toString() == anchor) {
            best = *it;
            break;
        }
    }
    const QSignalBlocker blocker(m_contents);
    m_contents->setCurrentItem(best);
    if (best != nullptr) m_contents->scrollToItem(best);
}

} // namespace TavHelp
