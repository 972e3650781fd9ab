#include "nolinear.h"

nolinear::nolinear(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("nolinear"));
}
