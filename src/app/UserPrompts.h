#pragma once
// The standard dialogs Qav asks the user through: file names and fonts. The
// application uses Qt's dialogs; tests replace them with scripted answers.

#include <QFont>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

struct UserPrompts {
    // Both return "" when the user cancels. `filter` is a Qt filter list.
    std::function<QString(QWidget* parent, const QString& filter)> openFileName;
    std::function<QString(QWidget* parent, const QString& filter, const QString& suggested,
                          const QString& defaultSuffix)> saveFileName;
    // The chosen font, or nothing when the user cancels; the dialog offers
    // the fixed-width families only.
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
};

// The prompts in use; starts with Qt's own dialogs.
UserPrompts& Prompts();
// Puts Qt's own dialogs back.
void RestoreStandardPrompts();
