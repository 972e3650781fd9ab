#ifndef VELMORA_CLEAREDREFUSAL_H
#define VELMORA_CLEAREDREFUSAL_H

// A refusal that also empties some of the tab's outputs: what a page does
// when the previous result would otherwise stand next to a notice saying the
// new inputs make no sense (the loss tab's "输出功率必须小于输入功率").

#include "calculator.h"

#include <initializer_list>
#include <string>

namespace velmora::calc {

// refused = true, `outputs` written as "" (no value), one notice about `key`.
Result clearedRefusal(const CalculatorDescription &description,
                      std::initializer_list<const char *> outputs, const Text &text,
                      const std::string &key);

} // namespace velmora::calc

#endif // VELMORA_CLEAREDREFUSAL_H
