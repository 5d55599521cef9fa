#pragma once
// The modeless statistics window as the frame sees it: a window it places and brings to the
// front, and the text it shows. The window deletes itself when the user closes it; the frame
// notices through the widget's destruction and forgets it.

#include <string>

class QWidget;

namespace TavWorkbench::Ui {

class StatisticsWindow {
public:
    virtual ~StatisticsWindow() = default;
    // The window itself.
    virtual QWidget* Widget() = 0;
    // Replaces the text shown (line breaks "\r\n").
    virtual void SetStatsText(const std::string& text) = 0;
};

} // namespace TavWorkbench::Ui
