#include "pageexport.h"

#include <QCoreApplication>

QString pictureFileName(const char *chineseName)
{
    return QCoreApplication::translate("PictureFileName", chineseName) + QStringLiteral(".jpg");
}
