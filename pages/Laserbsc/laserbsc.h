#ifndef LASERBSC_H
#define LASERBSC_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class Laserbsc : public QWidget
{
    Q_OBJECT
public:
    explicit Laserbsc(QWidget *parent = nullptr);
};

#endif // LASERBSC_H
