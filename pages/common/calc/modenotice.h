#ifndef VELMORA_MODENOTICE_H
#define VELMORA_MODENOTICE_H

// The notice every mode list shows when the grid search did not find the
// modes the cutoffs allow (ModeSet::complete false): the list on screen is
// then not the fiber's full mode set, and the user must be told so.

#include "modesolver.h"

#include <string>

namespace velmora::calc {

// UTF-8 text naming how many LP modes the cutoffs allow and how many the
// search listed (or that the cutoffs could not be counted for this fiber).
// Empty when the list is complete, and when it is empty: a page without any
// mode already says "没有传导模" (near V = 0 LP01 is guided only in name).
std::string incompleteModeListNotice(const ModeSet &modes);
// The same notice in English (command line, Python module).
std::string incompleteModeListNoticeEn(const ModeSet &modes);

} // namespace velmora::calc

#endif // VELMORA_MODENOTICE_H
