#ifndef EXPORTFORMATS_H
#define EXPORTFORMATS_H
// PLACEHOLDER: replaced by the spreadsheet/picture export.
#endif
