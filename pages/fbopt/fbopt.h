#ifndef FBOPT_H
#define FBOPT_H

// Fiber-parameters page: doping concentration, intrinsic loss, cladding fill
// factor, and the end-face reflectivity of an angle-cleaved fiber for a chosen
// LP mode. Formulas live in physics/ (fiberparams.h, modesolver.h,
// reflectivity.h); the slots read fields, call them and write results.

#include <QWidget>

#include <vector>

namespace Ui {
class fbopt;
}

class fbopt : public QWidget
{
    Q_OBJECT

public:
    explicit fbopt(QWidget *parent = nullptr);
    ~fbopt() override;

    // The form, reached by the main window's clear/default/export commands.
    Ui::fbopt *ui;

    // Effective indices of the modes of the last end-face search, in the
    // order of the mode combo box (l ascending, then descending neff).
    const std::vector<double> &modeIndices() const { return modeIndexes; }

protected:
    // QEvent::LanguageChange: every caption and title in the new language.
    void changeEvent(QEvent *event) override;

public slots:
    void calresFB1();   // doping concentration
    void calresFB2();   // intrinsic loss
    void calresFB3();   // fill factor
    void calresFB4();   // end-face modes and reflectivity
    void comboChange(); // reflectivity of the selected mode
    void changeNA();    // n1 edited: NA follows
    void changen1();    // NA edited: n1 follows

private:
    std::vector<double> modeIndexes;
    std::vector<int> modeOrders; // azimuthal order m of each entry of modeIndexes
};

#endif // FBOPT_H
