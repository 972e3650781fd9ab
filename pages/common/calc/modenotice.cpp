#include "modenotice.h"

namespace velmora::calc {

std::string incompleteModeListNotice(const ModeSet &modes)
{
    const int listed = modes.modeTotal;
    const int allowed = modes.cutoffTotal;
    if (modes.complete || listed == 0)
        return {};
    if (modes.cutoffCounts.empty())
        return "模式列表可能不完整：列出" + std::to_string(listed) +
               "个LP模式，此光纤的截止条件无法核对";
    return "模式列表不完整：截止条件允许" + std::to_string(allowed) + "个LP模式，列出" +
           std::to_string(listed) + "个";
}

std::string incompleteModeListNoticeEn(const ModeSet &modes)
{
    const int listed = modes.modeTotal;
    if (modes.complete || listed == 0)
        return {};
    if (modes.cutoffCounts.empty())
        return "the mode list may be incomplete: " + std::to_string(listed) +
               " LP modes listed, the cutoffs of this fiber cannot be checked";
    return "the mode list is incomplete: the cutoffs allow " + std::to_string(modes.cutoffTotal) +
           " LP modes, " + std::to_string(listed) + " listed";
}

} // namespace velmora::calc
