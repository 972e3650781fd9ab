#include "laserpluseform.h"

#include "formbuilder.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace Ui {

void LaserPluse::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "LaserPluse");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    label = form::title(tab, "label", QRect(30, 15, 600, 40), 14);

    groupBox = form::group(tab, "groupBox", QRect(25, 65, 755, 210));
    Taolabel = form::caption(groupBox, "Taolabel", QRect(30, 40, 210, 30));
    m_TaolineEdit = form::field(groupBox, "m_TaolineEdit", QRect(245, 40, 150, 30));
    Flabel = form::caption(groupBox, "Flabel", QRect(30, 95, 210, 30));
    m_FlineEdit = form::field(groupBox, "m_FlineEdit", QRect(245, 95, 150, 30));
    P_avelabel = form::caption(groupBox, "P_avelabel", QRect(30, 150, 210, 30));
    m_P_avelineEdit = form::field(groupBox, "m_P_avelineEdit", QRect(245, 150, 150, 30));
    pushButton = form::button(groupBox, "pushButton", QRect(600, 148, 110, 34));

    groupBox_2 = form::group(tab, "groupBox_2", QRect(25, 295, 755, 170));
    Elabel = form::caption(groupBox_2, "Elabel", QRect(30, 45, 210, 30));
    m_ElineEdit = form::field(groupBox_2, "m_ElineEdit", QRect(245, 45, 180, 30));
    EFormula = form::formula(groupBox_2, "EFormula", QRect(460, 45, 260, 30));
    P_peaklabel = form::caption(groupBox_2, "P_peaklabel", QRect(30, 105, 210, 30));
    m_P_peaklineEdit = form::field(groupBox_2, "m_P_peaklineEdit", QRect(245, 105, 180, 30));
    P_peakFormula = form::formula(groupBox_2, "P_peakFormula", QRect(460, 105, 260, 30));

    tabWidget->addTab(tab, QString());
    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void LaserPluse::retranslateUi(QWidget *page)
{
    using form::richText;
    using form::sub;
    page->setWindowTitle(QStringLiteral("LaserPluse"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("LaserPluse", "高斯脉冲"));
    label->setText(
        form::titleText(QCoreApplication::translate("LaserPluse", "脉冲激光参数--高斯脉冲")));

    groupBox->setTitle(QCoreApplication::translate("LaserPluse", "输入项"));
    Taolabel->setText(richText(QCoreApplication::translate("LaserPluse", "脉冲宽度τ[s]")));
    m_TaolineEdit->setText(QStringLiteral("1e-7"));
    Flabel->setText(richText(QCoreApplication::translate("LaserPluse", "脉冲重复频率f[Hz]")));
    m_FlineEdit->setText(QStringLiteral("1e5"));
    P_avelabel->setText(richText(QCoreApplication::translate("LaserPluse", "脉冲平均功率P") +
                                 sub(QStringLiteral("ave")) + QStringLiteral("[W]")));
    m_P_avelineEdit->setText(QStringLiteral("20"));
    pushButton->setText(QCoreApplication::translate("LaserPluse", "计算"));

    groupBox_2->setTitle(QCoreApplication::translate("LaserPluse", "输出项"));
    Elabel->setText(richText(QCoreApplication::translate("LaserPluse", "脉冲能量E[J]")));
    EFormula->setText(
        richText(QStringLiteral("E = P") + sub(QStringLiteral("ave")) + QStringLiteral("/f")));
    P_peaklabel->setText(richText(QCoreApplication::translate("LaserPluse", "峰值功率P") +
                                  sub(QStringLiteral("peak")) + QStringLiteral("[W]")));
    P_peakFormula->setText(
        richText(QStringLiteral("P") + sub(QStringLiteral("peak")) + QStringLiteral(" = E/τ")));
}

} // namespace Ui
