// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "pageregistry.h"
#include "pulseamp.h"

#include <QtGlobal>

PageEntry pulseampPageEntry()
{
    return makePageEntry<pulseamp>(
        "actionPulseamp", QStringLiteral("脉冲放大"), QT_TRANSLATE_NOOP("FBMainWindow", "脉冲放大"),
        QT_TRANSLATE_NOOP(
            "FBMainWindow",
            "脉冲在光纤中的传输：色散、自相位调制、拉曼与自陡峭（广义非线性薛定谔方程）"),
        10);
}
