#include "uitexts.h"

#include <qcustomplot.h>
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QWidget>

namespace {

QString plain(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QString pathOf(const QObject *object)
{
    QString path;
    for (const QObject *o = object; o; o = o->parent())
        path.prepend(QLatin1Char('/') + (o->objectName().isEmpty()
                                             ? QString::fromLatin1(o->metaObject()->className())
                                             : o->objectName()));
    return path;
}

class Collector
{
public:
    explicit Collector(UiTexts *texts) : m_texts(texts) {}

    void add(const QObject *object, const QString &property, const QString &text)
    {
        const QString key =
            QString::number(reinterpret_cast<quintptr>(object), 16) + QLatin1Char(':') + property;
        m_texts->insert(key, {pathOf(object) + QLatin1Char('.') + property, plain(text)});
    }

    void addObject(QObject *o)
    {
        if (auto *w = qobject_cast<QWidget *>(o)) {
            add(w, QStringLiteral("toolTip"), w->toolTip());
            add(w, QStringLiteral("statusTip"), w->statusTip());
            if (w->isWindow() || qobject_cast<QDockWidget *>(w))
                add(w, QStringLiteral("windowTitle"), w->windowTitle());
        }
        if (auto *label = qobject_cast<QLabel *>(o))
            add(label, QStringLiteral("text"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(o))
            add(button, QStringLiteral("text"), button->text());
        if (auto *group = qobject_cast<QGroupBox *>(o))
            add(group, QStringLiteral("title"), group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(o)) {
            add(edit, QStringLiteral("text"), edit->text());
            add(edit, QStringLiteral("placeholder"), edit->placeholderText());
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(o))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, QStringLiteral("tab%1").arg(i), tabs->tabText(i));
        if (auto *combo = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < combo->count(); ++i)
                add(combo, QStringLiteral("item%1").arg(i), combo->itemText(i));
        if (auto *table = qobject_cast<QTableWidget *>(o)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (QTableWidgetItem *h = table->horizontalHeaderItem(c))
                    add(table, QStringLiteral("header%1").arg(c), h->text());
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c)
                    if (QTableWidgetItem *item = table->item(r, c))
                        add(table, QStringLiteral("cell%1,%2").arg(r).arg(c), item->text());
        }
        if (auto *menu = qobject_cast<QMenu *>(o))
            add(menu, QStringLiteral("title"), menu->title());
        if (auto *action = qobject_cast<QAction *>(o)) {
            add(action, QStringLiteral("text"), action->text());
            add(action, QStringLiteral("statusTip"), action->statusTip());
            add(action, QStringLiteral("toolTip"), action->toolTip());
            add(action, QStringLiteral("iconText"), action->iconText());
        }
        if (auto *plot = qobject_cast<QCustomPlot *>(o)) {
            for (QCPAxis *axis : plot->axisRect() ? plot->axisRect()->axes() : QList<QCPAxis *>())
                add(axis, QStringLiteral("label"), axis->label());
            for (int g = 0; g < plot->graphCount(); ++g)
                add(plot->graph(g), QStringLiteral("name"), plot->graph(g)->name());
        }
    }

private:
    UiTexts *m_texts;
};

void walk(QObject *object, Collector &collector, const std::function<bool(const QObject *)> &skip)
{
    if (skip && skip(object))
        return;
    collector.addObject(object);
    for (QObject *child : object->children())
        walk(child, collector, skip);
}

} // namespace

UiTexts collectUiTexts(QObject *root, const std::function<bool(const QObject *)> &skip)
{
    UiTexts texts;
    Collector collector(&texts);
    walk(root, collector, skip);
    return texts;
}

bool containsCjk(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
            (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}
