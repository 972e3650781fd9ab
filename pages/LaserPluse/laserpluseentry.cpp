// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "laserpluse.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry LaserPlusePageEntry()
{
    return makePageEntry<LaserPluse>("actionPls", QStringLiteral("脉冲激光"),
                                     QT_TRANSLATE_NOOP("FBMainWindow", "脉冲激光参数"),
                                     QT_TRANSLATE_NOOP("FBMainWindow", "高斯脉冲"), 4);
}
