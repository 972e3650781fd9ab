// "弯曲损耗": the modes of the fiber in a combo box, and β and the bend-loss
// coefficient of the chosen one.

#include "fbmode.h"

#include "bendloss.h"
#include "fbmodeform.h"
#include "modesolver.h"
#include "pageconventions.h"
#include "rangefield.h"

void fbmode::calresFB1()
{
    if ((ui->m_N1lineEdit_2->text().isEmpty() && ui->m_NALineEdit_3->text().isEmpty()) ||
        anyFieldEmpty(
            {ui->m_N2lineEdit_2, ui->m_LambdalineEdit_2, ui->m_AlineEdit_2, ui->m_RlineEdit_2})) {
        showNotice(this, QString::fromUtf8(kEmptyInputMessage));
        return;
    }
    const double n1 = readField(ui->m_N1lineEdit_2);
    const double n2 = readField(ui->m_N2lineEdit_2);
    const double lambda = readField(ui->m_LambdalineEdit_2) * 1e-9;
    const double a = readField(ui->m_AlineEdit_2) * 1e-6;
    if (n1 < n2) {
        showNotice(this, QStringLiteral("纤芯折射率应大于包层折射率"));
        return;
    }
    if (a > 0.00025) {
        showNotice(this, QStringLiteral("纤芯半径不超过250微米"));
        return;
    }
    // After the page's own notices: the accepted ranges.
    using namespace inputranges;
    if (!checkFieldRanges(this, {{ui->m_N1lineEdit_2, "纤芯折射率n1", kRefractiveIndex, 1, ""},
                                 {ui->m_N2lineEdit_2, "包层折射率n2", kRefractiveIndex, 1, ""},
                                 {ui->m_AlineEdit_2, "纤芯半径a", kFiberRadius, 1e-6, "μm"},
                                 {ui->m_RlineEdit_2, "弯曲半径R", kBendRadius, 1, "m"},
                                 {ui->m_LambdalineEdit_2, "激光波长λ", kWavelength, 1e-9, "nm"}}))
        return;

    const ModeSet modes = solveModes(a, lambda, n1, n2);
    m_neffLists = modes.neffLists;
    m_modeCounts = modes.modeCounts;
    m_maxOrder = modes.maxOrder;
    m_modeTotal = modes.modeTotal;
    m_orderLists.assign(
        m_neffLists.begin(),
        m_neffLists.begin() + std::min<std::size_t>(m_neffLists.size(), m_maxOrder + 1));
    m_betaList = propagationConstants(modes, lambda);

    // Clearing and refilling runs labelChange and comboChange on the way; the
    // items get their mode labels once all exist.
    ui->mdcomboBox_2->clear();
    for (int k = 0; k < static_cast<int>(m_betaList.size()); ++k)
        ui->mdcomboBox_2->addItem(QString::number(k));
    int k = 0;
    for (int m = 0; m <= m_maxOrder && m < static_cast<int>(m_orderLists.size()); ++m)
        for (std::size_t n = 0; n < m_orderLists[m].size(); ++n, ++k)
            ui->mdcomboBox_2->setItemText(
                k, QString::fromStdString(modeLabel(m, static_cast<int>(n) + 1)));

    comboChange();
    m_modeCounts.clear();
}

void fbmode::comboChange()
{
    const double n1 = readField(ui->m_N1lineEdit_2);
    const double n2 = readField(ui->m_N2lineEdit_2);
    const double lambda = readField(ui->m_LambdalineEdit_2) * 1e-9;
    const double a = readField(ui->m_AlineEdit_2) * 1e-6;
    const double bendRadius = readField(ui->m_RlineEdit_2);

    const BendLoss loss =
        bendLoss(a, lambda, n1, n2, bendRadius, m_betaList, ui->mdcomboBox_2->currentIndex());
    if (!loss.valid) {
        // No guided mode (for example n1 = n2): nothing to show.
        ui->m_BetalineEdit_2->clear();
        ui->m_AlphalineEdit_2->clear();
        return;
    }
    ui->m_BetalineEdit_2->setText(formatNumber(loss.beta, 'g', 4));
    ui->m_AlphalineEdit_2->setText(formatNumber(loss.alpha, 'g', 4));
}

void fbmode::labelChange()
{
    const bool first = ui->mdcomboBox_2->currentIndex() == 0;
    ui->SRS_dLabel_6->setVisible(first);
    ui->SRS_dLabel_7->setVisible(!first);
}
