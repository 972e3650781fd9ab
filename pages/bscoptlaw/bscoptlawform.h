#ifndef BSCOPTLAWFORM_H
#define BSCOPTLAWFORM_H

// Form of the geometric-optics page, built in code: one tab with the two
// indices and the angle of incidence (degrees and radians side by side) above
// the three output angles, each in degrees and radians with its formula.
// Object names are the ones the main window's clear, default-parameter and
// export commands use.

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace Ui {

class bscoptlaw
{
public:
    QTabWidget *tabWidget;
    QWidget *tab;
    QLabel *label;

    QGroupBox *groupBox; // inputs
    QLabel *RfrLabel1;
    QLineEdit *m_RfrlineEdit_1;
    QLabel *RfrLabel2;
    QLineEdit *m_RfrlineEdit_2;
    QLabel *ThetaLabel1;
    QLineEdit *m_ThetalineEdit_3; // degrees
    QLabel *DegLabel;
    QLineEdit *m_RadianlineEdit;
    QLabel *RadLabel;
    QPushButton *pushButton;

    QGroupBox *groupBox_2; // outputs: degrees | radians | formula
    QLabel *ThetaLabel1_4;
    QLabel *ThetaLabel1_5;
    QLabel *ThetaLabel2;
    QLineEdit *m_RadlineEdit_8;
    QLineEdit *m_ThetalineEdit_4;
    QLabel *Theta2Formula;
    QLabel *BRSTAng;
    QLineEdit *m_RadlineEdit_9;
    QLineEdit *m_ThetalineEdit_6;
    QLabel *ThetabFormula;
    QLabel *CrtAng;
    QLineEdit *m_RadlineEdit_10;
    QLineEdit *m_ThetalineEdit_5;
    QLabel *ThetacFormula;

    void setupUi(QWidget *page);
    // Captions, titles and the default input texts.
    void retranslateUi(QWidget *page);
};

} // namespace Ui

#endif // BSCOPTLAWFORM_H
