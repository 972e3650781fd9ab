#ifndef THREASHOLD_H
#define THREASHOLD_H

// PLACEHOLDER: replaced by the real page.
#include <QWidget>

class threashold : public QWidget
{
    Q_OBJECT
public:
    explicit threashold(QWidget *parent = nullptr);
};

#endif // THREASHOLD_H
