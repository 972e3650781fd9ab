#ifndef BSCOPTLAW_H
#define BSCOPTLAW_H

#include <QWidget>

namespace Ui {
class bscoptlaw;
}

// Geometric-optics page: angle of refraction, Brewster angle and critical
// angle of total internal reflection for light going from index n1 into n2.
// The angle of incidence is entered in degrees or radians; the two fields
// follow each other, and the calculation reads the radian field.
class bscoptlaw : public QWidget
{
    Q_OBJECT

public:
    explicit bscoptlaw(QWidget *parent = nullptr);
    ~bscoptlaw() override;

    // The form; the main window reaches the fields by object name
    // (clear, default parameters, export).
    Ui::bscoptlaw *form() const { return ui; }

protected:
    // QEvent::LanguageChange: the captions anew, inputs and results kept.
    void changeEvent(QEvent *event) override;

private slots:
    void calresBscopt();
    void changeAng();
    void changeRad();

private:
    Ui::bscoptlaw *ui;
};

#endif // BSCOPTLAW_H
