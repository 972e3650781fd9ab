#ifndef NOLINEAR_H
#define NOLINEAR_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class nolinear : public QWidget
{
    Q_OBJECT
public:
    explicit nolinear(QWidget *parent = nullptr);
};

#endif // NOLINEAR_H
