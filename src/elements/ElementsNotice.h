#pragma once
// The notice about old elements, in the status bar of a main window: one
// label of its own beside the message pane, hidden while it has no text.

#include <QString>
#include <string>

class QWidget;

// Shows `text` (UTF-8) in the status bar of `window`'s main window; "" hides it.
void ShowElementsNotice(QWidget* window, const std::string& text);
// The notice `window` shows, "" when none.
QString ElementsNoticeOf(const QWidget* window);

// Every visibility-diagram window shows the same picture: each gets its notice.
void ShowDiagramElementsNotice(const std::string& text);
