#pragma once
// Small helpers the list-holding views share: a list widget named `name`, filled from texts,
// whose rows the user may drag to a new place.

#include <QListWidget>

#include <functional>
#include <string>
#include <vector>

namespace TavDialogs {

// A list widget; with `onMove` the user may drag a row, and onMove(from, to) hears of it.
QListWidget* MakeList(QWidget* parent, const char* name, std::function<void(int, int)> onMove = {});
// Replaces the rows with `texts`.
void FillList(QListWidget* list, const std::vector<std::string>& texts);

} // namespace TavDialogs
