#pragma once
// Room for a window's title: a window manager cuts a title that is wider than the window's title
// bar ("FC Parameters Settings" over a narrow dialog), so a dialog is shown at least as wide as
// its title needs.

class QWidget;

namespace TavWorkbench::Ui {

// The width (pixels) `window` needs to show its whole title as the title bar draws it: in a
// bold font, with the application's name Qt adds, and room for the bar's icon and buttons.
int TitleWidth(const QWidget& window);
// From now on `window` is widened to TitleWidth whenever it is shown narrower (its height and
// minimum size stay as its layout makes them).
void KeepTitleVisible(QWidget& window);

} // namespace TavWorkbench::Ui
