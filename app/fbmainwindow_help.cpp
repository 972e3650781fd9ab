// Help, introduction and about pages, the system calculator, the constants.
#include "fbmainwindow.h"

void FBMainWindow::about() {}
void FBMainWindow::startAssistant() {}
void FBMainWindow::introduction() {}
void FBMainWindow::showHelpPage(const QString &) {}
void FBMainWindow::sysCalculator() {}
void FBMainWindow::showConstant() {}
