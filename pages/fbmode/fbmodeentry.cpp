// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "fbmode.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry fbmodePageEntry()
{
    return makePageEntry<fbmode>("actionFBmode", QStringLiteral("光纤模式"),
                                 QT_TRANSLATE_NOOP("FBMainWindow", "光纤模式参数"),
                                 QT_TRANSLATE_NOOP("FBMainWindow", "光纤模式、光束质量、模式损耗"),
                                 3);
}
