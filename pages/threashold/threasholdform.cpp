#include "threasholdform.h"

#include "formbuilder.h"

#include <qcustomplot.h>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace Ui {

namespace {

// Input grid: five rows of up to three caption/field pairs.
constexpr int kColumnX[3] = {12, 268, 524};
constexpr int kRowY0 = 24;
constexpr int kRowStep = 31;
constexpr int kCaptionWidth = 165;
constexpr int kFieldWidth = 85;
constexpr int kRowHeight = 27;

QRect captionRect(int row, int column)
{
    return QRect(kColumnX[column], kRowY0 + row * kRowStep, kCaptionWidth, kRowHeight);
}

QRect fieldRect(int row, int column)
{
    return QRect(kColumnX[column] + kCaptionWidth, kRowY0 + row * kRowStep, kFieldWidth,
                 kRowHeight);
}

QCustomPlot *plot(QWidget *parent, const char *objectName, const QRect &geometry)
{
    auto *p = new QCustomPlot(parent);
    p->setObjectName(QString::fromLatin1(objectName));
    p->setGeometry(geometry);
    return p;
}

} // namespace

void threashold::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "threashold");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    label = form::title(tab, "label", QRect(25, 2, 520, 32), 14);
    tiplabel = form::caption(tab, "tiplabel", QRect(640, 3, 110, 31));
    tiplabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    giflabel = new QLabel(tab);
    giflabel->setObjectName(QStringLiteral("giflabel"));
    giflabel->setGeometry(QRect(758, 3, 31, 31));

    groupBox_27 = form::group(tab, "groupBox_27", QRect(10, 34, 780, 296));
    CurvePlot1 = plot(groupBox_27, "CurvePlot1", QRect(8, 24, 378, 228));
    CurvePlot2 = plot(groupBox_27, "CurvePlot2", QRect(394, 24, 378, 228));
    alphalabel_15 = form::caption(groupBox_27, "alphalabel_15", QRect(15, 258, 180, 28));
    m_blineEdit_19 = form::field(groupBox_27, "m_blineEdit_19", QRect(200, 258, 170, 28));
    alphalabel_16 = form::caption(groupBox_27, "alphalabel_16", QRect(405, 258, 165, 28));
    m_blineEdit_20 = form::field(groupBox_27, "m_blineEdit_20", QRect(575, 258, 170, 28));

    groupBox_28 = form::group(tab, "groupBox_28", QRect(10, 332, 780, 182));
    QWidget *in = groupBox_28;
    alabel_8 = form::caption(in, "alabel_8", captionRect(0, 0));
    m_alineEdit_6 = form::field(in, "m_alineEdit_6", fieldRect(0, 0));
    alphalabel_6 = form::caption(in, "alphalabel_6", captionRect(0, 1));
    m_alphalineEdit_5 = form::field(in, "m_alphalineEdit_5", fieldRect(0, 1));
    absorb_sectionlabel_5 = form::caption(in, "absorb_sectionlabel_5", captionRect(0, 2));
    m_alphalineEdit_6 = form::field(in, "m_alphalineEdit_6", fieldRect(0, 2));

    blabel_7 = form::caption(in, "blabel_7", captionRect(1, 0));
    m_blineEdit_9 = form::field(in, "m_blineEdit_9", fieldRect(1, 0));
    blabel_8 = form::caption(in, "blabel_8", captionRect(1, 1));
    m_blineEdit_10 = form::field(in, "m_blineEdit_10", fieldRect(1, 1));
    alphalabel_8 = form::caption(in, "alphalabel_8", captionRect(1, 2));
    m_blineEdit_12 = form::field(in, "m_blineEdit_12", fieldRect(1, 2));

    absorb_sectionlabel_6 = form::caption(in, "absorb_sectionlabel_6", captionRect(2, 0));
    m_pinitlineEdit_2 = form::field(in, "m_pinitlineEdit_2", fieldRect(2, 0));
    alphalabel_7 = form::caption(in, "alphalabel_7", captionRect(2, 1));
    m_blineEdit_11 = form::field(in, "m_blineEdit_11", fieldRect(2, 1));
    alphalabel_9 = form::caption(in, "alphalabel_9", captionRect(2, 2));
    m_blineEdit_13 = form::field(in, "m_blineEdit_13", fieldRect(2, 2));

    alphalabel_10 = form::caption(in, "alphalabel_10", captionRect(3, 0));
    m_blineEdit_14 = form::field(in, "m_blineEdit_14", fieldRect(3, 0));
    alphalabel_11 = form::caption(in, "alphalabel_11", captionRect(3, 1));
    m_blineEdit_15 = form::field(in, "m_blineEdit_15", fieldRect(3, 1));
    alphalabel_12 = form::caption(in, "alphalabel_12", captionRect(3, 2));
    m_blineEdit_16 = form::field(in, "m_blineEdit_16", fieldRect(3, 2));

    alphalabel_13 = form::caption(in, "alphalabel_13", captionRect(4, 0));
    m_blineEdit_17 = form::field(in, "m_blineEdit_17", fieldRect(4, 0));
    alphalabel_14 = form::caption(in, "alphalabel_14", captionRect(4, 1));
    m_blineEdit_18 = form::field(in, "m_blineEdit_18", fieldRect(4, 1));
    pushButton_14 = form::button(in, "pushButton_14",
                                 QRect(kColumnX[2] + 60, kRowY0 + 4 * kRowStep - 2, 150, 31));

    tabWidget->addTab(tab, QString());
    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void threashold::retranslateUi(QWidget *page)
{
    using form::richText;
    page->setWindowTitle(QStringLiteral("threashold"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("threashold", "均匀双包层光纤"));
    label->setText(form::titleText(
        QCoreApplication::translate("threashold", "模式不稳定效应--均匀双包层光纤")));
    tiplabel->setText(QCoreApplication::translate("threashold", "请稍候…"));

    groupBox_27->setTitle(QCoreApplication::translate("threashold", "输出项"));
    alphalabel_15->setText(QCoreApplication::translate("threashold", "非线性耦合系数极大值"));
    alphalabel_16->setText(QCoreApplication::translate("threashold", "模式不稳定阈值功率"));

    groupBox_28->setTitle(QCoreApplication::translate("threashold", "输入项"));
    alabel_8->setText(QCoreApplication::translate("threashold", "纤芯半径a[μm]"));
    m_alineEdit_6->setText(QStringLiteral("15"));
    alphalabel_6->setText(QCoreApplication::translate("threashold", "信号光波长[nm]"));
    m_alphalineEdit_5->setText(QStringLiteral("1064"));
    absorb_sectionlabel_5->setText(
        richText(QCoreApplication::translate("threashold", "泵浦波长[nm]")));
    m_alphalineEdit_6->setText(QStringLiteral("975"));
    blabel_7->setText(QCoreApplication::translate("threashold", "泵浦包层半径b[μm]"));
    m_blineEdit_9->setText(QStringLiteral("200"));
    blabel_8->setText(QCoreApplication::translate("threashold", "掺杂区域半径[μm]"));
    m_blineEdit_10->setText(QStringLiteral("15"));
    alphalabel_8->setText(QCoreApplication::translate("threashold", "数值孔径"));
    m_blineEdit_12->setText(QStringLiteral("0.06"));
    absorb_sectionlabel_6->setText(
        richText(QCoreApplication::translate("threashold", "初始信号光功率P[W]")));
    m_pinitlineEdit_2->setText(QStringLiteral("10"));
    alphalabel_7->setText(QCoreApplication::translate("threashold", "纤芯折射率"));
    m_blineEdit_11->setText(QStringLiteral("1.45"));
    alphalabel_9->setText(QCoreApplication::translate("threashold", "初始高阶模比例"));
    m_blineEdit_13->setText(QStringLiteral("0.01"));
    alphalabel_10->setText(QCoreApplication::translate("threashold", "相对强度噪声"));
    m_blineEdit_14->setText(QStringLiteral("1e-13"));
    alphalabel_11->setText(QCoreApplication::translate("threashold", "对流换热系数"));
    m_blineEdit_15->setText(QStringLiteral("1000"));
    alphalabel_12->setText(QCoreApplication::translate("threashold", "热光系数"));
    m_blineEdit_16->setText(QStringLiteral("1.21e-5"));
    alphalabel_13->setText(QCoreApplication::translate("threashold", "热导率"));
    m_blineEdit_17->setText(QStringLiteral("1.4"));
    alphalabel_14->setText(QCoreApplication::translate("threashold", "密度与热容乘积"));
    m_blineEdit_18->setText(QStringLiteral("1.67e6"));
    pushButton_14->setText(QCoreApplication::translate("threashold", "计算"));
}

} // namespace Ui
