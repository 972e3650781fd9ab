#ifndef NOTICECATCHER_H
#define NOTICECATCHER_H

// Runs an action that may open a modal message box, closes the box from a
// zero timer and returns "title|text" of it (empty when none was shown).
// onShown, when given, runs while the box is open, so a test can look at the
// fields as they were at that moment.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

inline QString captureNotice(const std::function<void()> &action,
                             const std::function<void()> &onShown = {})
{
    QString captured;
    QTimer::singleShot(0, [&captured, &onShown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            captured = box->windowTitle() + QLatin1Char('|') + box->text();
            if (onShown)
                onShown();
            box->accept();
        }
    });
    action();
    // Without a box the timer is still pending: let it run now, so it cannot
    // fire into a later test.
    QCoreApplication::processEvents();
    return captured;
}

#endif // NOTICECATCHER_H
