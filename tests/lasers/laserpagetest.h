#ifndef LASERPAGETEST_H
#define LASERPAGETEST_H

// Helpers shared by the laser-page tests: finding widgets by object name,
// simulating a finished edit, and catching the modal notice a slot shows.

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QtTest>

template <typename W> W *child(QWidget *page, const char *name)
{
    W *widget = page->findChild<W *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}

inline QLineEdit *lineEdit(QWidget *page, const char *name)
{
    return child<QLineEdit>(page, name);
}

inline QString text(QWidget *page, const char *name)
{
    return lineEdit(page, name)->text();
}

inline void setText(QWidget *page, const char *name, const QString &value)
{
    lineEdit(page, name)->setText(value);
}

// What a user's Return in a field they typed into does: the field, marked as
// edited, emits editingFinished().
inline void finishEditing(QWidget *page, const char *name)
{
    QLineEdit *field = lineEdit(page, name);
    field->setModified(true);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
}

// Runs `action` and returns "title|text" of the message box it opens (empty
// when none opens), closing the box.
template <typename Action> QString captureNotice(Action action)
{
    QString captured;
    bool pending = true;
    QTimer::singleShot(0, [&] {
        pending = false;
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            captured = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    action();
    // No box opened: let the timer run so it cannot fire into a later test.
    if (pending)
        QCoreApplication::processEvents();
    return captured;
}

#endif // LASERPAGETEST_H
