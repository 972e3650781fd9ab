#include "bscoptlawform.h"

#include "formbuilder.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace Ui {

namespace {

// The fields of this page have always been set a point smaller than their
// captions.
constexpr int kFieldPointSize = 11;

QLineEdit *valueField(QWidget *parent, const char *objectName, const QRect &geometry)
{
    return form::field(parent, objectName, geometry, QString(), kFieldPointSize);
}

// A caption with an index: "折射率n" (translated) and its subscript "1".
QString indexedCaption(const char *source, const char *index)
{
    return form::regularWeightMarkup(QCoreApplication::translate("bscoptlaw", source) +
                                     QStringLiteral("_{") + QLatin1String(index) +
                                     QLatin1Char('}'));
}

} // namespace

void bscoptlaw::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "bscoptlaw", QRect(0, 0, 805, 560));
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    label = form::title(tab, "label", QRect(30, 15, 500, 40), 14);

    // Creation order is the tab order: n1, n2, degrees, radians, 计算.
    groupBox = form::group(tab, "groupBox", QRect(25, 65, 755, 160));
    RfrLabel1 = form::caption(groupBox, "RfrLabel1", QRect(30, 40, 100, 30));
    m_RfrlineEdit_1 = valueField(groupBox, "m_RfrlineEdit_1", QRect(135, 40, 130, 30));
    RfrLabel2 = form::caption(groupBox, "RfrLabel2", QRect(330, 40, 100, 30));
    m_RfrlineEdit_2 = valueField(groupBox, "m_RfrlineEdit_2", QRect(435, 40, 130, 30));
    ThetaLabel1 = form::caption(groupBox, "ThetaLabel1", QRect(30, 100, 100, 30));
    m_ThetalineEdit_3 = valueField(groupBox, "m_ThetalineEdit_3", QRect(135, 100, 130, 30));
    DegLabel = form::caption(groupBox, "DegLabel", QRect(272, 100, 40, 30));
    m_RadianlineEdit = valueField(groupBox, "m_RadianlineEdit", QRect(435, 100, 130, 30));
    RadLabel = form::caption(groupBox, "RadLabel", QRect(572, 100, 50, 30));
    pushButton = form::button(groupBox, "pushButton", QRect(640, 62, 90, 50));

    groupBox_2 = form::group(tab, "groupBox_2", QRect(25, 240, 755, 265));
    ThetaLabel1_4 = form::caption(groupBox_2, "ThetaLabel1_4", QRect(190, 40, 130, 30));
    ThetaLabel1_4->setAlignment(Qt::AlignCenter);
    ThetaLabel1_5 = form::caption(groupBox_2, "ThetaLabel1_5", QRect(340, 40, 130, 30));
    ThetaLabel1_5->setAlignment(Qt::AlignCenter);
    ThetaLabel2 = form::caption(groupBox_2, "ThetaLabel2", QRect(20, 80, 165, 30));
    m_RadlineEdit_8 = valueField(groupBox_2, "m_RadlineEdit_8", QRect(190, 80, 130, 30));
    m_ThetalineEdit_4 = valueField(groupBox_2, "m_ThetalineEdit_4", QRect(340, 80, 130, 30));
    Theta2Formula = form::formula(groupBox_2, "Theta2Formula", QRect(490, 80, 250, 30));
    BRSTAng = form::caption(groupBox_2, "BRSTAng", QRect(20, 140, 165, 30));
    m_RadlineEdit_9 = valueField(groupBox_2, "m_RadlineEdit_9", QRect(190, 140, 130, 30));
    m_ThetalineEdit_6 = valueField(groupBox_2, "m_ThetalineEdit_6", QRect(340, 140, 130, 30));
    ThetabFormula = form::formula(groupBox_2, "ThetabFormula", QRect(490, 140, 250, 30));
    CrtAng = form::caption(groupBox_2, "CrtAng", QRect(20, 200, 165, 30));
    m_RadlineEdit_10 = valueField(groupBox_2, "m_RadlineEdit_10", QRect(190, 200, 130, 30));
    m_ThetalineEdit_5 = valueField(groupBox_2, "m_ThetalineEdit_5", QRect(340, 200, 130, 30));
    ThetacFormula = form::formula(groupBox_2, "ThetacFormula", QRect(490, 200, 250, 30));

    tabWidget->addTab(tab, QString());
    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void bscoptlaw::retranslateUi(QWidget *page)
{
    page->setWindowTitle(QStringLiteral("bscoptlaw"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("bscoptlaw", "反射折射"));
    label->setText(
        form::titleText(QCoreApplication::translate("bscoptlaw", "几何光学参数--反射折射")));

    groupBox->setTitle(QCoreApplication::translate("bscoptlaw", "输入项"));
    RfrLabel1->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "折射率n"), "1"));
    m_RfrlineEdit_1->setText(QStringLiteral("1.45"));
    RfrLabel2->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "折射率n"), "2"));
    m_RfrlineEdit_2->setText(QStringLiteral("1"));
    ThetaLabel1->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "入射角θ"), "1"));
    m_ThetalineEdit_3->setText(QStringLiteral("30"));
    DegLabel->setText(QStringLiteral("[°]"));
    m_RadianlineEdit->setText(QStringLiteral("0.5236"));
    RadLabel->setText(QStringLiteral("[rad]"));
    pushButton->setText(QCoreApplication::translate("bscoptlaw", "计算"));

    groupBox_2->setTitle(QCoreApplication::translate("bscoptlaw", "输出项"));
    ThetaLabel1_4->setText(QCoreApplication::translate("bscoptlaw", "角度值[°]"));
    ThetaLabel1_5->setText(QCoreApplication::translate("bscoptlaw", "弧度值[rad]"));
    ThetaLabel2->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "折射角θ"), "2"));
    Theta2Formula->setText(
        form::regularWeightMarkup(QStringLiteral("θ_{2} = asin(n_{1}*sinθ_{1}/n_{2})")));
    BRSTAng->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "布儒斯特角θ"), "b"));
    ThetabFormula->setText(form::regularWeightMarkup(QStringLiteral("θ_{b} = atan(n_{2}/n_{1})")));
    CrtAng->setText(indexedCaption(QT_TRANSLATE_NOOP("bscoptlaw", "全反射临界角θ"), "c"));
    ThetacFormula->setText(
        form::regularWeightMarkup(QStringLiteral("θ_{c} = asin(n_{2}/n_{1}) (n_{1}>n_{2})")));
}

} // namespace Ui
