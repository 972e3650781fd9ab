#ifndef VELMORA_CATALOGUE_H
#define VELMORA_CATALOGUE_H

// The catalogue: every calculator of every page, in page and tab order.
// Pages register in pages/catalogue_list.cpp (one line each).

#include "calculator.h"

#include <memory>
#include <vector>

namespace velmora::calc {

class Catalogue
{
public:
    // Holds the calculator behind the finite-output guard (finiteguard.h).
    void add(std::unique_ptr<Calculator> calculator);
    const std::vector<std::unique_ptr<Calculator>> &all() const { return m_calculators; }
    // nullptr when no calculator has this id.
    const Calculator *find(const std::string &id) const;

private:
    std::vector<std::unique_ptr<Calculator>> m_calculators;
};

// The program's catalogue, built on first use (thread-safe).
const Catalogue &catalogue();

// The inputs with every missing input key set to its default text.
Inputs withDefaults(const CalculatorDescription &description, const Inputs &inputs);

} // namespace velmora::calc

#endif // VELMORA_CATALOGUE_H
