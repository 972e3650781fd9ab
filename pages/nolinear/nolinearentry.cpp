// The page's entry in the window's page list (pages/page_list.cpp): its
// 查看 and toolbar action, icon, title, status tip and index.
#include "nolinear.h"
#include "pageregistry.h"

#include <QtGlobal>

PageEntry nolinearPageEntry()
{
    return makePageEntry<nolinear>(
        "actionNonlinear", QStringLiteral("非线性效应"),
        QT_TRANSLATE_NOOP("FBMainWindow", "非线性效应"),
        QT_TRANSLATE_NOOP("FBMainWindow", "受激布里渊散射、受激拉曼散射、非线性相移、四波混频"), 1);
}
