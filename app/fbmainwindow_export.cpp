// Spreadsheet and picture export of the page shown.
#include "fbmainwindow.h"

void FBMainWindow::exportData() {}
void FBMainWindow::exportPic() {}
