#include "laserpluse.h"

LaserPluse::LaserPluse(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LaserPluse"));
}
