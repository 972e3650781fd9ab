#ifndef FBOPTFORM_H
#define FBOPTFORM_H

// The fiber-parameters page's form, built in code: doping concentration,
// intrinsic loss, fill factor and end-face reflectivity, one tab each, with a
// title, an input group holding the "计算" button and an output group. Object
// names are the ones the main window's clear, default and export commands use.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace Ui {

class fbopt
{
public:
    QTabWidget *tabWidget;

    // Tab 0: doping concentration.
    QWidget *tab;
    QLabel *label;
    QGroupBox *groupBox; // inputs
    QLabel *alabel_2;
    QLineEdit *m_alineEdit_2;
    QLabel *blabel_2;
    QLineEdit *m_blineEdit_2;
    QLabel *alphalabel;
    QLineEdit *m_alphalineEdit;
    QLabel *absorb_sectionlabel;
    QLineEdit *m_absorb_sectionlineEdit;
    QPushButton *pushButton_4;
    QGroupBox *groupBox_2; // outputs
    QLabel *N_label;
    QLineEdit *m_NlabelLineEdit;
    QLabel *NFormula;

    // Tab 1: intrinsic loss.
    QWidget *tab_2;
    QLabel *label_2;
    QGroupBox *groupBox_3;
    QLabel *P_in_label;
    QLineEdit *m_P_in_lineEdit;
    QLabel *P_out_label;
    QLineEdit *m_P_out_lineEdit;
    QLabel *L_flabel;
    QLineEdit *m_L_flineEdit;
    QPushButton *pushButton_2;
    QGroupBox *groupBox_4;
    QLabel *Alpha_totallabel;
    QLineEdit *m_Alpha_totallineEdit;
    QLabel *Alpha_totallabelFormula;
    QLabel *Alpha_averagelabel;
    QLineEdit *m_Alpha_averagelineEdit;
    QLabel *Alpha_averageFormula;

    // Tab 2: fill factor.
    QWidget *tab_3;
    QLabel *label_3;
    QGroupBox *groupBox_5;
    QLabel *alabel;
    QLineEdit *m_alineEdit;
    QLabel *blabel;
    QLineEdit *m_blineEdit;
    QPushButton *pushButton_3;
    QGroupBox *groupBox_6;
    QLabel *Gamma_label;
    QLineEdit *m_GammalabelLineEdit;
    QLabel *rFormula;

    // Tab 3: end-face reflectivity.
    QWidget *tab_4;
    QLabel *label_4;
    QGroupBox *groupBox_7;
    QLabel *Lambdalabel;
    QLineEdit *m_LambdalineEdit;
    QLabel *Alabel;
    QLineEdit *m_A_lineEdit;
    QLabel *N1label;
    QLineEdit *m_N1lineEdit;
    QLabel *N2label;
    QLineEdit *m_N2lineEdit;
    QLabel *NAlabel;
    QLineEdit *m_NALineEdit;
    QLabel *thetalabel;
    QLineEdit *m_thetalineEdit;
    QPushButton *pushButton_5;
    QGroupBox *groupBox_8; // mode selection
    QLabel *modeLabel;
    QComboBox *mdcomboBox;
    QGroupBox *groupBox_9; // outputs
    QLabel *Betalabel_2;
    QLineEdit *m_nefflineEdit;
    QLabel *rlabel;
    QLineEdit *m_rlineEdit;
    QLabel *rthetaFormula;
    QLabel *Elabel;
    QLineEdit *m_RlineEdit;
    QLabel *RFormula;
    QLabel *RFormula1; // "|E(r)| = {"
    QLabel *Elabel_2;  // core branch
    QLabel *Elabel_3;  // cladding branch

    void setupUi(QWidget *page);

private:
    void setupDopingTab();
    void setupLossTab();
    void setupFillFactorTab();
    void setupEndFaceTab();
};

} // namespace Ui

#endif // FBOPTFORM_H
