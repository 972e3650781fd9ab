// Window appearance and persisted settings.
//
// Every access opens a fresh QSettings for the organisation and application
// names registered at start-up, and every value is written the moment it
// changes: nothing is kept in the window and nothing is saved at exit.
#include "fbmainwindow.h"

#include "fbmainwindowform.h"

#include <QAction>
#include <QColorDialog>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QPointer>
#include <QSettings>

namespace {

// The colour stored under "<component>/<group>", each component falling back
// to its own default when the key is absent.
QColor storedColor(const QString &group, int red, int green, int blue)
{
    QSettings settings;
    return QColor(settings.value(QStringLiteral("red/") + group, red).toInt(),
                  settings.value(QStringLiteral("green/") + group, green).toInt(),
                  settings.value(QStringLiteral("blue/") + group, blue).toInt(), 255);
}

void storeColor(const QString &group, const QColor &color)
{
    QSettings settings;
    settings.setValue(QStringLiteral("red/") + group, color.red());
    settings.setValue(QStringLiteral("green/") + group, color.green());
    settings.setValue(QStringLiteral("blue/") + group, color.blue());
}

// Every colour is applied the same way: a fresh default palette whose Window
// role carries the colour in all groups.
void applyWindowColor(QWidget *widget, const QColor &color)
{
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(color, Qt::SolidPattern));
    widget->setPalette(palette);
}

// The main window and the dialogs read the same keys with different
// defaults, so an empty store shows a blue window but a pale-blue dialog.
const QColor kWindowColorDefault(85, 170, 255);
const QColor kDialogColorDefault(152, 204, 222);
const QColor kTextViewColorDefault(206, 224, 255);

} // namespace

void FBMainWindow::restoreSettings()
{
    {
        QSettings settings;
        move(settings.value(QStringLiteral("pos"), QPoint(350, 200)).toPoint());
    }
    applyWindowColor(this, storedColor(QStringLiteral("window"), kWindowColorDefault.red(),
                                       kWindowColorDefault.green(), kWindowColorDefault.blue()));

    QSettings settings;
    if (settings.value(QStringLiteral("TopHint"), false).toBool()) {
        ui->actionTopHint->setChecked(true);
        setWindowFlags(Qt::WindowStaysOnTopHint);
    }
}

void FBMainWindow::showWindowColorDialog()
{
    // Created anew for every use; deleted once it has been answered (the
    // pointer guards against the window going away while it is open).
    QPointer<QColorDialog> dialog = new QColorDialog(this);
    dialog->setWindowTitle(tr("请选择窗口背景色"));
    const QColor stored = storedColor(QStringLiteral("window"), kDialogColorDefault.red(),
                                      kDialogColorDefault.green(), kDialogColorDefault.blue());
    applyWindowColor(dialog, stored);
    dialog->setCurrentColor(stored);
    connect(dialog.data(), &QColorDialog::colorSelected, this, &FBMainWindow::windowColorChange);
    dialog->exec();
    delete dialog;
}

void FBMainWindow::windowColorChange(QColor color)
{
    applyWindowColor(this, color);
    storeColor(QStringLiteral("window"), color);
}

void FBMainWindow::defaultSettings()
{
    storeColor(QStringLiteral("window"), kWindowColorDefault);
    applyWindowColor(this, kWindowColorDefault);
    storeColor(QStringLiteral("textview"), kTextViewColorDefault);

    // Kept for compatibility with stores written by earlier versions; the
    // program itself never reads it.
    QSettings settings;
    settings.setValue(QStringLiteral("Font"), QFont(QStringLiteral("Arial"), 20).toString());
}

// Runs after the action has toggled its check state. setWindowFlags() hides
// the window, so it is shown again at once.
void FBMainWindow::topshow()
{
    const bool onTop = ui->actionTopHint->isChecked();
    {
        QSettings settings;
        settings.setValue(QStringLiteral("TopHint"), onTop ? 1 : 0);
    }
    setWindowFlags(onTop ? Qt::WindowFlags(Qt::WindowStaysOnTopHint) : Qt::WindowFlags());
    show();
}
