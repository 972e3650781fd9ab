#ifndef VELMORA_RUNTIMEFILE_H
#define VELMORA_RUNTIMEFILE_H

// Where the files that ship beside the program (img/, Data/, documentation/)
// are found, without Qt GUI: the calculators (the gain spectrum reads
// Data/YDF吸收发射参数.csv) and the pages share this one rule.

#include <QString>

namespace velmora::calc {

// The working directory first, then the executable's folder, then
// ../share/velmora beside it (a relocated install), then the installed data
// directory. Returns the first existing path, or the
// working-directory path when none exists (so messages can name it).
// Works without a QCoreApplication (the command line may have none): the
// executable's folder then comes from /proc/self/exe.
QString findRuntimeFile(const QString &relativePath);

// A further folder searched after the installed data directory. For a host
// whose executable is not Velmora's: the Python module adds the build tree's
// bin/ and the share/velmora of the prefix it is installed under, since the
// interpreter's folder holds neither. Thread-safe.
void addRuntimeRoot(const QString &root);

} // namespace velmora::calc

#endif // VELMORA_RUNTIMEFILE_H
