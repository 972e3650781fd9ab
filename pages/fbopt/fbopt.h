#ifndef FBOPT_H
#define FBOPT_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class fbopt : public QWidget
{
    Q_OBJECT
public:
    explicit fbopt(QWidget *parent = nullptr);
};

#endif // FBOPT_H
