#ifndef LASERTRAIT_H
#define LASERTRAIT_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class LaserTrait : public QWidget
{
    Q_OBJECT
public:
    explicit LaserTrait(QWidget *parent = nullptr);
};

#endif // LASERTRAIT_H
