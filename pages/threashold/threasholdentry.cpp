// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "pageregistry.h"
#include "threashold.h"

#include <QtGlobal>

PageEntry threasholdPageEntry()
{
    return makePageEntry<threashold>("actionThreshold", QStringLiteral("不稳定阈值"),
                                     QT_TRANSLATE_NOOP("FBMainWindow", "不稳定阈值"),
                                     QT_TRANSLATE_NOOP("FBMainWindow", "均匀双包层光纤"), 7);
}
