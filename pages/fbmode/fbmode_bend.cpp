// "弯曲损耗": the modes of the fiber in a combo box, and β and the bend-loss
// coefficient of the chosen one, calculated by modes.bend_loss.

#include "fbmode.h"

#include "calc/fiberinputs.h"
#include "calcbinding.h"
#include "catalogue.h"
#include "fbmodeform.h"
#include "modesolver.h"

#include <QSignalBlocker>

using namespace velmora::calc;

namespace {

const Calculator &bendCalculator()
{
    return *catalogue().find("modes.bend_loss");
}

// The loss of the mode at `position` of the list, for the fiber as typed now.
Result evaluateBend(QWidget *page, int position)
{
    Inputs inputs = readInputs(page, bendCalculator().description());
    inputs["mode"] = std::to_string(position);
    return bendCalculator().evaluate(inputs);
}

bool noGuidedMode(const Result &result)
{
    return result.refused && result.notices.front().text.zh == modes::kNoGuidedMode.zh;
}

} // namespace

void fbmode::calresFB1()
{
    const Result result = evaluateBend(this, 0);
    // Without a guided mode the list is emptied and nothing is shown.
    if (result.refused && !noGuidedMode(result)) {
        showNotices(this, result);
        return;
    }
    {
        const QSignalBlocker blocker(ui->mdcomboBox_2);
        ui->mdcomboBox_2->clear();
        if (!result.refused) {
            const std::vector<double> &m = result.outputs.at("m").data;
            const std::vector<double> &n = result.outputs.at("n").data;
            for (std::size_t k = 0; k < m.size(); ++k)
                ui->mdcomboBox_2->addItem(QString::fromStdString(
                    modeLabel(static_cast<int>(m[k]), static_cast<int>(n[k]))));
        }
    }
    labelChange();
    if (result.refused) {
        ui->m_BetalineEdit_2->clear();
        ui->m_AlphalineEdit_2->clear();
        return;
    }
    writeOutputs(this, bendCalculator().description(), result);
    showNotices(this, result); // a mode list the cutoffs call incomplete
}

// Choosing another mode shows its loss for the fiber as typed now. Fields
// changed since the calculation can make that fail: the results are then
// emptied without a notice box over the list; "计算" says what is wrong.
void fbmode::comboChange()
{
    const int position = ui->mdcomboBox_2->currentIndex();
    const Result result = position < 0 ? Result{} : evaluateBend(this, position);
    if (position < 0 || result.refused) {
        ui->m_BetalineEdit_2->clear();
        ui->m_AlphalineEdit_2->clear();
        return;
    }
    writeOutputs(this, bendCalculator().description(), result);
}

void fbmode::labelChange()
{
    const bool first = ui->mdcomboBox_2->currentIndex() <= 0;
    ui->SRS_dLabel_6->setVisible(first);
    ui->SRS_dLabel_7->setVisible(!first);
}
