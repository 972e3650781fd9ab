// The page's entry in the window's page list (pages/page_list.cpp).
#include "fblimits.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry fblimitsPageEntry()
{
    return makePageEntry<fblimits>(
        "actionFblimits", QStringLiteral("功率极限"), QT_TRANSLATE_NOOP("FBMainWindow", "功率极限"),
        QT_TRANSLATE_NOOP("FBMainWindow",
                          "功率极限：热、非线性、损伤、泵浦亮度与模式不稳定的最大输出功率"),
        9);
}
