#ifndef COMMANDLINE_H
#define COMMANDLINE_H

// The main program's command line: --help and --version answer on the
// terminal without opening a window (and without needing a display).

// True when the arguments ask only for text (--help, -h, --version, -v).
bool wantsTextOnly(int argc, char *argv[]);

// Prints the help or version text and returns the exit status. Runs its own
// QCoreApplication, so no display is needed.
int printTextOnly(int argc, char *argv[]);

#endif // COMMANDLINE_H
