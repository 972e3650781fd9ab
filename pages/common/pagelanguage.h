#ifndef PAGELANGUAGE_H
#define PAGELANGUAGE_H

// Re-setting a page's texts when the window's language changes
// (QEvent::LanguageChange). A form's retranslateUi writes the default input
// texts along with the captions, so what the user typed and the results
// shown are kept across it: the text and modified flag of every line edit
// and the current entry of every combo box.

#include <functional>

class QEvent;
class QWidget;

void retranslateKeepingContents(QWidget *page, const std::function<void()> &retranslate);

// True for QEvent::LanguageChange: the test a page's changeEvent makes.
bool isLanguageChange(const QEvent *event);

#endif // PAGELANGUAGE_H
