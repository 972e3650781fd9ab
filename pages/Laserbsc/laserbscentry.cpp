// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "laserbsc.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry LaserbscPageEntry()
{
    return makePageEntry<Laserbsc>("actionBscLaser", QStringLiteral("激光基本特性"),
                                   QT_TRANSLATE_NOOP("FBMainWindow", "连续激光参数"),
                                   QT_TRANSLATE_NOOP("FBMainWindow", "频率与相干性"), 5);
}
