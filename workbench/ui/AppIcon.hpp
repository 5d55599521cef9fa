#pragma once
// The workbench's icon and splash picture, drawn rather than loaded, so that no image plug-in
// is needed: a grid of queens' squares with the program's name.

#include <QIcon>
#include <QPixmap>

namespace TavWorkbench::Ui {

QIcon AppIcon();
// The splash picture, `width` x `height` pixels.
QPixmap SplashPicture(int width = 420, int height = 240);

} // namespace TavWorkbench::Ui
