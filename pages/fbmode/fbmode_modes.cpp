// "模式分布": solve the guided modes, list them, and show the field map of the
// mode picked in the table.

#include "fbmode.h"

#include "fbmodeform.h"
#include "modesolver.h"
#include "pageconventions.h"
#include "rangefield.h"

#include <QSignalBlocker>

void fbmode::calresFB5()
{
    if (anyFieldEmpty({ui->m_ALineEdit_2, ui->m_lambdaLineEdit_2, ui->m_N2LineEdit_2}) ||
        (ui->m_N1LineEdit_2->text().isEmpty() && ui->m_NALineEdit_2->text().isEmpty())) {
        showNotice(this, QString::fromUtf8(kEmptyInputMessage));
        return;
    }
    m_mapComputed = true;
    const double a = readField(ui->m_ALineEdit_2) * 1e-6;
    const double lambda = readField(ui->m_lambdaLineEdit_2) * 1e-9;
    const double n1 = readField(ui->m_N1LineEdit_2);
    const double n2 = readField(ui->m_N2LineEdit_2);
    if (n1 < n2) {
        showNotice(this, QStringLiteral("纤芯折射率应大于包层折射率"));
        return;
    }
    if (a > 50 * 1e-6) {
        showNotice(this, QStringLiteral("纤芯半径不超过50微米"));
        return;
    }
    if (readField(ui->m_NALineEdit_2) > 0.5) {
        showNotice(this, QStringLiteral("数值孔径不超过0.5"));
        return;
    }
    // After the page's own notices: the accepted ranges (a 300-digit n1 typed
    // without Return would otherwise reach the mode search).
    using namespace inputranges;
    if (!checkFieldRanges(this, {{ui->m_N1LineEdit_2, "纤芯折射率n1", kRefractiveIndex, 1, ""},
                                 {ui->m_N2LineEdit_2, "包层折射率n2", kRefractiveIndex, 1, ""},
                                 {ui->m_ALineEdit_2, "纤芯半径a", kFiberRadius, 1e-6, "μm"},
                                 {ui->m_lambdaLineEdit_2, "激光波长λ", kWavelength, 1e-9, "nm"},
                                 {ui->m_NALineEdit_2, "数值孔径NA", kNumericalAperture, 1, ""}}))
        return;

    const double na = reconcileNA();
    const double v = na * (6.283185307179586 / lambda) * a;
    ui->m_VLineEdit_2->setText(formatNumber(v, 'f', 4));

    const ModeSet modes = solveModes(a, lambda, n1, n2);
    m_neffLists = modes.neffLists;
    m_modeCounts = modes.modeCounts;
    m_maxOrder = modes.maxOrder;
    m_modeTotal = modes.modeTotal;

    fillModeTable(readField(ui->m_lambdaLineEdit_2) * 1e-9);
    PressColumn();
    ui->m_NnumLineEdit_2->setText(QString::number(m_modeTotal));

    m_lastNeffLists = m_neffLists;
    m_lastModeCounts = m_modeCounts;
    m_lastMaxOrder = m_maxOrder;
    m_neffLists.clear();
    m_modeCounts.clear();
}

void fbmode::fillModeTable(double lambda)
{
    m_orderLists = m_neffLists;
    QTableWidget *table = ui->tableWidget;
    table->clearContents();
    table->setColumnCount(4);
    table->setRowCount(m_modeTotal);
    int row = 0;
    for (int m = 0; m <= m_maxOrder && m < static_cast<int>(m_orderLists.size()); ++m) {
        const std::vector<double> &list = m_orderLists[m];
        for (std::size_t n = 0; n < list.size() && row < m_modeTotal; ++n, ++row) {
            const double neff = list[n];
            table->setItem(row, 0, new QTableWidgetItem(QString::number(m)));
            table->setItem(row, 1, new QTableWidgetItem(QString::number(static_cast<int>(n) + 1)));
            table->setItem(
                row, 2,
                new QTableWidgetItem(formatNumber(propagationConstant(neff, lambda), 'g', 6)));
            table->setItem(row, 3, new QTableWidgetItem(formatNumber(neff, 'g', 8)));
        }
    }
    // The numbers are longer than the 70-pixel default columns.
    table->resizeColumnToContents(2);
    table->resizeColumnToContents(3);
    if (m_modeTotal > 0)
        table->selectRow(0);
    else
        table->clearSelection();
}

void fbmode::PressColumn()
{
    const QList<QTableWidgetItem *> selected = ui->tableWidget->selectedItems();
    if (selected.isEmpty()) {
        showNotice(this, QStringLiteral("没有传导模，请重新输入"));
        return;
    }
    const int row = selected.first()->row();
    auto cellText = [this, row](int column) {
        const QTableWidgetItem *item = ui->tableWidget->item(row, column);
        return item ? item->text() : QString();
    };
    m_shownNeff = cellText(3).toDouble();
    m_shownOrder = cellText(0).toDouble();
    m_shownRadial = cellText(1).toDouble();

    // The refill would run comboChange2 for every index change on the way
    // (-1, then 0), each time computing the same map again; the map is drawn
    // once below for the final index instead.
    {
        const QSignalBlocker blocker(ui->mdcomboBox_3);
        ui->mdcomboBox_3->clear();
        if (static_cast<int>(m_shownOrder) == 0) {
            ui->mdcomboBox_3->addItem(QStringLiteral("NA"));
        } else {
            ui->mdcomboBox_3->addItem(QStringLiteral("E"));
            ui->mdcomboBox_3->addItem(QStringLiteral("O"));
        }
    }
    computeAndDrawShownMode(ui->mdcomboBox_3->currentIndex());
}

void fbmode::computeAndDrawShownMode(int state)
{
    const double a = readField(ui->m_ALineEdit_2) * 1e-6;
    const double lambda = readField(ui->m_lambdaLineEdit_2) * 1e-9;
    const double n1 = readField(ui->m_N1LineEdit_2);
    const double n2 = readField(ui->m_N2LineEdit_2);
    reconcileNA();
    if (state < 0)
        return; // nothing to draw for an empty combo box: skip the grids as well
    computeFieldMaps(a, lambda, n1, n2, m_shownNeff, m_shownOrder, m_fieldMaps);
    drawModeMap(a, m_displayKind, state, m_showCore);
}

void fbmode::comboChange2()
{
    computeAndDrawShownMode(ui->mdcomboBox_3->currentIndex());
}

void fbmode::R_Checked()
{
    if (m_modeTotal == 0)
        return;
    m_showCore = ui->R_checkBox->isChecked();
    comboChange2();
}

void fbmode::changeRdbtn1()
{
    m_displayKind = 0;
    if (m_mapComputed)
        PressColumn();
}

void fbmode::changeRdbtn2()
{
    m_displayKind = 1;
    if (m_mapComputed)
        PressColumn();
}

void fbmode::changeRdbtn3()
{
    m_displayKind = 2;
    if (m_mapComputed)
        PressColumn();
}

void fbmode::drawMode(double a, double lambda, double n1, double n2, int m, double neff,
                      int orientation, int kind)
{
    computeFieldMaps(a, lambda, n1, n2, neff, m, m_fieldMaps);
    drawModeMap(a, kind, orientation, m_showCore);
}
