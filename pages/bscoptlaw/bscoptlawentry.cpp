// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "bscoptlaw.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry bscoptlawPageEntry()
{
    return makePageEntry<bscoptlaw>("actionBscLaw", QStringLiteral("几何光学定律"),
                                    QT_TRANSLATE_NOOP("FBMainWindow", "几何光学参数"),
                                    QT_TRANSLATE_NOOP("FBMainWindow", "反射折射"), 0);
}
