#pragma once
// Help pages. A topic names a page of the help book, "Qav.chm::/html/NAME.htm";
// the pages are the files help/html/NAME.htm, shown in Qav's help window.

#include <QString>

// The file of a topic, or "" when the topic is malformed or no help folder is found.
QString HelpTopicPath(const QString& topic);
// Shows the page of a topic. A missing page or folder does nothing, silently.
void HelpTopic(const QString& topic);
// The help window, or nullptr when none has been opened (for tests).
class QTextBrowser* HelpWindowBrowser();
void CloseHelpWindow();
