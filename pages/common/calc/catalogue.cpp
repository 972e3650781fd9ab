#include "catalogue.h"

#include "finiteguard.h"

namespace velmora::calc {

// Defined in pages/catalogue_list.cpp: adds every page's calculators.
void registerAllCalculators(Catalogue &catalogue);

const FieldDescription *CalculatorDescription::field(const std::string &key) const
{
    for (const FieldDescription &f : fields)
        if (f.key == key)
            return &f;
    return nullptr;
}

void Catalogue::add(std::unique_ptr<Calculator> calculator)
{
    // Whoever asks the catalogue (command line, Python, sweeps, the window)
    // never receives a non-finite number as a result.
    m_calculators.push_back(finiteGuarded(std::move(calculator)));
}

const Calculator *Catalogue::find(const std::string &id) const
{
    for (const auto &c : m_calculators)
        if (c->description().id == id)
            return c.get();
    return nullptr;
}

const Catalogue &catalogue()
{
    static const Catalogue instance = [] {
        Catalogue c;
        registerAllCalculators(c);
        return c;
    }();
    return instance;
}

Inputs withDefaults(const CalculatorDescription &description, const Inputs &inputs)
{
    Inputs all = inputs;
    for (const FieldDescription &f : description.fields)
        if (f.role != FieldRole::Output && all.find(f.key) == all.end())
            all[f.key] = f.defaultText;
    return all;
}

} // namespace velmora::calc
