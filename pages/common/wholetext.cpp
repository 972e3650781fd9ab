#include "wholetext.h"

#include "tabfields.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// QLineEdit keeps this many pixels free on each side of its text
// (QLineEditPrivate::horizontalMargin).
constexpr int kLineEditSideMargin = 2;

// The widest text the number formats write: six significant digits, a
// minus sign and a three-digit exponent of either sign.
const char *const kLongestResult = "-1.23456e+300";

class WholeTextFit : public QObject
{
public:
    explicit WholeTextFit(QLineEdit *field) : QObject(field), m_field(field)
    {
        setObjectName(QStringLiteral("wholeTextFit"));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, [this] { fit(); });
        // A field a layout places may be made as narrow as the layout likes:
        // it asks for room for the longest text at the smallest size.
        if (field->parentWidget() && field->parentWidget()->layout()) {
            QFont smallest = field->font();
            smallest.setPointSizeF(smallest.pointSizeF() * kSmallestResultFontRatio);
            const int frame = field->width() - textRoom(field);
            const int wanted =
                QFontMetrics(smallest).horizontalAdvance(QLatin1String(kLongestResult)) + frame;
            field->setMinimumWidth(std::max(field->minimumWidth(), wanted));
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_field && !m_fitting &&
            (event->type() == QEvent::Resize || event->type() == QEvent::StyleChange ||
             event->type() == QEvent::Polish))
            fit();
        return QObject::eventFilter(watched, event);
    }

private:
    void fit()
    {
        m_fitting = true;
        if (m_shrunk) { // the field's own font first: a shorter text may fit it
            m_field->setFont(m_ownFont);
            m_field->setAttribute(Qt::WA_SetFont, m_ownFontSet);
            m_field->setToolTip(m_ownToolTip);
            m_shrunk = false;
        }
        if (!showsWholeText(m_field)) {
            m_ownFont = m_field->font();
            m_ownFontSet = m_field->testAttribute(Qt::WA_SetFont);
            m_ownToolTip = m_field->toolTip();
            m_shrunk = true;
            QFont font = m_ownFont;
            const double own = font.pointSizeF();
            const double smallest = own * kSmallestResultFontRatio;
            for (double size = own - 0.5; size >= smallest && !showsWholeText(m_field);
                 size -= 0.5) {
                font.setPointSizeF(size);
                m_field->setFont(font);
            }
            m_field->setToolTip(m_field->text());
        }
        // The text from its first character, should it still be too wide.
        m_field->setCursorPosition(0);
        m_fitting = false;
    }

    QLineEdit *m_field;
    QFont m_ownFont;
    bool m_ownFontSet = false;
    QString m_ownToolTip;
    bool m_shrunk = false;
    bool m_fitting = false;
};

} // namespace

void keepWholeText(QLineEdit *field)
{
    if (field->findChild<QObject *>(QStringLiteral("wholeTextFit"), Qt::FindDirectChildrenOnly))
        return;
    new WholeTextFit(field);
}

void keepResultsWhole(QWidget *page)
{
    for (const velmora::calc::Calculator *c : pageCalculators(page))
        for (const velmora::calc::FieldDescription &f : c->description().fields)
            if (f.role == velmora::calc::FieldRole::Output && !f.objectName.empty())
                if (auto *field =
                        page->findChild<QLineEdit *>(QString::fromStdString(f.objectName)))
                    keepWholeText(field);
    for (QLineEdit *field : page->findChildren<QLineEdit *>())
        if (field->isReadOnly())
            keepWholeText(field);
}

int textRoom(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->contentsRect();
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, field)
                                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const QMargins margins = field->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditSideMargin;
}

bool showsWholeText(const QLineEdit *field)
{
    return field->fontMetrics().horizontalAdvance(field->text()) <= textRoom(field);
}
