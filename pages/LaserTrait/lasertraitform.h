#ifndef LASERTRAITFORM_H
#define LASERTRAITFORM_H

// Form of the laser-parameters page, built in code: four tabs (mode spacing,
// optical efficiency, quantum defect, small-signal gain). Object names are
// the ones the main window's clear, default-parameter and export commands
// use.

class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace Ui {

class LaserTrait
{
public:
    QTabWidget *tabWidget;

    // Tab 0, "纵模间隔"
    QWidget *tab;
    QLabel *label;
    QGroupBox *groupBox;
    QLabel *Refnlabel;
    QLineEdit *m_RefnlineEdit;
    QLabel *L_label;
    QLineEdit *m_L_lineEdit;
    QPushButton *pushButton;
    QGroupBox *groupBox_2;
    QLabel *Delta_niulabel;
    QLineEdit *m_Delta_niulineEdit;
    QLabel *Delta_niuFormula;

    // Tab 1, "光光效率"
    QWidget *tab_2;
    QLabel *label_2;
    QGroupBox *groupBox_3;
    QLabel *P_pumplabel;
    QLineEdit *m_P_pumplineEdit;
    QLabel *P_residuallabel;
    QLineEdit *m_P_residuallineEdit;
    QLabel *P_outlabel;
    QLineEdit *m_P_outlineEdit;
    QLabel *P_inlabel;
    QLineEdit *m_P_inlineEdit;
    QPushButton *pushButton_2;
    QGroupBox *groupBox_4;
    QLabel *efficiency_olabel;
    QLineEdit *m_efficiency_olineEdit;
    QLabel *efficiency_oFormula;
    QLabel *efficiency_alabel;
    QLineEdit *m_efficiency_alineEdit;
    QLabel *efficiency_aFormula;

    // Tab 2, "量子亏损"
    QWidget *tab_3;
    QLabel *label_3;
    QGroupBox *groupBox_5;
    QLabel *lambda_1label;
    QLineEdit *m_lambda_1lineEdit;
    QLabel *lambda_2label;
    QLineEdit *m_lambda_2lineEdit;
    QPushButton *pushButton_3;
    QGroupBox *groupBox_6;
    QLabel *QDlabel;
    QLineEdit *m_QDlineEdit;
    QLabel *QDFormula;
    QLabel *QRlabel;
    QLineEdit *m_QRlineEdit;
    QLabel *QRFormula;

    // Tab 3, "小信号增益"
    QWidget *tab_4;
    QLabel *label_4;
    QGroupBox *groupBox_7;
    QLabel *Nlabel;
    QLineEdit *m_NlineEdit;
    QLabel *Gammalabel;
    QLineEdit *m_GammalineEdit;
    QLabel *nlabel;
    QLineEdit *m_nlineEdit;
    QLabel *Llabel;
    QLineEdit *m_LlineEdit;
    QPushButton *pushButton_4;
    QGroupBox *groupBox_8;
    QLabel *GYDFlabel;
    QCustomPlot *GcustomPlot;
    QRadioButton *radioButton;
    QRadioButton *radioButton_2;

    void setupUi(QWidget *page);
    // Captions, titles and the default input texts.
    void retranslateUi(QWidget *page);
};

} // namespace Ui

#endif // LASERTRAITFORM_H
