#pragma once
// What the user's guide holds, read from its HTML pages without any window: the pages in reading
// order, the headings that make its contents, every anchor a window can ask for, and the links
// that lead nowhere. The help window and the F1 key look sections up here; tests walk it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace TavHelp {

// A heading of the guide that carries an anchor: one line of the contents.
struct GuideSection {
    std::string page;   // file name, "workbench.html"
    std::string anchor; // the heading's id, unique in the whole guide
    std::string title;  // the heading's text, tags removed and entities decoded
    int level = 1;      // 1 for <h1>, 2 for <h2>, 3 for <h3>
};

class GuideIndex {
public:
    using Page = std::pair<std::string, std::string>; // file name, HTML text

    // The start page is "index.html" (the first page when there is none); the other pages follow
    // in the order the start page first links to them, pages it never links to last by name.
    explicit GuideIndex(std::vector<Page> pages);

    const std::string& StartPage() const { return m_start; }
    // File names in reading order, the start page first.
    const std::vector<std::string>& Pages() const { return m_pages; }
    // Headings with an anchor (levels 1 to 3), in reading order.
    const std::vector<GuideSection>& Sections() const { return m_sections; }

    // The page that defines `anchor` (an id or a name attribute), nullopt when none does.
    std::optional<std::string> PageOf(std::string_view anchor) const;
    // The first of `anchors` (the innermost window's first) that the guide defines.
    std::optional<std::string> FirstKnown(std::span<const std::string> anchors) const;
    // The title of the heading `anchor`, empty when it is no heading.
    std::string TitleOf(std::string_view anchor) const;

    // Links within the guide ("page.html#anchor", "#anchor", "page.html") that name a page or an
    // anchor the guide does not have, as "page: link".
    std::vector<std::string> BrokenLinks() const;
    // Anchors defined more than once in the guide.
    std::vector<std::string> DuplicateAnchors() const;

private:
    struct Anchor {
        std::string page;
        std::string name;
    };
    struct Link {
        std::string page;
        std::string href;
    };

    std::string m_start;
    std::vector<std::string> m_pages;
    std::vector<GuideSection> m_sections;
    std::vector<Anchor> m_anchors;
    std::vector<Link> m_links;
};

} // namespace TavHelp
