#ifndef FBAMPCALCULATORS_H
#define FBAMPCALCULATORS_H

namespace velmora::calc {
class Catalogue;
// The fiber-amplifier page's calculator: amp.steady_state.
void registerFbampCalculators(Catalogue &catalogue);
} // namespace velmora::calc

#endif // FBAMPCALCULATORS_H
