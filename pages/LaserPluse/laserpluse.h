#ifndef LASERPLUSE_H
#define LASERPLUSE_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class LaserPluse : public QWidget
{
    Q_OBJECT
public:
    explicit LaserPluse(QWidget *parent = nullptr);
};

#endif // LASERPLUSE_H
