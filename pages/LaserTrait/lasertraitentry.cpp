// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "lasertrait.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry LaserTraitPageEntry()
{
    return makePageEntry<LaserTrait>(
        "actionLasertrit", QStringLiteral("激光器相关"),
        QT_TRANSLATE_NOOP("FBMainWindow", "激光器参数"),
        QT_TRANSLATE_NOOP("FBMainWindow", "纵模间隔、光光效率、量子亏损、小信号增益"), 6);
}
