#include "fbmodeform.h"

#include "formbuilder.h"
#include "qplot.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace Ui {

namespace {

// The page sets its 11 pt font once; captions, fields and groups inherit it.
QLabel *makeLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    return form::caption(parent, name, geometry, QString(), form::kInheritFont);
}

QLineEdit *makeField(QWidget *parent, const char *name, const QRect &geometry)
{
    return form::field(parent, name, geometry, QString(), form::kInheritFont);
}

QGroupBox *makeGroup(QWidget *parent, const char *name, const QRect &geometry)
{
    return form::group(parent, name, geometry, QString(), form::kInheritFont);
}

QLabel *makeTitle(QWidget *parent, const char *name)
{
    return form::title(parent, name, QRect(15, 2, 500, 32), 14);
}

using form::pointFont;
using form::richText;
using form::sub;

} // namespace

void fbmode::setupUi(QWidget *page)
{
    // Set here so the page does not take over the main window's larger font.
    page->setFont(pointFont(11));
    tabWidget = form::pageTabWidget(page, "fbmode");

    setupModeTab();
    setupBeamTab();
    setupBendTab();

    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void fbmode::setupModeTab()
{
    tab_1 = new QWidget();
    tab_1->setObjectName(QStringLiteral("tab_1"));
    label_20 = makeTitle(tab_1, "label_20");

    // Inputs in two rows across the tab.
    groupBox_24 = makeGroup(tab_1, "groupBox_24", QRect(10, 34, 790, 88));
    const int rowY[2] = {22, 55};
    n1Label_2 = makeLabel(groupBox_24, "n1Label_2", QRect(12, rowY[0], 125, 26));
    m_N1LineEdit_2 = makeField(groupBox_24, "m_N1LineEdit_2", QRect(140, rowY[0], 110, 26));
    n2Label_2 = makeLabel(groupBox_24, "n2Label_2", QRect(272, rowY[0], 120, 26));
    m_N2LineEdit_2 = makeField(groupBox_24, "m_N2LineEdit_2", QRect(392, rowY[0], 110, 26));
    alabel_7 = makeLabel(groupBox_24, "alabel_7", QRect(532, rowY[0], 125, 26));
    m_ALineEdit_2 = makeField(groupBox_24, "m_ALineEdit_2", QRect(660, rowY[0], 110, 26));
    lambdaLabel_2 = makeLabel(groupBox_24, "lambdaLabel_2", QRect(12, rowY[1], 125, 26));
    m_lambdaLineEdit_2 = makeField(groupBox_24, "m_lambdaLineEdit_2", QRect(140, rowY[1], 110, 26));
    NAlabel_2 = makeLabel(groupBox_24, "NAlabel_2", QRect(272, rowY[1], 120, 26));
    m_NALineEdit_2 = makeField(groupBox_24, "m_NALineEdit_2", QRect(392, rowY[1], 110, 26));
    pushButton_12 = new QPushButton(groupBox_24);
    pushButton_12->setObjectName(QStringLiteral("pushButton_12"));
    pushButton_12->setGeometry(QRect(660, rowY[1] - 1, 110, 28));

    // Outputs: V and N, the display choices and the mode table on the left,
    // the field map on the right.
    groupBox_23 = makeGroup(tab_1, "groupBox_23", QRect(10, 124, 790, 414));
    VLabel_2 = makeLabel(groupBox_23, "VLabel_2", QRect(12, 26, 150, 26));
    m_VLineEdit_2 = makeField(groupBox_23, "m_VLineEdit_2", QRect(165, 26, 150, 26));
    m_VLineEdit_2->setFont(pointFont(11));
    NnumLabel_2 = makeLabel(groupBox_23, "NnumLabel_2", QRect(12, 58, 150, 26));
    m_NnumLineEdit_2 = makeField(groupBox_23, "m_NnumLineEdit_2", QRect(165, 58, 150, 26));

    modeLabel_3 = makeLabel(groupBox_23, "modeLabel_3", QRect(12, 92, 60, 26));
    mdcomboBox_3 = new QComboBox(groupBox_23);
    mdcomboBox_3->setObjectName(QStringLiteral("mdcomboBox_3"));
    mdcomboBox_3->setGeometry(QRect(75, 92, 80, 26));
    R_checkBox = new QCheckBox(groupBox_23);
    R_checkBox->setObjectName(QStringLiteral("R_checkBox"));
    R_checkBox->setGeometry(QRect(170, 92, 150, 26));

    groupBox_2 = makeGroup(groupBox_23, "groupBox_2", QRect(12, 120, 330, 56));
    radioButton = new QRadioButton(groupBox_2);
    radioButton->setObjectName(QStringLiteral("radioButton"));
    radioButton->setGeometry(QRect(12, 26, 80, 24));
    radioButton_2 = new QRadioButton(groupBox_2);
    radioButton_2->setObjectName(QStringLiteral("radioButton_2"));
    radioButton_2->setGeometry(QRect(118, 26, 80, 24));
    radioButton_3 = new QRadioButton(groupBox_2);
    radioButton_3->setObjectName(QStringLiteral("radioButton_3"));
    radioButton_3->setGeometry(QRect(224, 26, 80, 24));

    tableWidget = new QTableWidget(groupBox_23);
    tableWidget->setObjectName(QStringLiteral("tableWidget"));
    tableWidget->setGeometry(QRect(12, 180, 352, 224));
    tableWidget->setFont(pointFont(9));
    tableWidget->setColumnCount(4);
    tableWidget->horizontalHeader()->setDefaultSectionSize(70);
    tableWidget->verticalHeader()->setDefaultSectionSize(26);
    tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Placeholder the page puts its map plot on.
    mapPlot = new QWidget(groupBox_23);
    mapPlot->setObjectName(QStringLiteral("mapPlot"));
    mapPlot->setGeometry(QRect(372, 16, 410, 390));

    tabWidget->addTab(tab_1, QString());
}

void fbmode::setupBeamTab()
{
    tab_2 = new QWidget();
    tab_2->setObjectName(QStringLiteral("tab_2"));
    label_21 = makeTitle(tab_2, "label_21");

    groupBox_25 = makeGroup(tab_2, "groupBox_25", QRect(10, 34, 450, 430));
    groupBox_25->setFont(pointFont(9)); // the long title has to fit
    QLabel **rowCaptions[5] = {&P01label_3, &P01label_4, &P01label_5, &P01label_6, &P01label_7};
    const int columnX[4] = {72, 162, 252, 342};
    int y = 32;
    for (int m = 0; m < 5; ++m) {
        const QByteArray captionName = "P01label_" + QByteArray::number(m + 3);
        *rowCaptions[m] = makeLabel(groupBox_25, captionName.constData(), QRect(12, y, 55, 26));
        (*rowCaptions[m])->setFont(pointFont(11));
        for (int n = 1; n <= 4; ++n) {
            const QByteArray stem = "m_p" + QByteArray::number(m) + QByteArray::number(n);
            const int x = columnX[n - 1];
            if (m == 0) {
                weightE[m][n - 1] = makeField(groupBox_25, (stem + "LineEdit_2").constData(),
                                              QRect(x + 16, y, 70, 26));
                weightE[m][n - 1]->setFont(pointFont(10));
                weightO[m][n - 1] = nullptr;
                weightELabel[m][n - 1] = nullptr;
                weightOLabel[m][n - 1] = nullptr;
                continue;
            }
            const QByteArray mn = QByteArray::number(m) + QByteArray::number(n);
            // The last "E" marker has always been spelled with a capital L.
            const QByteArray eName =
                (m == 4 && n == 4) ? QByteArray("P44Label_2") : "P" + mn + "label_2";
            const QByteArray oName = "P" + mn + "label_3";
            weightELabel[m][n - 1] = makeLabel(groupBox_25, eName.constData(), QRect(x, y, 14, 26));
            weightE[m][n - 1] =
                makeField(groupBox_25, (stem + "LineEdit_2").constData(), QRect(x + 16, y, 70, 26));
            weightOLabel[m][n - 1] =
                makeLabel(groupBox_25, oName.constData(), QRect(x, y + 32, 14, 26));
            weightO[m][n - 1] = makeField(groupBox_25, (stem + "LineEdit_3").constData(),
                                          QRect(x + 16, y + 32, 70, 26));
            weightE[m][n - 1]->setFont(pointFont(10));
            weightO[m][n - 1]->setFont(pointFont(10));
            for (QLabel *marker : {weightELabel[m][n - 1], weightOLabel[m][n - 1]}) {
                marker->setFont(pointFont(10));
                marker->setAlignment(Qt::AlignCenter);
            }
        }
        y += (m == 0) ? 44 : 76;
    }
    pushButton_13 = new QPushButton(groupBox_25);
    pushButton_13->setObjectName(QStringLiteral("pushButton_13"));
    pushButton_13->setGeometry(QRect(342 + 16, y + 4, 70, 30));
    pushButton_13->setFont(pointFont(11));

    groupBox_26 = makeGroup(tab_2, "groupBox_26", QRect(468, 34, 332, 504));
    M2xlabel_2 = makeLabel(groupBox_26, "M2xlabel_2", QRect(12, 26, 170, 28));
    m_m2xLineEdit_2 = makeField(groupBox_26, "m_m2xLineEdit_2", QRect(185, 26, 135, 26));
    M2ylabel_2 = makeLabel(groupBox_26, "M2ylabel_2", QRect(12, 60, 170, 28));
    m_m2yLineEdit_2 = makeField(groupBox_26, "m_m2yLineEdit_2", QRect(185, 60, 135, 26));
    customPlot_3 = new QCustomPlot(groupBox_26);
    customPlot_3->setObjectName(QStringLiteral("customPlot_3"));
    customPlot_3->setGeometry(QRect(10, 96, 312, 398));

    tabWidget->addTab(tab_2, QString());
}

void fbmode::setupBendTab()
{
    tab_3 = new QWidget();
    tab_3->setObjectName(QStringLiteral("tab_3"));
    label_19 = makeTitle(tab_3, "label_19");

    groupBox_27 = makeGroup(tab_3, "groupBox_27", QRect(10, 34, 390, 262));
    struct Row {
        QLabel **label;
        const char *labelName;
        QLineEdit **field;
        const char *fieldName;
    };
    const Row rows[] = {
        {&n1label_3, "n1label_3", &m_N1lineEdit_2, "m_N1lineEdit_2"},
        {&n2label_3, "n2label_3", &m_N2lineEdit_2, "m_N2lineEdit_2"},
        {&alabel_8, "alabel_8", &m_AlineEdit_2, "m_AlineEdit_2"},
        {&Rlabel_2, "Rlabel_2", &m_RlineEdit_2, "m_RlineEdit_2"},
        {&lambdalabel_3, "lambdalabel_3", &m_LambdalineEdit_2, "m_LambdalineEdit_2"},
        {&NAlabel_3, "NAlabel_3", &m_NALineEdit_3, "m_NALineEdit_3"},
    };
    int y = 26;
    for (const Row &row : rows) {
        *row.label = makeLabel(groupBox_27, row.labelName, QRect(15, y, 150, 26));
        *row.field = makeField(groupBox_27, row.fieldName, QRect(175, y, 190, 26));
        y += 34;
    }
    pushButton_11 = new QPushButton(groupBox_27);
    pushButton_11->setObjectName(QStringLiteral("pushButton_11"));
    pushButton_11->setGeometry(QRect(255, y, 110, 28));

    groupBox_28 = makeGroup(tab_3, "groupBox_28", QRect(410, 34, 390, 80));
    modeLabel_2 = makeLabel(groupBox_28, "modeLabel_2", QRect(15, 32, 80, 26));
    mdcomboBox_2 = new QComboBox(groupBox_28);
    mdcomboBox_2->setObjectName(QStringLiteral("mdcomboBox_2"));
    mdcomboBox_2->setGeometry(QRect(100, 32, 120, 26));

    groupBox_29 = makeGroup(tab_3, "groupBox_29", QRect(10, 304, 790, 190));
    Betalabel_2 = makeLabel(groupBox_29, "Betalabel_2", QRect(15, 30, 150, 28));
    m_BetalineEdit_2 = makeField(groupBox_29, "m_BetalineEdit_2", QRect(175, 30, 190, 26));
    aFormula1_2 = makeLabel(groupBox_29, "aFormula1_2", QRect(400, 28, 380, 30));
    aFormula1_2->setFont(pointFont(12, QStringLiteral("Times New Roman")));
    Alphalabel_2 = makeLabel(groupBox_29, "Alphalabel_2", QRect(15, 70, 150, 28));
    m_AlphalineEdit_2 = makeField(groupBox_29, "m_AlphalineEdit_2", QRect(175, 70, 190, 26));
    aFormula2_2 = makeLabel(groupBox_29, "aFormula2_2", QRect(400, 68, 380, 30));
    aFormula2_2->setFont(pointFont(12, QStringLiteral("Times New Roman")));
    SRS_dLabel_6 = makeLabel(groupBox_29, "SRS_dLabel_6", QRect(15, 115, 760, 40));
    SRS_dLabel_7 = makeLabel(groupBox_29, "SRS_dLabel_7", QRect(15, 115, 760, 40));
    for (QLabel *label : {SRS_dLabel_6, SRS_dLabel_7})
        label->setFont(pointFont(11, QStringLiteral("Times New Roman")));

    tabWidget->addTab(tab_3, QString());

    // Result fields get their own style sheet, which stops them from taking
    // the page font; they are given it explicitly.
    for (QLineEdit *output :
         {m_NnumLineEdit_2, m_m2xLineEdit_2, m_m2yLineEdit_2, m_BetalineEdit_2, m_AlphalineEdit_2})
        output->setFont(pointFont(11));
}

void fbmode::retranslateUi(QWidget *page)
{
    page->setWindowTitle(QStringLiteral("fbmode"));
    const QString calculate = QCoreApplication::translate("fbmode", "计算");
    const QString inputs = QCoreApplication::translate("fbmode", "输入项");
    const QString na = richText(QCoreApplication::translate("fbmode", "数值孔径NA"));
    const QString n1 =
        richText(QCoreApplication::translate("fbmode", "纤芯折射率n") + sub(QStringLiteral("1")));
    const QString n2 =
        richText(QCoreApplication::translate("fbmode", "包层折射率n") + sub(QStringLiteral("2")));
    const QString radius = richText(QCoreApplication::translate("fbmode", "纤芯半径a[μm]"));
    const QString wavelength = richText(QCoreApplication::translate("fbmode", "激光波长λ[nm]"));

    // "模式分布"
    tabWidget->setTabText(tabWidget->indexOf(tab_1),
                          QCoreApplication::translate("fbmode", "模式分布"));
    label_20->setText(
        form::headingText(QCoreApplication::translate("fbmode", "光纤模式参数--光纤模式")));
    groupBox_24->setTitle(inputs);
    n1Label_2->setText(n1);
    n2Label_2->setText(n2);
    alabel_7->setText(radius);
    lambdaLabel_2->setText(wavelength);
    NAlabel_2->setText(na);
    m_N1LineEdit_2->setText(QStringLiteral("1.4512"));
    m_N2LineEdit_2->setText(QStringLiteral("1.45"));
    m_ALineEdit_2->setText(QStringLiteral("20"));
    m_lambdaLineEdit_2->setText(QStringLiteral("1080"));
    m_NALineEdit_2->setText(QStringLiteral("0.0590"));
    pushButton_12->setText(calculate);
    groupBox_23->setTitle(QCoreApplication::translate("fbmode", "输出项-导模传播常数和等效折射率"));
    VLabel_2->setText(richText(QCoreApplication::translate("fbmode", "归一化截止频率V")));
    NnumLabel_2->setText(richText(QCoreApplication::translate("fbmode", "传导模数量N")));
    modeLabel_3->setText(QCoreApplication::translate("fbmode", "简并态"));
    R_checkBox->setText(QCoreApplication::translate("fbmode", "显示纤芯半径"));
    groupBox_2->setTitle(QCoreApplication::translate("fbmode", "模式特性"));
    radioButton->setText(QCoreApplication::translate("fbmode", "光强"));
    radioButton_2->setText(QCoreApplication::translate("fbmode", "振幅"));
    radioButton_3->setText(QCoreApplication::translate("fbmode", "相位"));
    tableWidget->setHorizontalHeaderLabels(
        {QStringLiteral("m"), QStringLiteral("n"), QStringLiteral("β"), QStringLiteral("neff")});

    // "光束质量因子"
    tabWidget->setTabText(tabWidget->indexOf(tab_2),
                          QCoreApplication::translate("fbmode", "光束质量因子"));
    label_21->setText(
        form::headingText(QCoreApplication::translate("fbmode", "光纤模式参数--光束质量")));
    groupBox_25->setTitle(QCoreApplication::translate(
        "fbmode", "输入项-模式功率占比权重因子(Pmn,n=1~4,m≠0时存在E-O方向简并态)"));
    QLabel *rowCaptions[5] = {P01label_3, P01label_4, P01label_5, P01label_6, P01label_7};
    for (int m = 0; m < 5; ++m) {
        rowCaptions[m]->setText(richText(QStringLiteral("P") +
                                         sub(QString::number(m) + QStringLiteral("n")) +
                                         QStringLiteral(":")));
        for (int n = 1; n <= 4; ++n) {
            const bool fundamentalPair = (m == 0 && n <= 2);
            weightE[m][n - 1]->setText(fundamentalPair ? QStringLiteral("1") : QStringLiteral("0"));
            if (m == 0)
                continue;
            weightO[m][n - 1]->setText(QStringLiteral("0"));
            weightELabel[m][n - 1]->setText(QStringLiteral("E"));
            weightOLabel[m][n - 1]->setText(QStringLiteral("O"));
        }
    }
    pushButton_13->setText(calculate);
    groupBox_26->setTitle(QCoreApplication::translate("fbmode", "输出项"));
    M2xlabel_2->setText(richText(QCoreApplication::translate("fbmode", "x方向光束质量M") +
                                 form::super(QStringLiteral("2")) + sub(QStringLiteral("X"))));
    M2ylabel_2->setText(richText(QCoreApplication::translate("fbmode", "y方向光束质量M") +
                                 form::super(QStringLiteral("2")) + sub(QStringLiteral("y"))));

    // "弯曲损耗"
    tabWidget->setTabText(tabWidget->indexOf(tab_3),
                          QCoreApplication::translate("fbmode", "弯曲损耗"));
    label_19->setText(
        form::headingText(QCoreApplication::translate("fbmode", "光纤模式参数-模式损耗")));
    groupBox_27->setTitle(inputs);
    n1label_3->setText(n1);
    n2label_3->setText(n2);
    alabel_8->setText(radius);
    Rlabel_2->setText(richText(QCoreApplication::translate("fbmode", "弯曲半径R[m]")));
    lambdalabel_3->setText(wavelength);
    NAlabel_3->setText(na);
    m_N1lineEdit_2->setText(QStringLiteral("1.4512"));
    m_N2lineEdit_2->setText(QStringLiteral("1.45"));
    m_AlineEdit_2->setText(QStringLiteral("10"));
    m_RlineEdit_2->setText(QStringLiteral("0.05"));
    m_LambdalineEdit_2->setText(QStringLiteral("1080"));
    m_NALineEdit_3->setText(QStringLiteral("0.0590"));
    pushButton_11->setText(calculate);
    groupBox_28->setTitle(QCoreApplication::translate("fbmode", "模式选择"));
    modeLabel_2->setText(QCoreApplication::translate("fbmode", "模式LP"));
    groupBox_29->setTitle(QCoreApplication::translate("fbmode", "输出项"));
    Betalabel_2->setText(richText(QCoreApplication::translate("fbmode", "传播常数β[1/m]")));
    Alphalabel_2->setText(richText(QCoreApplication::translate("fbmode", "弯曲损耗系数α[1/m]")));
    aFormula1_2->setText(richText(
        QStringLiteral("K = sqrt(k") + sub(QStringLiteral("0")) + form::super(QStringLiteral("2")) +
        QStringLiteral("*n") + sub(QStringLiteral("1")) + form::super(QStringLiteral("2")) +
        QStringLiteral("-β") + form::super(QStringLiteral("2")) + QStringLiteral(")")));
    aFormula2_2->setText(richText(
        QStringLiteral("γ = sqrt(β") + form::super(QStringLiteral("2")) + QStringLiteral("-k") +
        sub(QStringLiteral("0")) + form::super(QStringLiteral("2")) + QStringLiteral("*n") +
        sub(QStringLiteral("2")) + form::super(QStringLiteral("2")) + QStringLiteral(")")));
    // The exponent is one superscript in a slightly larger size than the rest.
    const QString exponent = QStringLiteral(
        "<span style=\" font-size:12pt; vertical-align:super;\">"
        "2*a*γ-2/3*γ3*R/β2</span>");
    const QString alphaTail = QStringLiteral("K") + form::super(QStringLiteral("2")) +
                              QStringLiteral("*e") + exponent + QStringLiteral("/V") +
                              form::super(QStringLiteral("2")) + QStringLiteral("/sqrt(π*γ*R)");
    const QString open = QStringLiteral("<span style=\" font-size:11pt;\">");
    const QString close = QStringLiteral("</span>");
    SRS_dLabel_6->setText(richText(open + QStringLiteral("α = a*") + alphaTail + close));
    SRS_dLabel_7->setText(richText(open + QStringLiteral("α = 2*a*") + alphaTail + close));
}

} // namespace Ui
