#pragma once
// Prints the model listing: one listing line per printed line, the lines of each page drawn
// from the top-left corner with tab stops every four average character widths, as many lines a
// page as its printable height holds. Print shows the print dialog first; Preview the preview.

#include "workbench/model/TavModel.hpp"

#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace TavDialogs {

class ModelPrinter {
public:
    // Draws `lines` on `printer`'s pages; returns how many pages it printed (0 when the printer
    // could not be opened).
    static int PrintListing(QPrinter& printer, const std::vector<std::string>& lines);
    static void Print(QWidget* parent, const TavWorkbench::TavModel& model, const std::string& title);
    static void Preview(QWidget* parent, const TavWorkbench::TavModel& model, const std::string& title);
};

} // namespace TavDialogs
