#include "fbmode.h"

fbmode::fbmode(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fbmode"));
}
