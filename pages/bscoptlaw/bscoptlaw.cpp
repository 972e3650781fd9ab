#include "bscoptlaw.h"

bscoptlaw::bscoptlaw(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("bscoptlaw"));
}
