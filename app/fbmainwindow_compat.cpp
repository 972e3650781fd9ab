// The page accessors and selecting slots the window has always offered, for
// the callers that use them (tests invoke the slots by name). Each is one
// line over the page list; a new page needs none of them: page(folder),
// pageOf<Page>(), showPage(folder) and showPageOf(folder) serve every page.
#include "fbmainwindow.h"

#include "bscoptlaw.h"
#include "fbamp.h"
#include "fbmode.h"
#include "fbopt.h"
#include "nolinear.h"
#include "threashold.h"

bscoptlaw *FBMainWindow::bscoptlawPagePtr() const
{
    return pageOf<bscoptlaw>();
}
nolinear *FBMainWindow::nolinearPagePtr() const
{
    return pageOf<nolinear>();
}
fbopt *FBMainWindow::fboptPagePtr() const
{
    return pageOf<fbopt>();
}
fbmode *FBMainWindow::fbmodePagePtr() const
{
    return pageOf<fbmode>();
}
threashold *FBMainWindow::threasholdPagePtr() const
{
    return pageOf<threashold>();
}
fbamp *FBMainWindow::fbampPagePtr() const
{
    return pageOf<fbamp>();
}

void FBMainWindow::bsclawtab()
{
    showPage("bscoptlaw");
}
void FBMainWindow::nolineartab()
{
    showPage("nolinear");
}
void FBMainWindow::laserbsctab()
{
    showPage("Laserbsc");
}
void FBMainWindow::traittab()
{
    showPage("LaserTrait");
}
void FBMainWindow::plstab()
{
    showPage("LaserPluse");
}
void FBMainWindow::fbbsctab()
{
    showPage("fbopt");
}
void FBMainWindow::fbmodetab()
{
    showPage("fbmode");
}
void FBMainWindow::threshtab()
{
    showPage("threashold");
}
void FBMainWindow::amptab()
{
    showPage("fbamp");
}
