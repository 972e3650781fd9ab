#include "applicationsetup.h"
#include "commandline.h"
#include "fbmainwindow.h"

#include <QApplication>
#include <QTextCodec>

int main(int argc, char *argv[])
{
    if (wantsTextOnly(argc, argv))
        return printTextOnly(argc, argv);

    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    setApplicationNames();
    installQtChineseTranslations(app);
    FBMainWindow window;
    window.show();
    return app.exec();
}
