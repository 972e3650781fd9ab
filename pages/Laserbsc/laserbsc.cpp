#include "laserbsc.h"

Laserbsc::Laserbsc(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Laserbsc"));
}
