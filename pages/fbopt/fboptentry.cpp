// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "fbopt.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry fboptPageEntry()
{
    return makePageEntry<fbopt>(
        "actionFBbsc", QStringLiteral("光纤光学"), QT_TRANSLATE_NOOP("FBMainWindow", "光纤参数"),
        QT_TRANSLATE_NOOP("FBMainWindow", "掺杂浓度、本征损耗、填充因子、端面反射率"), 2);
}
