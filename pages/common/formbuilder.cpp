#include "formbuilder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>

namespace form {

QFont pointFont(int pointSize, const QString &family)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(pointSize);
    return font;
}

QTabWidget *pageTabWidget(QWidget *page, const char *pageName, const QRect &tabGeometry)
{
    if (page->objectName().isEmpty())
        page->setObjectName(QLatin1String(pageName));
    page->resize(815, 590);

    auto *tabWidget = new QTabWidget(page);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(tabGeometry);
    tabWidget->setTabPosition(QTabWidget::North);
    tabWidget->setFont(pointFont(12));
    return tabWidget;
}

QWidget *tab(QTabWidget *tabs, const char *objectName, const QString &title)
{
    auto *page = new QWidget();
    page->setObjectName(QLatin1String(objectName));
    tabs->addTab(page, title);
    return page;
}

namespace {

template <typename W> W *place(QWidget *parent, const char *objectName, const QRect &geometry,
                               int pointSize, const QString &family = QString())
{
    auto *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(geometry);
    if (pointSize != kInheritFont)
        widget->setFont(pointFont(pointSize, family));
    return widget;
}

QString coloured(const QString &style, const QString &text)
{
    return richText(QStringLiteral("<span style=\" ") + style + QStringLiteral("\">") + text +
                    QStringLiteral("</span>"));
}

} // namespace

QString richText(const QString &body)
{
    return QStringLiteral("<html><head/><body><p>") + body + QStringLiteral("</p></body></html>");
}

QString sub(const QString &text)
{
    return QStringLiteral("<span style=\" vertical-align:sub;\">") + text +
           QStringLiteral("</span>");
}

QString super(const QString &text)
{
    return QStringLiteral("<span style=\" vertical-align:super;\">") + text +
           QStringLiteral("</span>");
}

QString markup(const QString &markup, int pointSize)
{
    // The spans are opened here and closed at their "}", so nested indices
    // (e^{(-α_{s}*L)}) come out nested.
    const QString close = QStringLiteral("</span>");
    const QString subOpen = sub(QString()).chopped(close.size());
    const QString superOpen = super(QString()).chopped(close.size());
    QString body;
    int depth = 0;
    for (int i = 0; i < markup.size(); ++i) {
        const QChar c = markup.at(i);
        if ((c == QLatin1Char('_') || c == QLatin1Char('^')) && i + 1 < markup.size() &&
            markup.at(i + 1) == QLatin1Char('{')) {
            body += c == QLatin1Char('_') ? subOpen : superOpen;
            ++depth;
            ++i;
        } else if (c == QLatin1Char('}') && depth > 0) {
            body += close;
            --depth;
        } else {
            body += QString(c).toHtmlEscaped();
        }
    }
    if (pointSize > 0)
        body = QStringLiteral("<span style=\" font-size:%1pt;\">").arg(pointSize) + body + close;
    return richText(body);
}

QString regularWeightMarkup(const QString &markup)
{
    QString body;
    QString run;
    QStringList alignments; // of the open indices, innermost last
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        QString style = QStringLiteral(" font-weight:400;");
        if (!alignments.isEmpty())
            style += QStringLiteral(" vertical-align:") + alignments.last() + QLatin1Char(';');
        body += QStringLiteral("<span style=\"") + style + QStringLiteral("\">") +
                run.toHtmlEscaped() + QStringLiteral("</span>");
        run.clear();
    };
    for (int i = 0; i < markup.size(); ++i) {
        const QChar c = markup.at(i);
        if ((c == QLatin1Char('_') || c == QLatin1Char('^')) && i + 1 < markup.size() &&
            markup.at(i + 1) == QLatin1Char('{')) {
            flush();
            alignments << (c == QLatin1Char('_') ? QStringLiteral("sub") : QStringLiteral("super"));
            ++i;
        } else if (c == QLatin1Char('}') && !alignments.isEmpty()) {
            flush();
            alignments.removeLast();
        } else {
            run += c;
        }
    }
    flush();
    return richText(body);
}

QString titleText(const QString &title)
{
    return coloured(QStringLiteral("font-weight:600; color:#ff5500;"), title);
}

QString headingText(const QString &heading)
{
    return coloured(QStringLiteral("color:#ff5500;"), heading.toHtmlEscaped());
}

QLabel *caption(QWidget *parent, const char *objectName, const QRect &geometry, const QString &text,
                int pointSize)
{
    auto *label = place<QLabel>(parent, objectName, geometry, pointSize);
    label->setText(text);
    return label;
}

QLabel *formula(QWidget *parent, const char *objectName, const QRect &geometry, const QString &text)
{
    auto *label =
        place<QLabel>(parent, objectName, geometry, 12, QStringLiteral("Times New Roman"));
    label->setText(text);
    return label;
}

QLabel *title(QWidget *parent, const char *objectName, const QRect &geometry, int pointSize,
              const QString &text)
{
    auto *label =
        place<QLabel>(parent, objectName, geometry, pointSize, QStringLiteral("微软雅黑"));
    label->setText(text);
    return label;
}

QLabel *heading(QWidget *tab, const char *objectName, const QString &text)
{
    return title(tab, objectName, QRect(20, 6, 600, 34), 14, headingText(text));
}

QLineEdit *field(QWidget *parent, const char *objectName, const QRect &geometry,
                 const QString &text, int pointSize)
{
    auto *edit = place<QLineEdit>(parent, objectName, geometry, pointSize);
    edit->setText(text);
    return edit;
}

QPushButton *button(QWidget *parent, const char *objectName, const QRect &geometry,
                    const QString &text, int pointSize)
{
    auto *button = place<QPushButton>(parent, objectName, geometry, pointSize);
    button->setText(text);
    return button;
}

QGroupBox *group(QWidget *parent, const char *objectName, const QRect &geometry,
                 const QString &title, int pointSize)
{
    auto *box = place<QGroupBox>(parent, objectName, geometry, pointSize);
    box->setTitle(title);
    return box;
}

} // namespace form
