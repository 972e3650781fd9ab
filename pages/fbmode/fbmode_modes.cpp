// "模式分布": the guided modes of modes.solve in the table, and the field map
// (modes.field_map) of the mode picked in the table.

#include "fbmode.h"

#include "calc/fiberinputs.h"
#include "calcbinding.h"
#include "catalogue.h"
#include "exportnaming.h"
#include "fbmodeform.h"
#include "fieldmaps.h"
#include "modesolver.h"
#include "pageconventions.h"
#include "uilanguage.h"

#include <QSignalBlocker>

#include <algorithm>

using namespace velmora::calc;

namespace {

const Calculator &calculator(const char *id)
{
    return *catalogue().find(id);
}

// The NA field of "模式分布" follows the calculation's NA rule.
void writeNa(QLineEdit *field, const Result &result)
{
    const auto it = result.outputs.find("na");
    if (it != result.outputs.end())
        field->setText(QString::fromStdString(it->second.text));
}

const char *const kKinds[] = {"intensity", "amplitude", "phase"};

} // namespace

void fbmode::calresFB5()
{
    const Calculator &solve = calculator("modes.solve");
    const Inputs inputs = readInputs(this, solve.description());
    const Result result = solve.evaluate(inputs);
    // Only an empty field keeps the tab from counting as calculated (the
    // picture export then asks for a calculation first).
    const bool emptyField =
        result.refused && result.notices.front().text.zh == kEmptyInputNotice.zh;
    if (!emptyField)
        m_mapComputed = true;
    if (result.refused) {
        showNotices(this, result);
        return;
    }
    writeOutputs(this, solve.description(), result);
    writeNa(ui->m_NALineEdit_2, result);
    m_lastListInputs = inputs;
    fillModeTable(result);
    if (m_modeTotal > 0)
        PressColumn();
    else
        clearModeMap(); // the map of the previous fiber's mode must not stay
    // "没有传导模，请重新输入", or that the list misses modes the cutoffs allow.
    showNotices(this, result);
}

void fbmode::fillModeTable(const Result &modes)
{
    const std::vector<double> &m = modes.outputs.at("m").data;
    const std::vector<double> &n = modes.outputs.at("n").data;
    const std::vector<double> &beta = modes.outputs.at("beta").data;
    const std::vector<double> &neff = modes.outputs.at("neff").data;
    m_modeTotal = static_cast<int>(m.size());

    // The per-order lists the picture export walks, as the solver keeps them.
    // At high V the orders go past the 31 lists the solver always keeps.
    int highestOrder = kModeSolverOrderLists - 1;
    for (double order : m)
        highestOrder = std::max(highestOrder, static_cast<int>(order));
    m_lastNeffLists.assign(static_cast<std::size_t>(highestOrder) + 1, {});
    m_lastMaxOrder = -1;
    for (int row = 0; row < m_modeTotal; ++row) {
        const int order = static_cast<int>(m[row]);
        m_lastNeffLists[order].push_back(neff[row]);
        m_lastMaxOrder = std::max(m_lastMaxOrder, order);
    }
    m_lastModeCounts.clear();
    for (int order = 0; order <= m_lastMaxOrder; ++order)
        m_lastModeCounts.push_back(static_cast<int>(m_lastNeffLists[order].size()));
    if (m_lastMaxOrder < kModeSolverMaxOrder)
        m_lastModeCounts.push_back(0); // the empty order that ended the search

    QTableWidget *table = ui->tableWidget;
    table->clearContents();
    table->setColumnCount(4);
    table->setRowCount(m_modeTotal);
    for (int row = 0; row < m_modeTotal; ++row) {
        table->setItem(row, 0, new QTableWidgetItem(QString::number(static_cast<int>(m[row]))));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(static_cast<int>(n[row]))));
        table->setItem(row, 2, new QTableWidgetItem(formatNumber(beta[row], 'g', 6)));
        table->setItem(row, 3, new QTableWidgetItem(formatNumber(neff[row], 'g', 8)));
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
        showNotice(this, inUiLanguage(modes::kNoGuidedMode));
        return;
    }
    const QTableWidgetItem *order = ui->tableWidget->item(selected.first()->row(), 0);
    // The refill would run comboChange2 for every index change on the way
    // (-1, then 0), each time computing the same map again; the map is drawn
    // once below for the final index instead.
    {
        const QSignalBlocker blocker(ui->mdcomboBox_3);
        ui->mdcomboBox_3->clear();
        if (!order || order->text().toInt() == 0) {
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
    const QList<QTableWidgetItem *> selected = ui->tableWidget->selectedItems();
    if (state < 0 || selected.isEmpty())
        return; // nothing to draw for an empty combo box or table
    const Calculator &fieldMap = calculator("modes.field_map");
    Inputs inputs = readInputs(this, fieldMap.description());
    inputs["mode"] = std::to_string(selected.first()->row());
    inputs["orientation"] = state == 1 ? "O" : "E";
    inputs["kind"] = kKinds[m_displayKind];
    const Result result = fieldMap.evaluate(inputs);
    if (result.refused) {
        showNotices(this, result);
        return;
    }
    writeNa(ui->m_NALineEdit_2, result);
    drawModeMap(readField(ui->m_ALineEdit_2) * 1e-6, result.outputs.at("map").data, m_showCore);
}

void fbmode::clearModeMap()
{
    {
        const QSignalBlocker blocker(ui->mdcomboBox_3);
        ui->mdcomboBox_3->clear();
    }
    if (m_mapPlot)
        drawModeMap(0.0, {}, false); // no grid: the colour map is hidden
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

std::vector<FieldMapPicture> fbmode::modeMapPictures() const
{
    std::vector<FieldMapPicture> pictures;
    const int lastOrder = std::min<int>(
        m_lastMaxOrder,
        static_cast<int>(std::min(m_lastNeffLists.size(), m_lastModeCounts.size())) - 1);
    int row = 0; // the table lists order 0 first, each order by n
    for (int m = 0; m <= lastOrder; ++m) {
        const int modes =
            std::min<int>(m_lastModeCounts[m], static_cast<int>(m_lastNeffLists[m].size()));
        for (int n = 1; n <= modes; ++n, ++row)
            for (int orientation = 0; orientation < 2; ++orientation)
                for (int kind = 0; kind < 3; ++kind) {
                    const QString name = modeMapFileName(m, n, orientation, kind);
                    if (name.isEmpty())
                        continue;
                    FieldMapPicture picture;
                    picture.inputs = m_lastListInputs;
                    picture.inputs["mode"] = std::to_string(row);
                    picture.inputs["orientation"] = orientation == 1 ? "O" : "E";
                    picture.inputs["kind"] = kKinds[kind];
                    picture.coreCircle = m_showCore;
                    picture.fileName = name;
                    pictures.push_back(std::move(picture));
                }
    }
    return pictures;
}

void fbmode::drawMode(double a, double lambda, double n1, double n2, int m, double neff,
                      int orientation, int kind)
{
    const ModeFieldMaps maps = computeFieldMaps(a, lambda, n1, n2, neff, m);
    const std::vector<double> *grids[3][2] = {{&maps.intensityE, &maps.intensityO},
                                              {&maps.amplitudeE, &maps.amplitudeO},
                                              {&maps.phaseE, &maps.phaseO}};
    const bool known = kind >= 0 && kind <= 2 && orientation >= 0 && orientation <= 1;
    drawModeMap(a, known ? *grids[kind][orientation] : std::vector<double>(), m_showCore);
}
