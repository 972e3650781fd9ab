#ifndef RESULTFIELDS_H
#define RESULTFIELDS_H

#include <vector>

// Object names of the result fields of one page and inner tab: what "清空"
// empties. Linked fields and inputs are not listed.
std::vector<const char *> resultFieldNames(int pageIndex, int innerTab);

#endif // RESULTFIELDS_H
