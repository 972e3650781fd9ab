#ifndef COMMANDLINE_H
#define COMMANDLINE_H

// The main program's command line: --help and --version answer on the
// terminal without opening a window (and without needing a display); --lang
// chooses the window's language for one run.

#include "uilanguage.h"

#include <QString>

#include <optional>

// True when the arguments ask only for text (--help, -h, --version, -v).
bool wantsTextOnly(int argc, char *argv[]);

// Prints the help or version text and returns the exit status. Runs its own
// QCoreApplication, so no display is needed.
int printTextOnly(int argc, char *argv[]);

// The language asked for by "--lang en|zh" or "--lang=en|zh" for this run:
// nothing when the option is absent. A value other than zh or en sets *error
// to a message naming the option (the last --lang wins).
std::optional<UiLanguage> languageFromCommandLine(int argc, char *argv[], QString *error);

#endif // COMMANDLINE_H
