#ifndef NOLINEAR_H
#define NOLINEAR_H

// Nonlinear-effects page: SBS and SRS thresholds with the Stokes-shifted
// wavelengths, the nonlinear phase of a pulse in a transmission or gain fiber,
// and the four-wave-mixing phase mismatch. Four independent tabs; the
// formulas live in physics/nonlinear.h, the slots only read and write fields.

#include <QWidget>

namespace Ui {
class nolinear;
}

class nolinear : public QWidget
{
    Q_OBJECT

public:
    explicit nolinear(QWidget *parent = nullptr);
    ~nolinear() override;

    // The form, reached by the main window's clear/default/export commands.
    Ui::nolinear *ui;

protected:
    // QEvent::LanguageChange: every caption and title in the new language.
    void changeEvent(QEvent *event) override;

public slots:
    void calresNolinear1(); // SBS
    void calresNolinear2(); // SRS
    void calresNolinear3(); // nonlinear phase
    void calresNolinear4(); // four-wave mixing
    void labelChange1();    // transmission fiber chosen
    void labelChange2();    // gain fiber chosen
};

#endif // NOLINEAR_H
