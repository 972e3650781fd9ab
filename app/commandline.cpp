#include "commandline.h"

#include "pageconventions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0"
#endif

bool wantsTextOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (!std::strcmp(a, "--help") || !std::strcmp(a, "-h") || !std::strcmp(a, "--version") ||
            !std::strcmp(a, "-v"))
            return true;
    }
    return false;
}

// The folder the program reads img/, Data/ and documentation/ from, as the
// running program would find it (the help page is one of its files).
static QString dataDirectoryInUse()
{
    const QString help = findRuntimeFile(QStringLiteral("documentation/index.html"));
    if (!QFileInfo::exists(help))
        return QStringLiteral("(not found)");
    return QDir::cleanPath(QFileInfo(help).absoluteDir().filePath(QStringLiteral("..")));
}

int printTextOnly(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velmora: calculators for fiber lasers and fiber amplifiers "
                       "(光纤激光器与光纤放大器计算工具)."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // parse(), not process(): process() would print its own version line and
    // exit before the data directory is named.
    if (!parser.parse(QCoreApplication::arguments())) {
        QTextStream(stderr) << "velmora: " << parser.errorText() << '\n';
        return 2;
    }

    QTextStream out(stdout);
    if (parser.isSet(version)) {
        out << "velmora " << VELMORA_VERSION << '\n' << "data: " << dataDirectoryInUse() << '\n';
        return 0;
    }
    out << parser.helpText();
    return parser.isSet(help) ? 0 : 2;
}
