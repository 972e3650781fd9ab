#include "clearedrefusal.h"

#include "inputreader.h"

namespace velmora::calc {

Result clearedRefusal(const CalculatorDescription &description,
                      std::initializer_list<const char *> outputs, const Text &text,
                      const std::string &key)
{
    ResultBuilder out(description);
    for (const char *output : outputs)
        out.cleared(output);
    out.notice(text, key);
    Result result = out.take();
    result.refused = true;
    return result;
}

} // namespace velmora::calc
