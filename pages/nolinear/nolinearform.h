#ifndef NOLINEARFORM_H
#define NOLINEARFORM_H

// The nonlinear-effects page's form, built in code: four tabs (SBS, SRS,
// nonlinear phase, four-wave mixing), each with a title, an output group above
// an input group and its own "计算" button. Object names are the ones the main
// window's clear, default and export commands look up.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

namespace Ui {

class nolinear
{
public:
    QTabWidget *tabWidget;

    // Tab 0: stimulated Brillouin scattering.
    QWidget *tab_3;
    QLabel *label_7;
    QGroupBox *groupBox_5; // outputs
    QLabel *GBLabel;
    QLineEdit *m_GBlineEdit;
    QLabel *GBLabel_2;
    QLabel *SBSLabel;
    QLineEdit *m_SBSLineEdit;
    QLabel *SBSFormula;
    QLabel *ThetaLabel2_2;
    QLineEdit *m_LambdaBlineEdit_2;
    QLabel *LambdasFormula_2;
    QGroupBox *groupBox_6; // inputs
    QLabel *LLabel;
    QLineEdit *m_LlineEdit;
    QLabel *KLabel;
    QLineEdit *m_KLineEdit;
    QLabel *NLabel;
    QLineEdit *m_NLineEdit;
    QLabel *GLabel;
    QLineEdit *m_GLineEdit;
    QLabel *REffLabel;
    QLineEdit *m_REffLineEdit;
    QLabel *TbLabel;
    QLineEdit *m_TbLineEdit;
    QLabel *LambdaPLabel_4;
    QLineEdit *m_LamdaPlineEdit_3;
    QLabel *VaLabel;
    QLineEdit *m_VaLineEdit;
    QLabel *RouLabel;
    QLineEdit *m_RouLineEdit;
    QLabel *DeltaBLabel_2;
    QLineEdit *m_DeltaBlineEdit_2;
    QLabel *Gamma_eLabel;
    QLineEdit *m_GammaELineEdit;
    QPushButton *pushButton_3;

    // Tab 1: stimulated Raman scattering.
    QWidget *tab_2;
    QLabel *label_8;
    QGroupBox *groupBox_8; // outputs
    QLabel *SRS_dLabel;
    QLineEdit *m_SRSdLineEdit;
    QLabel *SRS_dLabel_2;
    QLabel *SRS_aLabel;
    QLineEdit *m_SRSaLineEdit;
    QLabel *SRS_aLabel_2;
    QLabel *SRS_oLabel;
    QLineEdit *m_SRSoLineEdit;
    QLabel *SRS_oLabel_2;
    QLabel *LambdaRLabel_3;
    QLineEdit *m_LambdaRlineEdit_2;
    QLabel *LambdaRLabel_4;
    QGroupBox *groupBox_7; // inputs
    QLabel *LLabel_2;
    QLineEdit *m_LlineEdit_2;
    QLabel *GLabel_2;
    QLineEdit *m_GLineEdit_2;
    QLabel *Alpha_sLabel;
    QLineEdit *m_Alpha_sLineEdit;
    QLabel *R1Label;
    QLineEdit *m_R1LineEdit;
    QLabel *R2Label;
    QLineEdit *m_R2LineEdit;
    QLabel *REffLabel_2;
    QLineEdit *m_REffLineEdit_2;
    QLabel *GRLabel;
    QLineEdit *m_GRLineEdit;
    QLabel *Alpha_pLabel;
    QLineEdit *m_Alpha_pLineEdit;
    QLabel *BetaLabel;
    QLineEdit *m_BetaLineEdit;
    QLabel *LambdaPLabel_3;
    QLineEdit *m_LamdaPlineEdit_4;
    QLabel *DeltaRLabel_2;
    QLineEdit *m_DeltaRlineEdit_2;
    QPushButton *pushButton_4;

    // Tab 2: nonlinear phase shift.
    QWidget *tab;
    QLabel *label_9;
    QGroupBox *groupBox_10; // outputs
    QLabel *ALabel_2;
    QLineEdit *m_AlineEdit;
    QLabel *AFormula;
    QLabel *rLabel;
    QLineEdit *m_rLineEdit;
    QLabel *rFormula;
    QLabel *LeffLabel;
    QLineEdit *m_LefflineEdit;
    QLabel *LeffFormula;   // transmission fiber
    QLabel *LeffFormula_2; // gain fiber, same place
    QLabel *faiLabel;
    QLineEdit *m_failineEdit;
    QLabel *faiFormula;
    QGroupBox *groupBox_9; // inputs
    QLabel *lamdaLabel;
    QLineEdit *m_lamdaLineEdit;
    QLabel *LLabel_5;
    QLineEdit *m_LLineEdit;
    QLabel *gLabel;
    QLineEdit *m_gLineEdit;
    QLabel *ALabel;
    QLineEdit *m_aLineEdit;
    QLabel *alpLabel;
    QLineEdit *m_alphaLineEdit;
    QLabel *N2Label;
    QLineEdit *m_n2lineEdit;
    QLabel *PpeakLabel;
    QLineEdit *m_PpeaklineEdit;
    QGroupBox *groupBox; // fiber type
    QRadioButton *radioButton;
    QRadioButton *radioButton_2;
    QPushButton *pushButton;

    // Tab 3: four-wave mixing.
    QWidget *tab_4;
    QLabel *label_10;
    QGroupBox *groupBox_12; // outputs
    QLabel *deltaKLabel;
    QLineEdit *m_deltaKlineEdit;
    QLabel *KFormula;
    QGroupBox *groupBox_11; // inputs
    QLabel *lamda1Label;
    QLineEdit *m_lamda1LineEdit;
    QLabel *lamda2Label;
    QLineEdit *m_lamda2LineEdit;
    QLabel *lamda3Label;
    QLineEdit *m_lamda3LineEdit;
    QLabel *N1Label;
    QLineEdit *m_n1lineEdit;
    QLabel *N2Label_2;
    QLineEdit *m_n2lineEdit_2;
    QLabel *N3Label;
    QLineEdit *m_n3lineEdit;
    QPushButton *pushButton_2;

    void setupUi(QWidget *page);

private:
    void setupSbsTab();
    void setupSrsTab();
    void setupPhaseTab();
    void setupFwmTab();
};

} // namespace Ui

#endif // NOLINEARFORM_H
