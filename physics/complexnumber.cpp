#include "complexnumber.h"

const char *const kComplexDivisionMessage =
    "\xe9\x99\xa4\xe6\x95\xb0\xe4\xb8\xba"
    "0"; // 除数为0

ComplexDivisionError::ComplexDivisionError() : std::domain_error(kComplexDivisionMessage) {}
