#include "formtexts.h"

#include "textfit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>
#include <QTextDocument>
#include <QVariant>

namespace {

const char *const kSourceProperty = "velmoraSourceText";
const char *const kTabSourcesProperty = "velmoraSourceTabTexts";

bool hasChinese(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// A run as written by toHtmlEscaped, back to its text and, translated, escaped again.
QString translatedRun(QString run, const char *context)
{
    run.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&#39;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return QCoreApplication::translate(context, run.toUtf8().constData()).toHtmlEscaped();
}

} // namespace

QString translateSourceText(const QString &source, const char *context)
{
    if (!Qt::mightBeRichText(source))
        return QCoreApplication::translate(context, source.toUtf8().constData());
    // The text runs between tags; only those with Chinese in them change.
    static const QRegularExpression run(QStringLiteral(">([^<]+)<"));
    QString out;
    int done = 0;
    for (auto it = run.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += source.mid(done, m.capturedStart(1) - done);
        out += hasChinese(m.captured(1)) ? translatedRun(m.captured(1), context) : m.captured(1);
        done = m.capturedEnd(1);
    }
    return out + source.mid(done);
}

void captureSourceTexts(QWidget *page)
{
    for (QWidget *w : page->findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            text = group->title();
        if (hasChinese(text))
            w->setProperty(kSourceProperty, text);
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            QStringList titles;
            for (int i = 0; i < tabs->count(); ++i)
                titles << tabs->tabText(i);
            tabs->setProperty(kTabSourcesProperty, titles);
        }
    }
}

void applySourceTexts(QWidget *page, const char *context)
{
    for (QWidget *w : page->findChildren<QWidget *>()) {
        const QVariant source = w->property(kSourceProperty);
        if (source.isValid()) {
            const QString text = translateSourceText(source.toString(), context);
            if (auto *label = qobject_cast<QLabel *>(w))
                label->setText(text);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                button->setText(text);
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                group->setTitle(text);
        }
        const QVariant titles = w->property(kTabSourcesProperty);
        if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && titles.isValid()) {
            const QStringList list = titles.toStringList();
            for (int i = 0; i < tabs->count() && i < list.size(); ++i)
                tabs->setTabText(i, translateSourceText(list.at(i), context));
        }
    }
    fitTextsToWidgets(page);
}
