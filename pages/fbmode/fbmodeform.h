#ifndef FBMODEFORM_H
#define FBMODEFORM_H

// The fiber-mode page's form, built in code: three tabs (mode distribution,
// beam quality, bend loss) with fixed geometry. Object names are the ones the
// main window's clear, defaults and export commands look up, so they must not
// change.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

class QCustomPlot;

namespace Ui {

class fbmode
{
public:
    QTabWidget *tabWidget;

    // Tab "模式分布".
    QWidget *tab_1;
    QLabel *label_20;
    QGroupBox *groupBox_24;
    QLabel *n1Label_2;
    QLineEdit *m_N1LineEdit_2;
    QLabel *n2Label_2;
    QLineEdit *m_N2LineEdit_2;
    QLabel *alabel_7;
    QLineEdit *m_ALineEdit_2;
    QLabel *lambdaLabel_2;
    QLineEdit *m_lambdaLineEdit_2;
    QLabel *NAlabel_2;
    QLineEdit *m_NALineEdit_2;
    QPushButton *pushButton_12;
    QGroupBox *groupBox_23;
    QLabel *VLabel_2;
    QLineEdit *m_VLineEdit_2;
    QLabel *NnumLabel_2;
    QLineEdit *m_NnumLineEdit_2;
    QLabel *modeLabel_3;
    QComboBox *mdcomboBox_3;
    QCheckBox *R_checkBox;
    QGroupBox *groupBox_2;
    QRadioButton *radioButton;
    QRadioButton *radioButton_2;
    QRadioButton *radioButton_3;
    QTableWidget *tableWidget;
    QWidget *mapPlot;

    // Tab "光束质量因子".
    QWidget *tab_2;
    QLabel *label_21;
    QGroupBox *groupBox_25;
    QLabel *P01label_3;
    QLabel *P01label_4;
    QLabel *P01label_5;
    QLabel *P01label_6;
    QLabel *P01label_7;
    // Weight fields by azimuthal order m (0..4) and radial order n (1..4):
    // weightE[m][n-1] is the single row for m = 0 and the "E" row otherwise;
    // weightO[m][n-1] is the "O" row (null for m = 0).
    QLineEdit *weightE[5][4];
    QLineEdit *weightO[5][4];
    QLabel *weightELabel[5][4]; // null for m = 0
    QLabel *weightOLabel[5][4]; // null for m = 0
    QPushButton *pushButton_13;
    QGroupBox *groupBox_26;
    QLabel *M2xlabel_2;
    QLineEdit *m_m2xLineEdit_2;
    QLabel *M2ylabel_2;
    QLineEdit *m_m2yLineEdit_2;
    QCustomPlot *customPlot_3;

    // Tab "弯曲损耗".
    QWidget *tab_3;
    QLabel *label_19;
    QGroupBox *groupBox_27;
    QLabel *n1label_3;
    QLineEdit *m_N1lineEdit_2;
    QLabel *n2label_3;
    QLineEdit *m_N2lineEdit_2;
    QLabel *alabel_8;
    QLineEdit *m_AlineEdit_2;
    QLabel *Rlabel_2;
    QLineEdit *m_RlineEdit_2;
    QLabel *lambdalabel_3;
    QLineEdit *m_LambdalineEdit_2;
    QLabel *NAlabel_3;
    QLineEdit *m_NALineEdit_3;
    QPushButton *pushButton_11;
    QGroupBox *groupBox_28;
    QLabel *modeLabel_2;
    QComboBox *mdcomboBox_2;
    QGroupBox *groupBox_29;
    QLabel *Betalabel_2;
    QLineEdit *m_BetalineEdit_2;
    QLabel *Alphalabel_2;
    QLineEdit *m_AlphalineEdit_2;
    QLabel *aFormula1_2;
    QLabel *aFormula2_2;
    QLabel *SRS_dLabel_6;
    QLabel *SRS_dLabel_7;

    void setupUi(QWidget *page);
    // Captions, titles, button texts and the default text of every input.
    void retranslateUi(QWidget *page);

private:
    void setupModeTab();
    void setupBeamTab();
    void setupBendTab();
};

} // namespace Ui

#endif // FBMODEFORM_H
