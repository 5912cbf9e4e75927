#include "app/UserPrompts.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
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
    // Qt's own dialog, which can be limited to the fixed-width families; its
    // buttons without icons, as in Qav's dialogs.
    prompts.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        QFontDialog dialog(initial, parent);
        dialog.setWindowTitle(QStringLiteral("Police"));
        dialog.setOptions(QFontDialog::MonospacedFonts | QFontDialog::DontUseNativeDialog);
        for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>())
            for (QAbstractButton* button : buttons->buttons())
                button->setIcon(QIcon());
        return dialog.exec() == QDialog::Accepted ? std::optional<QFont>(dialog.selectedFont()) : std::nullopt;
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
