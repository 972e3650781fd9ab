#include "threashold.h"

threashold::threashold(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("threashold"));
}
