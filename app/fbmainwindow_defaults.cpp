// Restoring the default parameters of the page shown.
#include "fbmainwindow.h"

void FBMainWindow::defaultPar() {}
