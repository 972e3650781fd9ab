// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "fbamp.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry fbampPageEntry()
{
    return makePageEntry<fbamp>(
        "actionFbamp", QStringLiteral("光纤放大器"),
        QT_TRANSLATE_NOOP("FBMainWindow", "光纤放大器"),
        QT_TRANSLATE_NOOP("FBMainWindow", "掺镱光纤放大器与激光器：泵浦、信号、ASE与热负载"), 8);
}
