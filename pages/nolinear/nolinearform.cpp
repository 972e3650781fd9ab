#include "nolinearform.h"

#include "formbuilder.h"
#include "pageconventions.h"

#include <QFont>

namespace Ui {

namespace {

// Geometry shared by the four tabs: the output rows are caption | field |
// formula; the inputs sit in two columns of caption | field.
constexpr int kRowTop = 28;
constexpr int kRowStep = 38;
constexpr int kRowHeight = 30;
constexpr int kGroupWidth = 795;

QRect inputCaptionRect(int column, int row)
{
    return QRect(column == 0 ? 15 : 405, kRowTop + row * kRowStep, 230, kRowHeight);
}

QRect inputFieldRect(int column, int row)
{
    return QRect(column == 0 ? 245 : 640, kRowTop + row * kRowStep, 140, kRowHeight);
}

// One input: caption left of its field, in column 0 or 1 of the input group.
QLineEdit *newInput(QGroupBox *group, QLabel *&caption, const char *captionName,
                    const QString &markup, const char *fieldName, const QString &defaultText,
                    int column, int row)
{
    caption = form::caption(group, captionName, inputCaptionRect(column, row), form::markup(markup),
                            form::kInheritFont);
    return form::field(group, fieldName, inputFieldRect(column, row), defaultText,
                       form::kInheritFont);
}

// One output row: caption, grey read-only field, formula label.
struct OutputColumns {
    int captionWidth;
    int fieldWidth;
};

QLineEdit *newOutput(QGroupBox *group, QLabel *&caption, const char *captionName,
                     const QString &markup, const char *fieldName, int row,
                     const OutputColumns &columns)
{
    const int y = kRowTop + row * kRowStep;
    caption = form::caption(group, captionName, QRect(15, y, columns.captionWidth, kRowHeight),
                            form::markup(markup), form::kInheritFont);
    QLineEdit *field = form::field(
        group, fieldName, QRect(20 + columns.captionWidth, y, columns.fieldWidth, kRowHeight),
        QString(), form::kInheritFont);
    setupOutputField(field);
    return field;
}

QRect formulaRect(int row, const OutputColumns &columns)
{
    const int x = 26 + columns.captionWidth + columns.fieldWidth;
    return QRect(x, kRowTop + row * kRowStep, kGroupWidth - x - 4, kRowHeight);
}

} // namespace

void nolinear::setupUi(QWidget *page)
{
    page->setFont(form::pointFont(11));
    page->setWindowTitle(QStringLiteral("nolinear"));
    tabWidget = form::pageTabWidget(page, "nolinear");

    setupSbsTab();
    setupSrsTab();
    setupPhaseTab();
    setupFwmTab();

    // Everything below the tab bar uses the page font; only the tab titles are 12 pt.
    for (int i = 0; i < tabWidget->count(); ++i)
        tabWidget->widget(i)->setFont(form::pointFont(11));
    tabWidget->setCurrentIndex(0);
}

void nolinear::setupSbsTab()
{
    tab_3 = form::tab(tabWidget, "tab_3", QStringLiteral("受激布里渊散射"));
    label_7 = form::heading(tab_3, "label_7", QStringLiteral("非线性效应--受激布里渊散射(SBS)"));

    const OutputColumns out{220, 130};
    groupBox_5 = form::group(tab_3, "groupBox_5", QRect(8, 45, kGroupWidth, 148),
                             QStringLiteral("输出项"), form::kInheritFont);
    m_GBlineEdit = newOutput(groupBox_5, GBLabel, "GBLabel",
                             QStringLiteral("布里渊峰值增益g_{b}[m/W]"), "m_GBlineEdit", 0, out);
    GBLabel_2 = form::formula(
        groupBox_5, "GBLabel_2", formulaRect(0, out),
        form::markup(QStringLiteral("g_{b} = 8*π^{2}*γ_{e}^{2}*T_{b}/n/λ_{p}^{2}/ρ/c/v_{a}")));
    m_SBSLineEdit = newOutput(groupBox_5, SBSLabel, "SBSLabel",
                              QStringLiteral("放大器SBS阈值P_{th}[W]"), "m_SBSLineEdit", 1, out);
    SBSFormula =
        form::formula(groupBox_5, "SBSFormula", formulaRect(1, out),
                      form::markup(QStringLiteral("P_{th} = 21*π*r_{eff}^{2}*K*logG/L/g_{b}")));
    m_LambdaBlineEdit_2 =
        newOutput(groupBox_5, ThetaLabel2_2, "ThetaLabel2_2",
                  QStringLiteral("布里渊频移后波长λ_{s}[nm]"), "m_LambdaBlineEdit_2", 2, out);
    LambdasFormula_2 = form::formula(groupBox_5, "LambdasFormula_2", formulaRect(2, out),
                                     form::markup(QStringLiteral("λ_{s} = 1/(1/λ_{p}-Δ_{b}/c)")));

    groupBox_6 = form::group(tab_3, "groupBox_6", QRect(8, 205, kGroupWidth, 265),
                             QStringLiteral("输入项"), form::kInheritFont);
    m_LlineEdit = newInput(groupBox_6, LLabel, "LLabel", QStringLiteral("光纤长度L[m]"),
                           "m_LlineEdit", QStringLiteral("10"), 0, 0);
    m_KLineEdit = newInput(groupBox_6, KLabel, "KLabel", QStringLiteral("偏振因子K"), "m_KLineEdit",
                           QStringLiteral("1.5"), 0, 1);
    m_NLineEdit = newInput(groupBox_6, NLabel, "NLabel", QStringLiteral("纤芯折射率n"),
                           "m_NLineEdit", QStringLiteral("1.45"), 0, 2);
    m_GLineEdit = newInput(groupBox_6, GLabel, "GLabel", QStringLiteral("放大器增益倍数G"),
                           "m_GLineEdit", QStringLiteral("20"), 0, 3);
    m_REffLineEdit =
        newInput(groupBox_6, REffLabel, "REffLabel", QStringLiteral("模场半径r_{eff}[m]"),
                 "m_REffLineEdit", QStringLiteral("5e-6"), 0, 4);
    m_TbLineEdit = newInput(groupBox_6, TbLabel, "TbLabel", QStringLiteral("声子寿命T_{b}"),
                            "m_TbLineEdit", QStringLiteral("1e-8"), 0, 5);
    m_LamdaPlineEdit_3 = newInput(groupBox_6, LambdaPLabel_4, "LambdaPLabel_4",
                                  QStringLiteral("泵浦光波长λ_{p}[nm]"), "m_LamdaPlineEdit_3",
                                  QStringLiteral("1064"), 1, 0);
    m_VaLineEdit = newInput(groupBox_6, VaLabel, "VaLabel", QStringLiteral("石英中声速v_{a}"),
                            "m_VaLineEdit", QStringLiteral("5960"), 1, 1);
    m_RouLineEdit = newInput(groupBox_6, RouLabel, "RouLabel", QStringLiteral("石英密度ρ"),
                             "m_RouLineEdit", QStringLiteral("2210"), 1, 2);
    m_DeltaBlineEdit_2 =
        newInput(groupBox_6, DeltaBLabel_2, "DeltaBLabel_2", QStringLiteral("布里渊频移Δ_{b}[Hz]"),
                 "m_DeltaBlineEdit_2", QStringLiteral("1.63e10"), 1, 3);
    m_GammaELineEdit = newInput(groupBox_6, Gamma_eLabel, "Gamma_eLabel",
                                QStringLiteral("石英的电致伸缩常数γ_{e}"), "m_GammaELineEdit",
                                QStringLiteral("0.902"), 1, 4);
    pushButton_3 =
        form::button(groupBox_6, "pushButton_3", inputFieldRect(1, 5).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);
}

void nolinear::setupSrsTab()
{
    tab_2 = form::tab(tabWidget, "tab_2", QStringLiteral("受激拉曼散射"));
    label_8 = form::heading(tab_2, "label_8", QStringLiteral("非线性效应--受激拉曼散射(SRS)"));

    // Narrower caption and field columns leave the long threshold formulas
    // room to show in full.
    const OutputColumns out{206, 88};
    groupBox_8 = form::group(tab_2, "groupBox_8", QRect(8, 45, kGroupWidth, 186),
                             QStringLiteral("输出项"), form::kInheritFont);
    m_SRSdLineEdit =
        newOutput(groupBox_8, SRS_dLabel, "SRS_dLabel",
                  QStringLiteral("传能光纤SRS阈值P_{th_d}[W]"), "m_SRSdLineEdit", 0, out);
    SRS_dLabel_2 =
        form::formula(groupBox_8, "SRS_dLabel_2", formulaRect(0, out),
                      form::markup(QStringLiteral("P_{th_d} = 16*π*r_{eff}^{2}/g_{R}/L_{eff}, "
                                                  "L_{eff} = (1-e^{(-α_{s}*L)})/α_{s}"),
                                   11));
    m_SRSaLineEdit =
        newOutput(groupBox_8, SRS_aLabel, "SRS_aLabel",
                  QStringLiteral("放大器输入SRS阈值P_{th_a}[W]"), "m_SRSaLineEdit", 1, out);
    SRS_aLabel_2 =
        form::formula(groupBox_8, "SRS_aLabel_2", formulaRect(1, out),
                      form::markup(QStringLiteral("P_{th_a}=x*q,q=π*r_{eff}^{2}*logG/g_{R}/L/(G-1),"
                                                  "x=20.3+logβ+log(G*q)"),
                                   11));
    m_SRSoLineEdit =
        newOutput(groupBox_8, SRS_oLabel, "SRS_oLabel", QStringLiteral("振荡器SRS阈值P_{th_o}[W]"),
                  "m_SRSoLineEdit", 2, out);
    SRS_oLabel_2 = form::formula(
        groupBox_8, "SRS_oLabel_2", formulaRect(2, out),
        form::markup(QStringLiteral("P_{th_o} = α_{p}*π*r_{eff}^{2}/g_{R}*(α_{s}*L-0.5*"
                                    "log(R1*R2))/(1-e^{(-αp*L)})"),
                     11));
    m_LambdaRlineEdit_2 =
        newOutput(groupBox_8, LambdaRLabel_3, "LambdaRLabel_3",
                  QStringLiteral("拉曼频移后波长λ_{s}[nm]"), "m_LambdaRlineEdit_2", 3, out);
    LambdaRLabel_4 = form::formula(groupBox_8, "LambdaRLabel_4", formulaRect(3, out),
                                   form::markup(QStringLiteral("λ_{s} = 1/(1/λ_{p}-Δ_{r}/c)")));

    groupBox_7 = form::group(tab_2, "groupBox_7", QRect(8, 243, kGroupWidth, 265),
                             QStringLiteral("输入项"), form::kInheritFont);
    m_LlineEdit_2 = newInput(groupBox_7, LLabel_2, "LLabel_2", QStringLiteral("光纤长度L[m]"),
                             "m_LlineEdit_2", QStringLiteral("15"), 0, 0);
    m_GLineEdit_2 = newInput(groupBox_7, GLabel_2, "GLabel_2", QStringLiteral("放大器增益倍数G"),
                             "m_GLineEdit_2", QStringLiteral("20"), 0, 1);
    m_Alpha_sLineEdit = newInput(groupBox_7, Alpha_sLabel, "Alpha_sLabel",
                                 QStringLiteral("拉曼泵浦光损耗系数α_{s}[/m]"), "m_Alpha_sLineEdit",
                                 QStringLiteral("0.003"), 0, 2);
    m_R1LineEdit = newInput(groupBox_7, R1Label, "R1Label", QStringLiteral("高反光栅反射率R_{1}"),
                            "m_R1LineEdit", QStringLiteral("0.99"), 0, 3);
    m_R2LineEdit = newInput(groupBox_7, R2Label, "R2Label", QStringLiteral("低反光栅反射率R_{2}"),
                            "m_R2LineEdit", QStringLiteral("0.1"), 0, 4);
    m_REffLineEdit_2 =
        newInput(groupBox_7, REffLabel_2, "REffLabel_2", QStringLiteral("模场半径r_{eff}[m]"),
                 "m_REffLineEdit_2", QStringLiteral("5e-6"), 0, 5);
    m_GRLineEdit =
        newInput(groupBox_7, GRLabel, "GRLabel", QStringLiteral("拉曼增益系数g_{R}[m/W]"),
                 "m_GRLineEdit", QStringLiteral("5e-14"), 1, 0);
    m_Alpha_pLineEdit = newInput(groupBox_7, Alpha_pLabel, "Alpha_pLabel",
                                 QStringLiteral("泵浦光损耗系数α_{p}[/m]"), "m_Alpha_pLineEdit",
                                 QStringLiteral("0.005"), 1, 1);
    m_BetaLineEdit =
        newInput(groupBox_7, BetaLabel, "BetaLabel", QStringLiteral("输出端拉曼光与信号光比例β"),
                 "m_BetaLineEdit", QStringLiteral("0.01"), 1, 2);
    m_LamdaPlineEdit_4 = newInput(groupBox_7, LambdaPLabel_3, "LambdaPLabel_3",
                                  QStringLiteral("泵浦光波长λ_{p}[nm]"), "m_LamdaPlineEdit_4",
                                  QStringLiteral("1064"), 1, 3);
    m_DeltaRlineEdit_2 =
        newInput(groupBox_7, DeltaRLabel_2, "DeltaRLabel_2", QStringLiteral("拉曼频移Δ_{r}[Hz]"),
                 "m_DeltaRlineEdit_2", QStringLiteral("1.32e13"), 1, 4);
    pushButton_4 =
        form::button(groupBox_7, "pushButton_4", inputFieldRect(1, 5).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);
}

void nolinear::setupPhaseTab()
{
    tab = form::tab(tabWidget, "tab", QStringLiteral("非线性相移"));
    label_9 = form::heading(tab, "label_9", QStringLiteral("非线性效应--非线性相移"));

    const OutputColumns out{220, 130};
    groupBox_10 = form::group(tab, "groupBox_10", QRect(8, 45, kGroupWidth, 186),
                              QStringLiteral("输出项"), form::kInheritFont);
    m_AlineEdit = newOutput(groupBox_10, ALabel_2, "ALabel_2", QStringLiteral("纤芯面积A[m^{2}]"),
                            "m_AlineEdit", 0, out);
    AFormula = form::formula(groupBox_10, "AFormula", formulaRect(0, out),
                             form::markup(QStringLiteral("A = π*a^{2}")));
    m_rLineEdit = newOutput(groupBox_10, rLabel, "rLabel", QStringLiteral("非线性参量γ"),
                            "m_rLineEdit", 1, out);
    rFormula = form::formula(groupBox_10, "rFormula", formulaRect(1, out),
                             form::markup(QStringLiteral("γ= 2*π*n_{2}/λ/A")));
    m_LefflineEdit = newOutput(groupBox_10, LeffLabel, "LeffLabel",
                               QStringLiteral("光纤有效长度L_{eff}[m]"), "m_LefflineEdit", 2, out);
    LeffFormula = form::formula(groupBox_10, "LeffFormula", formulaRect(2, out),
                                form::markup(QStringLiteral("L_{eff} = (1-e^{(-α*L)})/α")));
    LeffFormula_2 = form::formula(groupBox_10, "LeffFormula_2", formulaRect(2, out),
                                  form::markup(QStringLiteral("L_{eff} = (e^{g*L}-1)/g")));
    m_failineEdit = newOutput(groupBox_10, faiLabel, "faiLabel", QStringLiteral("非线性相移ψ"),
                              "m_failineEdit", 3, out);
    faiFormula = form::formula(groupBox_10, "faiFormula", formulaRect(3, out),
                               form::markup(QStringLiteral("ψ = γ*L_{eff}*P_{peak}")));

    groupBox_9 = form::group(tab, "groupBox_9", QRect(8, 243, kGroupWidth, 265),
                             QStringLiteral("输入项"), form::kInheritFont);
    m_lamdaLineEdit =
        newInput(groupBox_9, lamdaLabel, "lamdaLabel", QStringLiteral("激光波长λ[nm]"),
                 "m_lamdaLineEdit", QStringLiteral("1064"), 0, 0);
    m_LLineEdit = newInput(groupBox_9, LLabel_5, "LLabel_5", QStringLiteral("光纤长度L[m]"),
                           "m_LLineEdit", QStringLiteral("5"), 0, 1);
    m_gLineEdit = newInput(groupBox_9, gLabel, "gLabel", QStringLiteral("光纤增益系数g[1/m]"),
                           "m_gLineEdit", QStringLiteral("2"), 0, 2);
    m_aLineEdit = newInput(groupBox_9, ALabel, "ALabel", QStringLiteral("纤芯半径a[μm]"),
                           "m_aLineEdit", QStringLiteral("5"), 0, 3);
    m_alphaLineEdit =
        newInput(groupBox_9, alpLabel, "alpLabel", QStringLiteral("光纤损耗系数α[1/m]"),
                 "m_alphaLineEdit", QStringLiteral("0.02"), 1, 0);
    m_n2lineEdit = newInput(groupBox_9, N2Label, "N2Label", QStringLiteral("非线性折射率n_{2}"),
                            "m_n2lineEdit", QStringLiteral("2.7e-20"), 1, 1);
    m_PpeaklineEdit =
        newInput(groupBox_9, PpeakLabel, "PpeakLabel", QStringLiteral("脉冲峰值功率P_{peak}[W]"),
                 "m_PpeaklineEdit", QStringLiteral("1e5"), 1, 2);

    groupBox = form::group(groupBox_9, "groupBox",
                           QRect(15, kRowTop + 4 * kRowStep, 360, 2 * kRowStep + 4),
                           QStringLiteral("类型"), form::kInheritFont);
    radioButton = new QRadioButton(groupBox);
    radioButton->setObjectName(QStringLiteral("radioButton"));
    radioButton->setGeometry(20, 32, 150, 30);
    radioButton->setText(QStringLiteral("传输光纤"));
    radioButton->setChecked(true);
    radioButton_2 = new QRadioButton(groupBox);
    radioButton_2->setObjectName(QStringLiteral("radioButton_2"));
    radioButton_2->setGeometry(190, 32, 150, 30);
    radioButton_2->setText(QStringLiteral("增益光纤"));

    pushButton = form::button(groupBox_9, "pushButton", inputFieldRect(1, 5).adjusted(0, 0, 0, 4),
                              QStringLiteral("计算"), form::kInheritFont);
}

void nolinear::setupFwmTab()
{
    tab_4 = form::tab(tabWidget, "tab_4", QStringLiteral("四波混频"));
    label_10 = form::heading(tab_4, "label_10", QStringLiteral("非线性效应--四波混频"));

    const OutputColumns out{220, 130};
    groupBox_12 = form::group(tab_4, "groupBox_12", QRect(8, 45, kGroupWidth, 72),
                              QStringLiteral("输出项"), form::kInheritFont);
    m_deltaKlineEdit = newOutput(groupBox_12, deltaKLabel, "deltaKLabel",
                                 QStringLiteral("相位匹配因子Δk"), "m_deltaKlineEdit", 0, out);
    KFormula = form::formula(
        groupBox_12, "KFormula", formulaRect(0, out),
        form::markup(QStringLiteral("Δk = 2*π*(n_{2}/λ_{2}+n_{3}/λ_{3}-2*n_{1}/λ_{1})")));

    groupBox_11 = form::group(tab_4, "groupBox_11", QRect(8, 130, kGroupWidth, 190),
                              QStringLiteral("输入项"), form::kInheritFont);
    m_lamda1LineEdit =
        newInput(groupBox_11, lamda1Label, "lamda1Label", QStringLiteral("激光波长λ_{1}[nm]"),
                 "m_lamda1LineEdit", QStringLiteral("1070"), 0, 0);
    m_lamda2LineEdit =
        newInput(groupBox_11, lamda2Label, "lamda2Label", QStringLiteral("激光波长λ_{2}[nm]"),
                 "m_lamda2LineEdit", QStringLiteral("1080"), 0, 1);
    m_lamda3LineEdit =
        newInput(groupBox_11, lamda3Label, "lamda3Label", QStringLiteral("激光波长λ_{3}[nm]"),
                 "m_lamda3LineEdit", QStringLiteral("1090"), 0, 2);
    m_n1lineEdit = newInput(groupBox_11, N1Label, "N1Label", QStringLiteral("折射率n_{1}"),
                            "m_n1lineEdit", QStringLiteral("1.45"), 1, 0);
    m_n2lineEdit_2 = newInput(groupBox_11, N2Label_2, "N2Label_2", QStringLiteral("折射率n_{2}"),
                              "m_n2lineEdit_2", QStringLiteral("1.45"), 1, 1);
    m_n3lineEdit = newInput(groupBox_11, N3Label, "N3Label", QStringLiteral("折射率n_{3}"),
                            "m_n3lineEdit", QStringLiteral("1.45"), 1, 2);
    pushButton_2 =
        form::button(groupBox_11, "pushButton_2", inputFieldRect(1, 3).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);
}

} // namespace Ui
