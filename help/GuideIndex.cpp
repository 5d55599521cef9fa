#include "help/GuideIndex.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>

namespace TavHelp {

namespace {

constexpr std::string_view kStartPage = "index.html";

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// One start tag of the page: its name (lower case) and its attributes' text.
struct Tag {
    std::string name;
    std::string attributes;
    std::size_t end = 0; // just past the tag's '>'
};

// The tag that starts at `at` ('<'), or nullopt for a closing tag, a comment or a declaration.
std::optional<Tag> ReadTag(std::string_view html, std::size_t at) {
    const std::size_t close = html.find('>', at);
    if (close == std::string_view::npos) return std::nullopt;
    std::size_t i = at + 1;
    if (i >= html.size() || !std::isalpha(static_cast<unsigned char>(html[i]))) return std::nullopt;
    std::size_t nameEnd = i;
    while (nameEnd < close && std::isalnum(static_cast<unsigned char>(html[nameEnd])))
        ++nameEnd;
    return Tag{Lower(html.substr(i, nameEnd - i)), std::string(html.substr(nameEnd, close - nameEnd)),
               close + 1};
}

// The value of attribute `name` in a tag's attributes text ("" when absent). Our pages quote
// every value with double quotes.
std::string Attribute(std::string_view attributes, std::string_view name) {
    const std::string lower = Lower(attributes);
    std::size_t from = 0;
    while (true) {
        const std::size_t at = lower.find(name, from);
        if (at == std::string::npos) return {};
        from = at + 1;
        const bool startsWord = at == 0 || std::isspace(static_cast<unsigned char>(lower[at - 1]));
        std::size_t i = at + name.size();
        while (i < lower.size() && lower[i] == ' ')
            ++i;
        if (!startsWord || i >= lower.size() || lower[i] != '=') continue;
        ++i;
        while (i < lower.size() && lower[i] == ' ')
            ++i;
        if (i >= lower.size() || (lower[i] != '"' && lower[i] != '\'')) continue;
        const char quote = lower[i];
        const std::size_t end = lower.find(quote, i + 1);
        if (end == std::string::npos) return {};
        return std::string(attributes.substr(i + 1, end - i - 1));
    }
}

// Text with its tags removed, entities decoded and blanks collapsed.
std::string PlainText(std::string_view html) {
    static const std::map<std::string, std::string, std::less<>> kEntities = {
        {"amp", "&"},        {"lt", "<"},         {"gt", ">"},         {"quot", "\""},
        {"apos", "'"},       {"nbsp", " "},       {"#39", "'"},        {"rsquo", "\u2019"},
        {"lsquo", "\u2018"}, {"ldquo", "\u201c"}, {"rdquo", "\u201d"}, {"ndash", "\u2013"},
        {"mdash", "\u2014"}, {"hellip", "\u2026"}};
    std::string text;
    bool blank = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t close = html.find('>', i);
            if (close == std::string_view::npos) break;
            i = close;
            continue;
        }
        std::string piece(1, c);
        if (c == '&') {
            const std::size_t semi = html.find(';', i);
            if (semi != std::string_view::npos && semi - i <= 8) {
                const auto found = kEntities.find(html.substr(i + 1, semi - i - 1));
                if (found != kEntities.end()) {
                    piece = found->second;
                    i = semi;
                }
            }
        }
        if (piece.size() == 1 && std::isspace(static_cast<unsigned char>(piece[0]))) {
            blank = !text.empty();
            continue;
        }
        if (blank) text += ' ';
        blank = false;
        text += piece;
    }
    return text;
}

// The pages linked from `html` in the order of their first link (no anchors, no repeats).
std::vector<std::string> LinkedPages(std::string_view html) {
    std::vector<std::string> pages;
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        const std::optional<Tag> tag = ReadTag(html, at);
        if (!tag || tag->name != "a") continue;
        std::string href = Attribute(tag->attributes, "href");
        href = href.substr(0, href.find('#'));
        if (!href.empty() && std::find(pages.begin(), pages.end(), href) == pages.end())
            pages.push_back(href);
    }
    return pages;
}

} // namespace

