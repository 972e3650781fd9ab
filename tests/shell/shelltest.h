#ifndef SHELLTEST_H
#define SHELLTEST_H

// Shared set-up of the shell tests: an application whose settings store lives
// in a temporary directory, so tests neither read nor change the user's own.

#include <QApplication>
#include <QColor>
#include <QMessageBox>
#include <QPalette>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

// QSettings fixes its paths on first use, so XDG_CONFIG_HOME has to point at
// the temporary directory before the application object exists.
#define VELMORA_SHELL_TEST_MAIN(TestClass)                              \
    int main(int argc, char *argv[])                                    \
    {                                                                   \
        QTemporaryDir configHome;                                       \
        if (!configHome.isValid())                                      \
            return 2;                                                   \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());    \
        QApplication app(argc, argv);                                   \
        QCoreApplication::setOrganizationName(QStringLiteral("Marlo")); \
        QCoreApplication::setApplicationName(QStringLiteral("Quolux")); \
        TestClass test;                                                 \
        return QTest::qExec(&test, argc, argv);                         \
    }

inline QColor windowColorOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

// Runs `handle` on the first modal widget that appears (polling, because the
// modal loop starts only after the triggering call has begun).
inline void onNextModal(std::function<void(QWidget *)> handle)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handle(modal);
        }
    });
    timer->start();
}

// Captures "title|text" of the next notice box and closes it.
inline void captureNextNotice(QString *captured)
{
    onNextModal([captured](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            *captured = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
}

#endif // SHELLTEST_H
