#include "app/UserPrompts.h"

#include <QFileDialog>
#include <QFontDialog>

namespace {

UserPrompts StandardPrompts()
{
    UserPrompts prompts;
    prompts.openFileName = [](QWidget* parent, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Ouvrir"), QString(), filter);
    };
    prompts.saveFileName = [](QWidget* parent, const QString& filter, const QString& suggested,
                              const QString& defaultSuffix) {
        QFileDialog dialog(parent, QStringLiteral("Enregistrer sous"), suggested, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().constFirst()
                   : QString();
    };
    // Qt's own dialog, which can be limited to the fixed-width families.
    prompts.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, QStringLiteral("Police"),
                                                QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);
        return ok ? std::optional<QFont>(font) : std::nullopt;
    };
    return prompts;
}

} // namespace

UserPrompts& Prompts()
{
    static UserPrompts prompts = StandardPrompts();
    return prompts;
}

void RestoreStandardPrompts() { Prompts() = StandardPrompts(); }
