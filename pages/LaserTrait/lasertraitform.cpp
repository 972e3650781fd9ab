#include "lasertraitform.h"

#include "formbuilder.h"

#include <qcustomplot.h>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace Ui {

namespace {

QWidget *newTab(const char *objectName)
{
    auto *tab = new QWidget();
    tab->setObjectName(QString::fromLatin1(objectName));
    return tab;
}

} // namespace

void LaserTrait::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "LaserTrait");

    // Tab 0: longitudinal mode spacing.
    tab = newTab("tab");
    label = form::title(tab, "label", QRect(30, 15, 600, 40), 14);
    groupBox = form::group(tab, "groupBox", QRect(25, 65, 755, 150));
    Refnlabel = form::caption(groupBox, "Refnlabel", QRect(30, 45, 130, 30));
    m_RefnlineEdit = form::field(groupBox, "m_RefnlineEdit", QRect(165, 45, 150, 30));
    L_label = form::caption(groupBox, "L_label", QRect(30, 100, 130, 30));
    m_L_lineEdit = form::field(groupBox, "m_L_lineEdit", QRect(165, 100, 150, 30));
    pushButton = form::button(groupBox, "pushButton", QRect(600, 98, 110, 34));
    groupBox_2 = form::group(tab, "groupBox_2", QRect(25, 235, 755, 110));
    Delta_niulabel = form::caption(groupBox_2, "Delta_niulabel", QRect(30, 45, 160, 30));
    m_Delta_niulineEdit = form::field(groupBox_2, "m_Delta_niulineEdit", QRect(195, 45, 180, 30));
    Delta_niuFormula = form::formula(groupBox_2, "Delta_niuFormula", QRect(410, 45, 300, 30));
    tabWidget->addTab(tab, QString());

    // Tab 1: optical-to-optical efficiency.
    tab_2 = newTab("tab_2");
    label_2 = form::title(tab_2, "label_2", QRect(30, 15, 600, 40), 14);
    groupBox_3 = form::group(tab_2, "groupBox_3", QRect(25, 65, 755, 150));
    P_pumplabel = form::caption(groupBox_3, "P_pumplabel", QRect(20, 45, 205, 30));
    m_P_pumplineEdit = form::field(groupBox_3, "m_P_pumplineEdit", QRect(228, 45, 110, 30));
    P_residuallabel = form::caption(groupBox_3, "P_residuallabel", QRect(360, 45, 205, 30));
    m_P_residuallineEdit = form::field(groupBox_3, "m_P_residuallineEdit", QRect(568, 45, 110, 30));
    P_outlabel = form::caption(groupBox_3, "P_outlabel", QRect(20, 100, 205, 30));
    m_P_outlineEdit = form::field(groupBox_3, "m_P_outlineEdit", QRect(228, 100, 110, 30));
    P_inlabel = form::caption(groupBox_3, "P_inlabel", QRect(360, 100, 205, 30));
    m_P_inlineEdit = form::field(groupBox_3, "m_P_inlineEdit", QRect(568, 100, 110, 30));
    pushButton_2 = form::button(groupBox_3, "pushButton_2", QRect(600, 150, 110, 34));
    groupBox_3->resize(755, 200);
    groupBox_4 = form::group(tab_2, "groupBox_4", QRect(25, 285, 755, 170));
    efficiency_olabel = form::caption(groupBox_4, "efficiency_olabel", QRect(30, 45, 140, 30));
    m_efficiency_olineEdit =
        form::field(groupBox_4, "m_efficiency_olineEdit", QRect(175, 45, 160, 30));
    efficiency_oFormula = form::formula(groupBox_4, "efficiency_oFormula", QRect(370, 45, 360, 30));
    efficiency_alabel = form::caption(groupBox_4, "efficiency_alabel", QRect(30, 110, 140, 30));
    m_efficiency_alineEdit =
        form::field(groupBox_4, "m_efficiency_alineEdit", QRect(175, 110, 160, 30));
    efficiency_aFormula =
        form::formula(groupBox_4, "efficiency_aFormula", QRect(370, 110, 360, 30));
    tabWidget->addTab(tab_2, QString());

    // Tab 2: quantum defect.
    tab_3 = newTab("tab_3");
    label_3 = form::title(tab_3, "label_3", QRect(30, 15, 600, 40), 14);
    groupBox_5 = form::group(tab_3, "groupBox_5", QRect(25, 65, 755, 150));
    lambda_1label = form::caption(groupBox_5, "lambda_1label", QRect(30, 45, 170, 30));
    m_lambda_1lineEdit = form::field(groupBox_5, "m_lambda_1lineEdit", QRect(205, 45, 150, 30));
    lambda_2label = form::caption(groupBox_5, "lambda_2label", QRect(30, 100, 170, 30));
    m_lambda_2lineEdit = form::field(groupBox_5, "m_lambda_2lineEdit", QRect(205, 100, 150, 30));
    pushButton_3 = form::button(groupBox_5, "pushButton_3", QRect(600, 98, 110, 34));
    groupBox_6 = form::group(tab_3, "groupBox_6", QRect(25, 235, 755, 170));
    QDlabel = form::caption(groupBox_6, "QDlabel", QRect(30, 45, 160, 30));
    m_QDlineEdit = form::field(groupBox_6, "m_QDlineEdit", QRect(195, 45, 160, 30));
    QDFormula = form::formula(groupBox_6, "QDFormula", QRect(390, 45, 300, 30));
    QRlabel = form::caption(groupBox_6, "QRlabel", QRect(30, 110, 160, 30));
    m_QRlineEdit = form::field(groupBox_6, "m_QRlineEdit", QRect(195, 110, 160, 30));
    QRFormula = form::formula(groupBox_6, "QRFormula", QRect(390, 110, 300, 30));
    tabWidget->addTab(tab_3, QString());

    // Tab 3: small-signal gain spectrum.
    tab_4 = newTab("tab_4");
    label_4 = form::title(tab_4, "label_4", QRect(30, 8, 600, 34), 14);
    groupBox_7 = form::group(tab_4, "groupBox_7", QRect(25, 45, 755, 120));
    Nlabel = form::caption(groupBox_7, "Nlabel", QRect(20, 35, 150, 30));
    m_NlineEdit = form::field(groupBox_7, "m_NlineEdit", QRect(172, 35, 120, 30));
    Gammalabel = form::caption(groupBox_7, "Gammalabel", QRect(330, 35, 170, 30));
    m_GammalineEdit = form::field(groupBox_7, "m_GammalineEdit", QRect(500, 35, 100, 30));
    nlabel = form::caption(groupBox_7, "nlabel", QRect(330, 80, 170, 30));
    m_nlineEdit = form::field(groupBox_7, "m_nlineEdit", QRect(500, 80, 100, 30));
    Llabel = form::caption(groupBox_7, "Llabel", QRect(20, 80, 150, 30));
    m_LlineEdit = form::field(groupBox_7, "m_LlineEdit", QRect(172, 80, 120, 30));
    pushButton_4 = form::button(groupBox_7, "pushButton_4", QRect(630, 78, 100, 34));
    groupBox_8 = form::group(tab_4, "groupBox_8", QRect(25, 170, 755, 335));
    GYDFlabel = form::caption(groupBox_8, "GYDFlabel", QRect(20, 24, 300, 28));
    GcustomPlot = new QCustomPlot(groupBox_8);
    GcustomPlot->setObjectName(QStringLiteral("GcustomPlot"));
    GcustomPlot->setGeometry(QRect(10, 52, 610, 275));
    radioButton = new QRadioButton(groupBox_8);
    radioButton->setObjectName(QStringLiteral("radioButton"));
    radioButton->setGeometry(QRect(635, 130, 110, 30));
    radioButton->setChecked(true);
    radioButton_2 = new QRadioButton(groupBox_8);
    radioButton_2->setObjectName(QStringLiteral("radioButton_2"));
    radioButton_2->setGeometry(QRect(635, 180, 110, 30));
    tabWidget->addTab(tab_4, QString());

    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void LaserTrait::retranslateUi(QWidget *page)
{
    using form::richText;
    using form::sub;
    page->setWindowTitle(QStringLiteral("LaserTrait"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("LaserTrait", "纵模间隔"));
    tabWidget->setTabText(tabWidget->indexOf(tab_2),
                          QCoreApplication::translate("LaserTrait", "光光效率"));
    tabWidget->setTabText(tabWidget->indexOf(tab_3),
                          QCoreApplication::translate("LaserTrait", "量子亏损"));
    tabWidget->setTabText(tabWidget->indexOf(tab_4),
                          QCoreApplication::translate("LaserTrait", "小信号增益"));

    const QString inputs = QCoreApplication::translate("LaserTrait", "输入项");
    const QString outputs = QCoreApplication::translate("LaserTrait", "输出项");
    const QString calculate = QCoreApplication::translate("LaserTrait", "计算");

    label->setText(
        form::titleText(QCoreApplication::translate("LaserTrait", "激光器参数--纵模间隔")));
    groupBox->setTitle(inputs);
    Refnlabel->setText(richText(QCoreApplication::translate("LaserTrait", "介质折射率n")));
    m_RefnlineEdit->setText(QStringLiteral("1.45"));
    L_label->setText(richText(QCoreApplication::translate("LaserTrait", "腔长L[m]")));
    m_L_lineEdit->setText(QStringLiteral("10"));
    pushButton->setText(calculate);
    groupBox_2->setTitle(outputs);
    Delta_niulabel->setText(richText(QCoreApplication::translate("LaserTrait", "纵模间隔Δ") +
                                     sub(QStringLiteral("ν")) + QStringLiteral("[Hz]")));
    Delta_niuFormula->setText(
        richText(QStringLiteral("Δ") + sub(QStringLiteral("ν")) + QStringLiteral(" = c/2/n/L")));

    const QString pPump = QStringLiteral("P") + sub(QStringLiteral("pump"));
    const QString pRes = QStringLiteral("P") + sub(QStringLiteral("res"));
    const QString pOut = QStringLiteral("P") + sub(QStringLiteral("out"));
    const QString pIn = QStringLiteral("P") + sub(QStringLiteral("in"));
    label_2->setText(
        form::titleText(QCoreApplication::translate("LaserTrait", "激光器参数--光光效率")));
    groupBox_3->setTitle(inputs);
    P_pumplabel->setText(richText(QCoreApplication::translate("LaserTrait", "输入泵浦功率") +
                                  pPump + QStringLiteral("[W]")));
    m_P_pumplineEdit->setText(QStringLiteral("100"));
    P_residuallabel->setText(richText(QCoreApplication::translate("LaserTrait", "残余泵浦功率") +
                                      pRes + QStringLiteral("[W]")));
    m_P_residuallineEdit->setText(QStringLiteral("5"));
    P_outlabel->setText(richText(QCoreApplication::translate("LaserTrait", "输出激光功率") + pOut +
                                 QStringLiteral("[W]")));
    m_P_outlineEdit->setText(QStringLiteral("75"));
    P_inlabel->setText(richText(QCoreApplication::translate("LaserTrait", "输入激光功率") + pIn +
                                QStringLiteral("[W]")));
    m_P_inlineEdit->setText(QStringLiteral("3"));
    pushButton_2->setText(calculate);
    groupBox_4->setTitle(outputs);
    efficiency_olabel->setText(richText(QCoreApplication::translate("LaserTrait", "激光器效率η") +
                                        sub(QStringLiteral("o"))));
    efficiency_oFormula->setText(
        richText(QStringLiteral("η") + sub(QStringLiteral("o")) + QStringLiteral(" = ") + pOut +
                 QStringLiteral("/(") + pPump + QStringLiteral("-") + pRes + QStringLiteral(")")));
    efficiency_alabel->setText(richText(QCoreApplication::translate("LaserTrait", "放大器效率η") +
                                        sub(QStringLiteral("a"))));
    efficiency_aFormula->setText(richText(QStringLiteral("η") + sub(QStringLiteral("a")) +
                                          QStringLiteral(" = (") + pOut + QStringLiteral("-") +
                                          pIn + QStringLiteral(")/(") + pPump +
                                          QStringLiteral("-") + pRes + QStringLiteral(")")));

    label_3->setText(
        form::titleText(QCoreApplication::translate("LaserTrait", "激光器参数--量子亏损")));
    groupBox_5->setTitle(inputs);
    lambda_1label->setText(richText(QCoreApplication::translate("LaserTrait", "泵浦光波长λ1[nm]")));
    m_lambda_1lineEdit->setText(QStringLiteral("976"));
    lambda_2label->setText(richText(QCoreApplication::translate("LaserTrait", "信号光波长λ2[nm]")));
    m_lambda_2lineEdit->setText(QStringLiteral("1064"));
    pushButton_3->setText(calculate);
    groupBox_6->setTitle(outputs);
    QDlabel->setText(richText(QCoreApplication::translate("LaserTrait", "量子亏损QD")));
    QDFormula->setText(richText(QStringLiteral("QD = (λ2-λ1)/λ2")));
    QRlabel->setText(richText(QCoreApplication::translate("LaserTrait", "斯托克斯效率QR")));
    QRFormula->setText(richText(QStringLiteral("QR = 1 - QD")));

    label_4->setText(
        form::titleText(QCoreApplication::translate("LaserTrait", "激光器参数--小信号增益")));
    groupBox_7->setTitle(inputs);
    Nlabel->setText(richText(QCoreApplication::translate("LaserTrait", "掺杂浓度N[m") +
                             form::super(QStringLiteral("-3")) + QStringLiteral("]")));
    m_NlineEdit->setText(QStringLiteral("4.3e25"));
    Gammalabel->setText(richText(QCoreApplication::translate("LaserTrait", "重叠因子γ")));
    m_GammalineEdit->setText(QStringLiteral("0.8"));
    nlabel->setText(richText(QCoreApplication::translate("LaserTrait", "上能级反转粒子数n")));
    m_nlineEdit->setText(QStringLiteral("0.1"));
    Llabel->setText(richText(QCoreApplication::translate("LaserTrait", "光纤长度L[m]")));
    m_LlineEdit->setText(QStringLiteral("6"));
    pushButton_4->setText(calculate);
    groupBox_8->setTitle(outputs);
    GYDFlabel->setText(richText(QCoreApplication::translate("LaserTrait", "YDF小信号增益系数G")));
    radioButton->setText(QCoreApplication::translate("LaserTrait", "对数增益"));
    radioButton_2->setText(QCoreApplication::translate("LaserTrait", "线性增益"));
}

} // namespace Ui
