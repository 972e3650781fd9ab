#include "fboptform.h"

#include "formbuilder.h"
#include "markupform.h"
#include "pageconventions.h"

#include <QFont>

namespace Ui {

namespace {

using namespace markupform;

// Inputs sit in two columns of caption | field; outputs are rows of
// caption | field | formula.
constexpr int kRowTop = 28;
constexpr int kRowStep = 38;
constexpr int kRowHeight = 30;
constexpr int kGroupX = 8;
constexpr int kGroupWidth = 795;
constexpr int kOutCaptionWidth = 230;
constexpr int kOutFieldWidth = 150;

int rowY(int row)
{
    return kRowTop + row * kRowStep;
}

int groupHeight(int rows)
{
    return rowY(rows - 1) + kRowHeight + 12;
}

QRect inputCaptionRect(int column, int row)
{
    return QRect(column == 0 ? 15 : 410, rowY(row), 245, kRowHeight);
}

QRect inputFieldRect(int column, int row)
{
    return QRect(column == 0 ? 265 : 660, rowY(row), 125, kRowHeight);
}

QRect formulaRect(int row)
{
    const int x = 30 + kOutCaptionWidth + kOutFieldWidth;
    return QRect(x, rowY(row), kGroupWidth - x - 6, kRowHeight);
}

// Every group spans the tab's width; only its top and height vary.
QGroupBox *newGroup(QWidget *parent, const char *name, const QString &title, int y, int height)
{
    return markupform::newGroup(parent, name, title, QRect(kGroupX, y, kGroupWidth, height));
}

QLineEdit *newInput(QGroupBox *group, QLabel *&caption, const char *captionName,
                    const QString &markup, const char *fieldName, const QString &defaultText,
                    int column, int row)
{
    caption = newLabel(group, captionName, richText(markup), inputCaptionRect(column, row));
    return newField(group, fieldName, inputFieldRect(column, row), defaultText);
}

QLineEdit *newOutput(QGroupBox *group, QLabel *&caption, const char *captionName,
                     const QString &markup, const char *fieldName, int row)
{
    caption = newLabel(group, captionName, richText(markup),
                       QRect(15, rowY(row), kOutCaptionWidth, kRowHeight));
    QLineEdit *field = newField(
        group, fieldName, QRect(20 + kOutCaptionWidth, rowY(row), kOutFieldWidth, kRowHeight));
    setupOutputField(field);
    return field;
}

} // namespace

void fbopt::setupUi(QWidget *page)
{
    page->setFont(pointFont(11));
    page->setWindowTitle(QStringLiteral("fbopt"));
    tabWidget = form::pageTabWidget(page, "fbopt");

    setupDopingTab();
    setupLossTab();
    setupFillFactorTab();
    setupEndFaceTab();

    // Tab titles are 12 pt; the content uses the page font.
    for (int i = 0; i < tabWidget->count(); ++i)
        tabWidget->widget(i)->setFont(pointFont(11));
    tabWidget->setCurrentIndex(0);
}

void fbopt::setupDopingTab()
{
    tab = newTab(tabWidget, "tab", QStringLiteral("掺杂浓度"));
    label = newTitle(tab, "label", QStringLiteral("光纤参数--掺杂浓度"));

    groupBox = newGroup(tab, "groupBox", QStringLiteral("输入项"), 45, groupHeight(3));
    m_alineEdit_2 = newInput(groupBox, alabel_2, "alabel_2", QStringLiteral("纤芯半径a[μm]"),
                             "m_alineEdit_2", QStringLiteral("10"), 0, 0);
    m_blineEdit_2 = newInput(groupBox, blabel_2, "blabel_2", QStringLiteral("内包层半径b[μm]"),
                             "m_blineEdit_2", QStringLiteral("125"), 0, 1);
    m_alphalineEdit =
        newInput(groupBox, alphalabel, "alphalabel", QStringLiteral("小信号吸收系数α@976nm[dB/m]"),
                 "m_alphalineEdit", QStringLiteral("4"), 1, 0);
    m_absorb_sectionlineEdit =
        newInput(groupBox, absorb_sectionlabel, "absorb_sectionlabel",
                 QStringLiteral("吸收截面σ_{abs}@976nm[m^{2}]"), "m_absorb_sectionlineEdit",
                 QStringLiteral("2.42e-24"), 1, 1);
    pushButton_4 = newButton(groupBox, "pushButton_4", inputFieldRect(1, 2).adjusted(0, 0, 0, 4));

    groupBox_2 = newGroup(tab, "groupBox_2", QStringLiteral("输出项"), 45 + groupHeight(3) + 12,
                          groupHeight(1));
    m_NlabelLineEdit =
        newOutput(groupBox_2, N_label, "N_label", QStringLiteral("增益光纤掺杂浓度N[/m^{3}]"),
                  "m_NlabelLineEdit", 0);
    NFormula =
        newFormula(groupBox_2, "NFormula",
                   richText(QStringLiteral("N = α*b^{2}/4.343/σ_{abs}/a^{2}")), formulaRect(0));
}

void fbopt::setupLossTab()
{
    tab_2 = newTab(tabWidget, "tab_2", QStringLiteral("本征损耗"));
    label_2 = newTitle(tab_2, "label_2", QStringLiteral("光纤参数--本征损耗"));

    groupBox_3 = newGroup(tab_2, "groupBox_3", QStringLiteral("输入项"), 45, groupHeight(2));
    m_P_in_lineEdit =
        newInput(groupBox_3, P_in_label, "P_in_label", QStringLiteral("输入激光功率P_{in}[W]"),
                 "m_P_in_lineEdit", QStringLiteral("10"), 0, 0);
    m_P_out_lineEdit =
        newInput(groupBox_3, P_out_label, "P_out_label", QStringLiteral("输出激光功率P_{out}[W]"),
                 "m_P_out_lineEdit", QStringLiteral("5"), 0, 1);
    m_L_flineEdit = newInput(groupBox_3, L_flabel, "L_flabel", QStringLiteral("光纤长度L[m]"),
                             "m_L_flineEdit", QStringLiteral("10"), 1, 0);
    pushButton_2 = newButton(groupBox_3, "pushButton_2", inputFieldRect(1, 1).adjusted(0, 0, 0, 4));

    groupBox_4 = newGroup(tab_2, "groupBox_4", QStringLiteral("输出项"), 45 + groupHeight(2) + 12,
                          groupHeight(2));
    m_Alpha_totallineEdit =
        newOutput(groupBox_4, Alpha_totallabel, "Alpha_totallabel",
                  QStringLiteral("总损耗α_{total}[dB]"), "m_Alpha_totallineEdit", 0);
    Alpha_totallabelFormula =
        newFormula(groupBox_4, "Alpha_totallabelFormula",
                   richText(QStringLiteral("α_{total} = -10*lg(P_{out}/P_{in})")), formulaRect(0));
    m_Alpha_averagelineEdit =
        newOutput(groupBox_4, Alpha_averagelabel, "Alpha_averagelabel",
                  QStringLiteral("平均损耗α_{ave}[dB/m]"), "m_Alpha_averagelineEdit", 1);
    Alpha_averageFormula =
        newFormula(groupBox_4, "Alpha_averageFormula",
                   richText(QStringLiteral("α_{ave} = -10*lg(P_{out}/P_{in})/L")), formulaRect(1));
}

void fbopt::setupFillFactorTab()
{
    tab_3 = newTab(tabWidget, "tab_3", QStringLiteral("填充因子"));
    label_3 = newTitle(tab_3, "label_3", QStringLiteral("光纤参数--填充因子"));

    groupBox_5 = newGroup(tab_3, "groupBox_5", QStringLiteral("输入项"), 45, groupHeight(2));
    m_alineEdit = newInput(groupBox_5, alabel, "alabel", QStringLiteral("纤芯半径a[μm]"),
                           "m_alineEdit", QStringLiteral("10"), 0, 0);
    m_blineEdit = newInput(groupBox_5, blabel, "blabel", QStringLiteral("内包层半径b[μm]"),
                           "m_blineEdit", QStringLiteral("125"), 0, 1);
    pushButton_3 = newButton(groupBox_5, "pushButton_3", inputFieldRect(1, 1).adjusted(0, 0, 0, 4));

    groupBox_6 = newGroup(tab_3, "groupBox_6", QStringLiteral("输出项"), 45 + groupHeight(2) + 12,
                          groupHeight(1));
    m_GammalabelLineEdit = newOutput(groupBox_6, Gamma_label, "Gamma_label",
                                     QStringLiteral("填充因子γ"), "m_GammalabelLineEdit", 0);
    rFormula = newFormula(groupBox_6, "rFormula", richText(QStringLiteral("γ = (a/b)^{2}")),
                          formulaRect(0));
}

void fbopt::setupEndFaceTab()
{
    tab_4 = newTab(tabWidget, "tab_4", QStringLiteral("光纤端面反射率"));
    label_4 = newTitle(tab_4, "label_4", QStringLiteral("光纤参数--端面反射率"));

    const int inputTop = 45;
    groupBox_7 = newGroup(tab_4, "groupBox_7", QStringLiteral("输入项"), inputTop, groupHeight(4));
    m_LambdalineEdit =
        newInput(groupBox_7, Lambdalabel, "Lambdalabel", QStringLiteral("中心波长λ[nm]"),
                 "m_LambdalineEdit", QStringLiteral("1080"), 0, 0);
    m_A_lineEdit = newInput(groupBox_7, Alabel, "Alabel", QStringLiteral("纤芯半径a[μm]"),
                            "m_A_lineEdit", QStringLiteral("10"), 0, 1);
    m_N1lineEdit = newInput(groupBox_7, N1label, "N1label", QStringLiteral("纤芯折射率n1"),
                            "m_N1lineEdit", QStringLiteral("1.4512"), 0, 2);
    m_N2lineEdit = newInput(groupBox_7, N2label, "N2label", QStringLiteral("包层折射率n2"),
                            "m_N2lineEdit", QStringLiteral("1.45"), 1, 0);
    m_NALineEdit = newInput(groupBox_7, NAlabel, "NAlabel", QStringLiteral("数值孔径NA"),
                            "m_NALineEdit", QStringLiteral("0.0590"), 1, 1);
    m_NALineEdit->setStyleSheet(QString());
    m_thetalineEdit = newInput(groupBox_7, thetalabel, "thetalabel", QStringLiteral("端面角度θ[°]"),
                               "m_thetalineEdit", QStringLiteral("5"), 1, 2);
    pushButton_5 = newButton(groupBox_7, "pushButton_5", inputFieldRect(1, 3).adjusted(0, 0, 0, 4));

    const int modeTop = inputTop + groupHeight(4) + 8;
    groupBox_8 = newGroup(tab_4, "groupBox_8", QStringLiteral("模式选择"), modeTop, groupHeight(1));
    modeLabel = newLabel(groupBox_8, "modeLabel", richText(QStringLiteral("模式LP")),
                         QRect(15, rowY(0), 70, kRowHeight));
    mdcomboBox = new QComboBox(groupBox_8);
    mdcomboBox->setObjectName(QStringLiteral("mdcomboBox"));
    mdcomboBox->setGeometry(90, rowY(0), 130, kRowHeight);

    const int outputTop = modeTop + groupHeight(1) + 8;
    groupBox_9 =
        newGroup(tab_4, "groupBox_9", QStringLiteral("输出项"), outputTop, 550 - outputTop);
    m_nefflineEdit = newOutput(groupBox_9, Betalabel_2, "Betalabel_2",
                               QStringLiteral("等效折射率neff"), "m_nefflineEdit", 0);
    m_rlineEdit = newOutput(groupBox_9, rlabel, "rlabel",
                            QStringLiteral("光纤端面振幅反馈系数r(θ)"), "m_rlineEdit", 1);
    rthetaFormula = newFormula(groupBox_9, "rthetaFormula",
                               richText(QStringLiteral("r(θ) = 2πC∫|E(r)|^{2}J_{0}(4πnθr/λ)rdr")),
                               formulaRect(1));
    m_RlineEdit = newOutput(groupBox_9, Elabel, "Elabel", QStringLiteral("光纤端面反射率R(θ)"),
                            "m_RlineEdit", 2);
    RFormula = newFormula(groupBox_9, "RFormula", richText(QStringLiteral("R(θ)=|r(θ)|^{2}")),
                          formulaRect(2));

    // |E(r)| as a brace over its core and cladding branches, under r(θ).
    const int braceTop = rowY(3) - 4;
    const int braceX = 30 + kOutCaptionWidth + kOutFieldWidth;
    RFormula1 = newFormula(
        groupBox_9, "RFormula1",
        QStringLiteral("<html><head/><body><p>|E(r)| = <span style=\" font-size:30pt;\">{"
                       "</span></p></body></html>"),
        QRect(braceX, braceTop, 100, 64));
    Elabel_2 =
        newFormula(groupBox_9, "Elabel_2", richText(QStringLiteral("J_{0}(Ur/a)/J_{0}(U),  r≤a")),
                   QRect(braceX + 100, braceTop + 2, 260, kRowHeight));
    Elabel_3 =
        newFormula(groupBox_9, "Elabel_3", richText(QStringLiteral("K_{0}(Wr/a)/K_{0}(W),  r>a")),
                   QRect(braceX + 100, braceTop + 32, 260, kRowHeight));
}

} // namespace Ui
