#include "laserbscform.h"

#include "formbuilder.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace Ui {

void Laserbsc::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "Laserbsc");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    label = form::title(tab, "label", QRect(30, 15, 600, 40), 14);

    groupBox = form::group(tab, "groupBox", QRect(25, 65, 755, 170));
    Laslabel = form::caption(groupBox, "Laslabel", QRect(30, 40, 150, 30));
    m_LasLamlineEdit = form::field(groupBox, "m_LasLamlineEdit", QRect(185, 40, 150, 30));
    m_btn_Cal4 = form::button(groupBox, "m_btn_Cal4", QRect(600, 38, 110, 34));
    delta_niulabel_2 = form::caption(groupBox, "delta_niulabel_2", QRect(30, 105, 150, 30));
    m_delta_niulineEdit = form::field(groupBox, "m_delta_niulineEdit", QRect(185, 105, 150, 30));
    delta_lambdalabel = form::caption(groupBox, "delta_lambdalabel", QRect(385, 105, 150, 30));
    m_delta_lambdalineEdit =
        form::field(groupBox, "m_delta_lambdalineEdit", QRect(540, 105, 150, 30));

    groupBox_2 = form::group(tab, "groupBox_2", QRect(25, 255, 755, 240));
    niulabel = form::caption(groupBox_2, "niulabel", QRect(30, 45, 150, 30));
    m_niulineEdit = form::field(groupBox_2, "m_niulineEdit", QRect(185, 45, 180, 30));
    niuFormula = form::formula(groupBox_2, "niuFormula", QRect(400, 45, 300, 30));
    tao_clabel = form::caption(groupBox_2, "tao_clabel", QRect(30, 110, 150, 30));
    m_tao_clineEdit = form::field(groupBox_2, "m_tao_clineEdit", QRect(185, 110, 180, 30));
    tao_cFormula = form::formula(groupBox_2, "tao_cFormula", QRect(400, 110, 300, 30));
    L_clabel_2 = form::caption(groupBox_2, "L_clabel_2", QRect(30, 175, 150, 30));
    m_L_clineEdit = form::field(groupBox_2, "m_L_clineEdit", QRect(185, 175, 180, 30));
    L_cFormula = form::formula(groupBox_2, "L_cFormula", QRect(400, 175, 300, 30));

    tabWidget->addTab(tab, QString());
    retranslateUi(page);
    tabWidget->setCurrentIndex(0);
}

void Laserbsc::retranslateUi(QWidget *page)
{
    using form::richText;
    using form::sub;
    page->setWindowTitle(QStringLiteral("Laserbsc"));
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("Laserbsc", "频率与相干性"));
    label->setText(
        form::titleText(QCoreApplication::translate("Laserbsc", "连续激光参数--频率与相干性")));

    groupBox->setTitle(QCoreApplication::translate("Laserbsc", "输入项"));
    Laslabel->setText(richText(QCoreApplication::translate("Laserbsc", "激光波长λ[nm]")));
    m_LasLamlineEdit->setText(QStringLiteral("1064"));
    delta_niulabel_2->setText(richText(QCoreApplication::translate("Laserbsc", "频谱宽度Δ") +
                                       sub(QStringLiteral("ν")) + QStringLiteral("[Hz]")));
    m_delta_niulineEdit->setText(QStringLiteral("5e9"));
    delta_lambdalabel->setText(richText(QCoreApplication::translate("Laserbsc", "波长间隔Δ") +
                                        sub(QStringLiteral("λ")) + QStringLiteral("[nm]")));
    m_delta_lambdalineEdit->setText(QStringLiteral("0.0189"));
    m_btn_Cal4->setText(QCoreApplication::translate("Laserbsc", "计算"));

    groupBox_2->setTitle(QCoreApplication::translate("Laserbsc", "输出项"));
    niulabel->setText(richText(QCoreApplication::translate("Laserbsc", "激光频率ν[Hz]")));
    niuFormula->setText(richText(QStringLiteral("ν = c/λ")));
    tao_clabel->setText(richText(QCoreApplication::translate("Laserbsc", "相干时间τ") +
                                 sub(QStringLiteral("c")) + QStringLiteral("[s]")));
    tao_cFormula->setText(richText(QStringLiteral("τ") + sub(QStringLiteral("c")) +
                                   QStringLiteral(" = 1/Δ") + sub(QStringLiteral("ν"))));
    L_clabel_2->setText(richText(QCoreApplication::translate("Laserbsc", "相干长度L") +
                                 sub(QStringLiteral("C")) + QStringLiteral("[m]")));
    L_cFormula->setText(richText(QStringLiteral("L") + sub(QStringLiteral("C")) +
                                 QStringLiteral(" = c*τ") + sub(QStringLiteral("c"))));
}

} // namespace Ui
