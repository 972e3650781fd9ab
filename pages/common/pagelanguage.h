#ifndef PAGELANGUAGE_H
#define PAGELANGUAGE_H

// Re-setting a page's texts when the window's language changes
// (QEvent::LanguageChange). A form's retranslateUi writes the default input
// texts along with the captions, so what the user typed and the results
// shown are kept across it: the text and modified flag of every line edit
// and the current entry of every combo box. Texts too wide for their widgets
// are then fitted (textfit.h).

#include <Qt>

#include <functional>

class QComboBox;
class QEvent;
class QString;
class QWidget;

// A combo box whose entries are shown translated keeps each entry's source
// text (what calculators read and design files hold) under this role.
constexpr int kChoiceSourceRole = Qt::UserRole + 40;

// The source text of the current entry (its text when none is stored), and
// choosing the entry of a source text (or of a shown text).
QString choiceSource(const QComboBox *combo);
void selectChoiceSource(QComboBox *combo, const QString &source);

void retranslateKeepingContents(QWidget *page, const std::function<void()> &retranslate);

// True for QEvent::LanguageChange: the test a page's changeEvent makes.
bool isLanguageChange(const QEvent *event);

#endif // PAGELANGUAGE_H
