// Window appearance and persisted settings.
#include "fbmainwindow.h"

void FBMainWindow::restoreSettings() {}
void FBMainWindow::showWindowColorDialog() {}
void FBMainWindow::windowColorChange(QColor) {}
void FBMainWindow::defaultSettings() {}
void FBMainWindow::topshow() {}