GuideIndex::GuideIndex(std::vector<Page> pages) {
    std::sort(pages.begin(), pages.end());
    const auto start =
        std::find_if(pages.begin(), pages.end(), [](const Page& p) { return p.first == kStartPage; });
    if (start != pages.end()) std::rotate(pages.begin(), start, start + 1);
    if (!pages.empty()) {
        m_start = pages.front().first;
        // The start page's links set the reading order; a stable sort keeps the rest by name.
        const std::vector<std::string> order = LinkedPages(pages.front().second);
        const auto rank = [&order](const Page& p) {
            const auto at = std::find(order.begin(), order.end(), p.first);
            return at - order.begin();
        };
        std::stable_sort(pages.begin() + 1, pages.end(),
                         [&rank](const Page& a, const Page& b) { return rank(a) < rank(b); });
    }

    static constexpr std::array<std::string_view, 3> kHeadings = {"h1", "h2", "h3"};
    for (const auto& [name, html] : pages) {
        m_pages.push_back(name);
        std::string_view text = html;
        for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
            const std::optional<Tag> tag = ReadTag(text, at);
            if (!tag) continue;
            const std::string id = Attribute(tag->attributes, "id");
            const std::string anchorName =
                tag->name == "a" ? Attribute(tag->attributes, "name") : std::string();
            if (!id.empty()) m_anchors.push_back({name, id});
            if (!anchorName.empty() && anchorName != id) m_anchors.push_back({name, anchorName});
            if (tag->name == "a") {
                const std::string href = Attribute(tag->attributes, "href");
                if (!href.empty()) m_links.push_back({name, href});
            }
            const auto heading = std::find(kHeadings.begin(), kHeadings.end(), tag->name);
            if (heading == kHeadings.end() || id.empty()) continue;
            const std::size_t close = Lower(text.substr(tag->end)).find("</" + tag->name);
            const std::string_view inner =
                text.substr(tag->end, close == std::string::npos ? std::string_view::npos : close);
            m_sections.push_back(
                {name, id, PlainText(inner), static_cast<int>(heading - kHeadings.begin()) + 1});
        }
    }
}

std::optional<std::string> GuideIndex::PageOf(std::string_view anchor) const {
    for (const Anchor& a : m_anchors)
        if (a.name == anchor) return a.page;
    return std::nullopt;
}

std::optional<std::string> GuideIndex::FirstKnown(std::span<const std::string> anchors) const {
    for (const std::string& anchor : anchors)
        if (PageOf(anchor)) return anchor;
    return std::nullopt;
}

std::string GuideIndex::TitleOf(std::string_view anchor) const {
    for (const GuideSection& section : m_sections)
        if (section.anchor == anchor) return section.title;
    return {};
}

std::vector<std::string> GuideIndex::BrokenLinks() const {
    std::vector<std::string> broken;
    for (const Link& link : m_links) {
        const std::string& href = link.href;
        // Links out of the guide (a web address, mail) are not ours to check.
        if (href.find(':') != std::string::npos) continue;
        const std::size_t hash = href.find('#');
        const std::string page = hash == 0 ? link.page : href.substr(0, hash);
        const std::string anchor = hash == std::string::npos ? std::string() : href.substr(hash + 1);
        const bool pageKnown = std::find(m_pages.begin(), m_pages.end(), page) != m_pages.end();
        const bool anchorKnown = anchor.empty() || PageOf(anchor) == page;
        if (!pageKnown || !anchorKnown) broken.push_back(link.page + ": " + href);
    }
    return broken;
}

std::vector<std::string> GuideIndex::DuplicateAnchors() const {
    std::set<std::string> seen;
    std::vector<std::string> twice;
    for (const Anchor& a : m_anchors)
        if (!seen.insert(a.name).second) twice.push_back(a.name);
    return twice;
}

} // namespace TavHelp
