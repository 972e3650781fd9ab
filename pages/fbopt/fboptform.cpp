#include "fboptform.h"

#include "formbuilder.h"
#include "pageconventions.h"

#include <QFont>

namespace Ui {

namespace {

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
QGroupBox *tabGroup(QWidget *parent, const char *name, const QString &title, int y, int height)
{
    return form::group(parent, name, QRect(kGroupX, y, kGroupWidth, height), title,
                       form::kInheritFont);
}

QLineEdit *newInput(QGroupBox *group, QLabel *&caption, const char *captionName,
                    const QString &markup, const char *fieldName, const QString &defaultText,
                    int column, int row)
{
    caption = form::caption(group, captionName, inputCaptionRect(column, row), form::markup(markup),
                            form::kInheritFont);
    return form::field(group, fieldName, inputFieldRect(column, row), defaultText,
                       form::kInheritFont);
}

QLineEdit *newOutput(QGroupBox *group, QLabel *&caption, const char *captionName,
                     const QString &markup, const char *fieldName, int row)
{
    caption = form::caption(group, captionName, QRect(15, rowY(row), kOutCaptionWidth, kRowHeight),
                            form::markup(markup), form::kInheritFont);
    QLineEdit *field = form::field(
        group, fieldName, QRect(20 + kOutCaptionWidth, rowY(row), kOutFieldWidth, kRowHeight),
        QString(), form::kInheritFont);
    setupOutputField(field);
    return field;
}

} // namespace

void fbopt::setupUi(QWidget *page)
{
    page->setFont(form::pointFont(11));
    page->setWindowTitle(QStringLiteral("fbopt"));
    tabWidget = form::pageTabWidget(page, "fbopt");

    setupDopingTab();
    setupLossTab();
    setupFillFactorTab();
    setupEndFaceTab();

    // Tab titles are 12 pt; the content uses the page font.
    for (int i = 0; i < tabWidget->count(); ++i)
        tabWidget->widget(i)->setFont(form::pointFont(11));
    tabWidget->setCurrentIndex(0);
}

void fbopt::setupDopingTab()
{
    tab = form::tab(tabWidget, "tab", QStringLiteral("掺杂浓度"));
    label = form::heading(tab, "label", QStringLiteral("光纤参数--掺杂浓度"));

    groupBox = tabGroup(tab, "groupBox", QStringLiteral("输入项"), 45, groupHeight(3));
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
    pushButton_4 = form::button(groupBox, "pushButton_4", inputFieldRect(1, 2).adjusted(0, 0, 0, 4),
                                QStringLiteral("计算"), form::kInheritFont);

    groupBox_2 = tabGroup(tab, "groupBox_2", QStringLiteral("输出项"), 45 + groupHeight(3) + 12,
                          groupHeight(1));
    m_NlabelLineEdit =
        newOutput(groupBox_2, N_label, "N_label", QStringLiteral("增益光纤掺杂浓度N[/m^{3}]"),
                  "m_NlabelLineEdit", 0);
    NFormula = form::formula(groupBox_2, "NFormula", formulaRect(0),
                             form::markup(QStringLiteral("N = α*b^{2}/4.343/σ_{abs}/a^{2}")));
}

void fbopt::setupLossTab()
{
    tab_2 = form::tab(tabWidget, "tab_2", QStringLiteral("本征损耗"));
    label_2 = form::heading(tab_2, "label_2", QStringLiteral("光纤参数--本征损耗"));

    groupBox_3 = tabGroup(tab_2, "groupBox_3", QStringLiteral("输入项"), 45, groupHeight(2));
    m_P_in_lineEdit =
        newInput(groupBox_3, P_in_label, "P_in_label", QStringLiteral("输入激光功率P_{in}[W]"),
                 "m_P_in_lineEdit", QStringLiteral("10"), 0, 0);
    m_P_out_lineEdit =
        newInput(groupBox_3, P_out_label, "P_out_label", QStringLiteral("输出激光功率P_{out}[W]"),
                 "m_P_out_lineEdit", QStringLiteral("5"), 0, 1);
    m_L_flineEdit = newInput(groupBox_3, L_flabel, "L_flabel", QStringLiteral("光纤长度L[m]"),
                             "m_L_flineEdit", QStringLiteral("10"), 1, 0);
    pushButton_2 =
        form::button(groupBox_3, "pushButton_2", inputFieldRect(1, 1).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);

    groupBox_4 = tabGroup(tab_2, "groupBox_4", QStringLiteral("输出项"), 45 + groupHeight(2) + 12,
                          groupHeight(2));
    m_Alpha_totallineEdit =
        newOutput(groupBox_4, Alpha_totallabel, "Alpha_totallabel",
                  QStringLiteral("总损耗α_{total}[dB]"), "m_Alpha_totallineEdit", 0);
    Alpha_totallabelFormula =
        form::formula(groupBox_4, "Alpha_totallabelFormula", formulaRect(0),
                      form::markup(QStringLiteral("α_{total} = -10*lg(P_{out}/P_{in})")));
    m_Alpha_averagelineEdit =
        newOutput(groupBox_4, Alpha_averagelabel, "Alpha_averagelabel",
                  QStringLiteral("平均损耗α_{ave}[dB/m]"), "m_Alpha_averagelineEdit", 1);
    Alpha_averageFormula =
        form::formula(groupBox_4, "Alpha_averageFormula", formulaRect(1),
                      form::markup(QStringLiteral("α_{ave} = -10*lg(P_{out}/P_{in})/L")));
}

void fbopt::setupFillFactorTab()
{
    tab_3 = form::tab(tabWidget, "tab_3", QStringLiteral("填充因子"));
    label_3 = form::heading(tab_3, "label_3", QStringLiteral("光纤参数--填充因子"));

    groupBox_5 = tabGroup(tab_3, "groupBox_5", QStringLiteral("输入项"), 45, groupHeight(2));
    m_alineEdit = newInput(groupBox_5, alabel, "alabel", QStringLiteral("纤芯半径a[μm]"),
                           "m_alineEdit", QStringLiteral("10"), 0, 0);
    m_blineEdit = newInput(groupBox_5, blabel, "blabel", QStringLiteral("内包层半径b[μm]"),
                           "m_blineEdit", QStringLiteral("125"), 0, 1);
    pushButton_3 =
        form::button(groupBox_5, "pushButton_3", inputFieldRect(1, 1).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);

    groupBox_6 = tabGroup(tab_3, "groupBox_6", QStringLiteral("输出项"), 45 + groupHeight(2) + 12,
                          groupHeight(1));
    m_GammalabelLineEdit = newOutput(groupBox_6, Gamma_label, "Gamma_label",
                                     QStringLiteral("填充因子γ"), "m_GammalabelLineEdit", 0);
    rFormula = form::formula(groupBox_6, "rFormula", formulaRect(0),
                             form::markup(QStringLiteral("γ = (a/b)^{2}")));
}

void fbopt::setupEndFaceTab()
{
    tab_4 = form::tab(tabWidget, "tab_4", QStringLiteral("光纤端面反射率"));
    label_4 = form::heading(tab_4, "label_4", QStringLiteral("光纤参数--端面反射率"));

    const int inputTop = 45;
    groupBox_7 = tabGroup(tab_4, "groupBox_7", QStringLiteral("输入项"), inputTop, groupHeight(4));
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
    pushButton_5 =
        form::button(groupBox_7, "pushButton_5", inputFieldRect(1, 3).adjusted(0, 0, 0, 4),
                     QStringLiteral("计算"), form::kInheritFont);

    const int modeTop = inputTop + groupHeight(4) + 8;
    groupBox_8 = tabGroup(tab_4, "groupBox_8", QStringLiteral("模式选择"), modeTop, groupHeight(1));
    modeLabel = form::caption(groupBox_8, "modeLabel", QRect(15, rowY(0), 70, kRowHeight),
                              form::markup(QStringLiteral("模式LP")), form::kInheritFont);
    mdcomboBox = new QComboBox(groupBox_8);
    mdcomboBox->setObjectName(QStringLiteral("mdcomboBox"));
    mdcomboBox->setGeometry(90, rowY(0), 130, kRowHeight);

    const int outputTop = modeTop + groupHeight(1) + 8;
    groupBox_9 =
        tabGroup(tab_4, "groupBox_9", QStringLiteral("输出项"), outputTop, 550 - outputTop);
    m_nefflineEdit = newOutput(groupBox_9, Betalabel_2, "Betalabel_2",
                               QStringLiteral("等效折射率neff"), "m_nefflineEdit", 0);
    m_rlineEdit = newOutput(groupBox_9, rlabel, "rlabel",
                            QStringLiteral("光纤端面振幅反馈系数r(θ)"), "m_rlineEdit", 1);
    rthetaFormula =
        form::formula(groupBox_9, "rthetaFormula", formulaRect(1),
                      form::markup(QStringLiteral("r(θ) = 2πC∫|E(r)|^{2}J_{0}(4πnθr/λ)rdr")));
    m_RlineEdit = newOutput(groupBox_9, Elabel, "Elabel", QStringLiteral("光纤端面反射率R(θ)"),
                            "m_RlineEdit", 2);
    RFormula = form::formula(groupBox_9, "RFormula", formulaRect(2),
                             form::markup(QStringLiteral("R(θ)=|r(θ)|^{2}")));

    // |E(r)| as a brace over its core and cladding branches, under r(θ).
    const int braceTop = rowY(3) - 4;
    const int braceX = 30 + kOutCaptionWidth + kOutFieldWidth;
    RFormula1 = form::formula(
        groupBox_9, "RFormula1", QRect(braceX, braceTop, 100, 64),
        QStringLiteral("<html><head/><body><p>|E(r)| = <span style=\" font-size:30pt;\">{"
                       "</span></p></body></html>"));
    Elabel_2 =
        form::formula(groupBox_9, "Elabel_2", QRect(braceX + 100, braceTop + 2, 260, kRowHeight),
                      form::markup(QStringLiteral("J_{0}(Ur/a)/J_{0}(U),  r≤a")));
    Elabel_3 =
        form::formula(groupBox_9, "Elabel_3", QRect(braceX + 100, braceTop + 32, 260, kRowHeight),
                      form::markup(QStringLiteral("K_{0}(Wr/a)/K_{0}(W),  r>a")));
}

} // namespace Ui
