#include "applicationsetup.h"
#include "commandline.h"
#include "fbmainwindow.h"
#include "uilanguageswitch.h"

#include <QApplication>
#include <QTextCodec>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (wantsTextOnly(argc, argv))
        return printTextOnly(argc, argv);

    QString languageError;
    const std::optional<UiLanguage> language = languageFromCommandLine(argc, argv, &languageError);
    if (!languageError.isEmpty()) {
        QTextStream(stderr) << "velmora: " << languageError << '\n';
        return 2;
    }

    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    setApplicationNames();
    // Before the window exists, so it is built in its language from the start
    // (Qt's own dialogs follow: Chinese from Qt's catalogue, English built in).
    applyUiLanguage(language.value_or(storedUiLanguage()));
    FBMainWindow window;
    window.show();
    return app.exec();
}
