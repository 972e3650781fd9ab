#include "pulsepropagatecalculator.h"

#include "inputranges.h"
#include "pulsefields.h"
#include "pulseinputs.h"
#include "rangecheck.h"

namespace velmora::calc {

PulsePropagateCalculator::PulsePropagateCalculator()
{
    m_description.id = "pulse.propagate";
    m_description.title = {"脉冲传输", "pulse propagation"};
    m_description.page = "pulseamp";
    m_description.tab = 0;
    std::vector<FieldDescription> &f = m_description.fields;
    f = pulseInputFields("1030", "200", "2000");
    FieldDescription length;
    length.key = "length_m";
    length.objectName = "m_length_mlineEdit";
    length.caption = {"光纤长度", "fiber length"};
    length.unit = "m";
    length.defaultText = "1";
    f.push_back(withRange(length, inputranges::kLength));
    FieldDescription loss;
    loss.key = "loss_db_m";
    loss.objectName = "m_loss_db_mlineEdit";
    loss.caption = {"损耗", "loss"};
    loss.unit = "dB/m";
    loss.defaultText = "0";
    loss.min = 0;
    loss.max = 1e3;
    f.push_back(loss);
    for (const FieldDescription &x : nonlinearFiberFields("0.005", "0.0236,4.2e-5", "blow_wood"))
        f.push_back(x);
    for (const FieldDescription &x : numericsFields("2048", "20", "1e-6"))
        f.push_back(x);
    for (const FieldDescription &x : pulseOutputFields())
        f.push_back(x);
}

Result PulsePropagateCalculator::evaluate(const Inputs &inputs) const
{
    return evaluate(inputs, {});
}

Result PulsePropagateCalculator::evaluate(const Inputs &inputs,
                                          const std::function<bool(double)> &progress) const
{
    ReadInputs read;
    if (const std::optional<Notice> bad = readInputs(m_description, inputs, read))
        return refusal(bad->text, bad->key);
    PulseSetup setup;
    if (const std::optional<Notice> bad = makePulseSetup(m_description, read, setup))
        return refusal(bad->text, bad->key);
    setup.settings.progress = progress;
    gnlse::Result run;
    return propagatePulse(setup, run);
}

} // namespace velmora::calc
