#ifndef BSCOPTLAW_H
#define BSCOPTLAW_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class bscoptlaw : public QWidget
{
    Q_OBJECT
public:
    explicit bscoptlaw(QWidget *parent = nullptr);
};

#endif // BSCOPTLAW_H
