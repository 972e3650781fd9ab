#ifndef THREASHOLDFORM_H
#define THREASHOLDFORM_H

// Form of the mode-instability page, built in code. Object names are the ones
// the main window's clear, default-parameter and export commands use.

class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace Ui {

class threashold
{
public:
    QTabWidget *tabWidget;
    QWidget *tab;
    QLabel *label;
    QLabel *tiplabel; // "请稍候…" while a calculation runs
    QLabel *giflabel; // 31 x 31, the loading animation

    QGroupBox *groupBox_27;  // 输出项
    QCustomPlot *CurvePlot1; // coupling coefficient against frequency shift
    QCustomPlot *CurvePlot2; // higher-order-mode fraction against signal power
    QLabel *alphalabel_15;
    QLineEdit *m_blineEdit_19; // chi_max
    QLabel *alphalabel_16;
    QLineEdit *m_blineEdit_20; // P_th

    QGroupBox *groupBox_28; // 输入项
    QLabel *alabel_8;
    QLineEdit *m_alineEdit_6; // a [um]
    QLabel *alphalabel_6;
    QLineEdit *m_alphalineEdit_5; // lambda_s [nm]
    QLabel *absorb_sectionlabel_5;
    QLineEdit *m_alphalineEdit_6; // lambda_p [nm]
    QLabel *blabel_7;
    QLineEdit *m_blineEdit_9; // b [um]
    QLabel *blabel_8;
    QLineEdit *m_blineEdit_10; // r_d [um]
    QLabel *alphalabel_8;
    QLineEdit *m_blineEdit_12; // NA
    QLabel *absorb_sectionlabel_6;
    QLineEdit *m_pinitlineEdit_2; // P_0 [W]
    QLabel *alphalabel_7;
    QLineEdit *m_blineEdit_11; // n
    QLabel *alphalabel_9;
    QLineEdit *m_blineEdit_13; // eta_0
    QLabel *alphalabel_10;
    QLineEdit *m_blineEdit_14; // RIN
    QLabel *alphalabel_11;
    QLineEdit *m_blineEdit_15; // h
    QLabel *alphalabel_12;
    QLineEdit *m_blineEdit_16; // dn/dT
    QLabel *alphalabel_13;
    QLineEdit *m_blineEdit_17; // kappa
    QLabel *alphalabel_14;
    QLineEdit *m_blineEdit_18; // rho C
    QPushButton *pushButton_14;

    void setupUi(QWidget *page);
    // Captions, titles and the default input texts.
    void retranslateUi(QWidget *page);
};

} // namespace Ui

#endif // THREASHOLDFORM_H
