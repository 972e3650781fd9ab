#ifndef LASERPLUSEFORM_H
#define LASERPLUSEFORM_H

// Form of the pulsed-laser page, built in code. Object names are the ones the
// main window's clear, default-parameter and export commands use.

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace Ui {

class LaserPluse
{
public:
    QTabWidget *tabWidget;
    QWidget *tab;
    QLabel *label;
    QGroupBox *groupBox;
    QLabel *Taolabel;
    QLineEdit *m_TaolineEdit;
    QLabel *Flabel;
    QLineEdit *m_FlineEdit;
    QLabel *P_avelabel;
    QLineEdit *m_P_avelineEdit;
    QPushButton *pushButton;
    QGroupBox *groupBox_2;
    QLabel *Elabel;
    QLineEdit *m_ElineEdit;
    QLabel *EFormula;
    QLabel *P_peaklabel;
    QLineEdit *m_P_peaklineEdit;
    QLabel *P_peakFormula;

    void setupUi(QWidget *page);
    // Captions, titles and the default input texts.
    void retranslateUi(QWidget *page);
};

} // namespace Ui

#endif // LASERPLUSEFORM_H
