#ifndef LASERBSCFORM_H
#define LASERBSCFORM_H

// Form of the continuous-wave laser page, built in code. Object names are the
// ones the main window's clear, default-parameter and export commands use.

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace Ui {

class Laserbsc
{
public:
    QTabWidget *tabWidget;
    QWidget *tab;
    QLabel *label;
    QGroupBox *groupBox;
    QLabel *Laslabel;
    QLineEdit *m_LasLamlineEdit;
    QLabel *delta_niulabel_2;
    QLineEdit *m_delta_niulineEdit;
    QLabel *delta_lambdalabel;
    QLineEdit *m_delta_lambdalineEdit;
    QPushButton *m_btn_Cal4;
    QGroupBox *groupBox_2;
    QLabel *niulabel;
    QLineEdit *m_niulineEdit;
    QLabel *niuFormula;
    QLabel *tao_clabel;
    QLineEdit *m_tao_clineEdit;
    QLabel *tao_cFormula;
    QLabel *L_clabel_2;
    QLineEdit *m_L_clineEdit;
    QLabel *L_cFormula;

    void setupUi(QWidget *page);
    // Captions, titles and the default input texts.
    void retranslateUi(QWidget *page);
};

} // namespace Ui

#endif // LASERBSCFORM_H
