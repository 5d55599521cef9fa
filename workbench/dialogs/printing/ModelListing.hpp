#pragma once
// The printed model: the problem as an indented listing in the modelling language's layout, one
// text line per printed line (tabs are part of the lines), and its division into pages.

#include "workbench/model/TavModel.hpp"

#include <string>
#include <vector>

namespace TavDialogs {

// "Problem:<title>", "{", the Data, Domains (when a domain is not predefined; Boolean and Float
// domains are left out), Variables, Constraints and Optimisation sections (each "\t<name>",
// "\t{", its lines indented by two tabs, "\t}"), "}".
std::vector<std::string> ModelListing(const TavWorkbench::TavModel& model, const std::string& title);

// How a listing of `lineCount` lines falls on pages of `linesPerPage` lines (at least 1).
class ListingPages {
public:
    ListingPages(int lineCount, int linesPerPage);
    // Lines that fit a printable height at a line height (both in the same units, either may be
    // negative as device coordinates go); at least 1.
    static int LinesPerPage(double printableHeight, double lineHeight);

    int LinesPerPage() const { return m_perPage; }
    // At least 1 (an empty listing prints one page); no empty page after a full last page.
    int PageCount() const;
    // The first line of page `page` (from 1) and one past its last.
    int FirstLine(int page) const;
    int EndLine(int page) const;

private:
    int m_lines;
    int m_perPage;
};

} // namespace TavDialogs
