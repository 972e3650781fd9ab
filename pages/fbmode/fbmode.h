#ifndef FBMODE_H
#define FBMODE_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class fbmode : public QWidget
{
    Q_OBJECT
public:
    explicit fbmode(QWidget *parent = nullptr);
};

#endif // FBMODE_H
