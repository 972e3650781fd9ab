#include "markupform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace markupform {

QString richText(const QString &markup, int pointSize)
{
    QString body;
    int depth = 0;
    for (int i = 0; i < markup.size(); ++i) {
        const QChar c = markup.at(i);
        if ((c == QLatin1Char('_') || c == QLatin1Char('^')) && i + 1 < markup.size() &&
            markup.at(i + 1) == QLatin1Char('{')) {
            body += c == QLatin1Char('_')
                        ? QStringLiteral("<span style=\" vertical-align:sub;\">")
                        : QStringLiteral("<span style=\" vertical-align:super;\">");
            ++depth;
            ++i;
        } else if (c == QLatin1Char('}') && depth > 0) {
            body += QStringLiteral("</span>");
            --depth;
        } else {
            body += QString(c).toHtmlEscaped();
        }
    }
    if (pointSize > 0)
        body =
            QStringLiteral("<span style=\" font-size:%1pt;\">%2</span>").arg(pointSize).arg(body);
    return QStringLiteral("<html><head/><body><p>%1</p></body></html>").arg(body);
}

QFont pointFont(int pointSize, const QString &family)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSize(pointSize);
    return font;
}

QWidget *newTab(QTabWidget *tabs, const char *name, const QString &title)
{
    auto *tab = new QWidget();
    tab->setObjectName(QLatin1String(name));
    tabs->addTab(tab, title);
    return tab;
}

QLabel *newTitle(QWidget *tab, const char *name, const QString &text)
{
    auto *label = new QLabel(tab);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(20, 6, 600, 34);
    label->setFont(pointFont(14, QStringLiteral("微软雅黑")));
    label->setText(
        QStringLiteral("<html><head/><body><p><span style=\" color:#ff5500;\">%1</span></p>"
                       "</body></html>")
            .arg(text.toHtmlEscaped()));
    return label;
}

QGroupBox *newGroup(QWidget *parent, const char *name, const QString &title, const QRect &rect)
{
    auto *group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    group->setTitle(title);
    group->setGeometry(rect);
    return group;
}

QLabel *newLabel(QWidget *parent, const char *name, const QString &html, const QRect &rect)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setText(html);
    return label;
}

QLabel *newFormula(QWidget *parent, const char *name, const QString &html, const QRect &rect)
{
    QLabel *label = newLabel(parent, name, html, rect);
    label->setFont(pointFont(12, QStringLiteral("Times New Roman")));
    return label;
}

QLineEdit *newField(QWidget *parent, const char *name, const QRect &rect,
                    const QString &defaultText)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setGeometry(rect);
    field->setText(defaultText);
    return field;
}

QPushButton *newButton(QWidget *parent, const char *name, const QRect &rect)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    button->setText(QStringLiteral("计算"));
    return button;
}

} // namespace markupform
