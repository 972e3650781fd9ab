#include "lasertrait.h"

LaserTrait::LaserTrait(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LaserTrait"));
}
