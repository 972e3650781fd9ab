#include "complexnumber.h"

const char *const kComplexDivisionMessage = "除数为0"; // UTF-8 source and execution character set

ComplexDivisionError::ComplexDivisionError() : std::domain_error(kComplexDivisionMessage) {}
