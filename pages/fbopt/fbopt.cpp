#include "fbopt.h"

fbopt::fbopt(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fbopt"));
}
