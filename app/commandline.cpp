#include "commandline.h"

#include "pageconventions.h"
#include "uilanguageswitch.h"

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
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QStringLiteral("Window language for this run: zh (Chinese) or en (English); "
                       "otherwise the one chosen under 设置 → 语言 / Language."),
        QStringLiteral("zh|en")));
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

std::optional<UiLanguage> languageFromCommandLine(int argc, char *argv[], QString *error)
{
    static const char kOption[] = "--lang";
    std::optional<UiLanguage> chosen;
    for (int i = 1; i < argc; ++i) {
        QString value;
        if (!std::strcmp(argv[i], kOption)) {
            if (i + 1 >= argc) {
                *error = QStringLiteral("--lang needs a value: zh or en");
                return std::nullopt;
            }
            value = QString::fromLocal8Bit(argv[++i]);
        } else if (!std::strncmp(argv[i], "--lang=", 7)) {
            value = QString::fromLocal8Bit(argv[i] + 7);
        } else {
            continue;
        }
        chosen = parseUiLanguage(value);
        if (!chosen) {
            *error = QStringLiteral("--lang takes zh or en, not \"%1\"").arg(value);
            return std::nullopt;
        }
    }
    return chosen;
}
