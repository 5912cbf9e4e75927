#include "diagram/DiagramRequestSupport.h"

#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/DiagramMonth.h"
#include "platform/DialogFrame.h"
#include "platform/DialogKeyboard.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr std::string_view kErrorCaption = "Erreur !";

} // namespace

QComboBox* MakeChoiceList(int id, QWidget* parent)
{
    auto* list = Numbered(new QComboBox(parent), id);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(12);
    list->setMinimumWidth(DialogUnitsX(list, 150));
    return list;
}

void FillChoiceList(QComboBox* list, const std::vector<std::string>& entries, int index, const QString& fallbackText)
{
    const QSignalBlocker quiet(list);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        texts << FromWindows1252(entry);
    list->addItems(texts);
    if (index >= 0 && index < list->count()) {
        list->setCurrentIndex(index);
    } else {
        list->setCurrentIndex(-1);
        list->setEditText(fallbackText);
    }
}

QGroupBox* MakeMonthGroup(BoundedLineEdit*& monthField, const QString& monthText, QWidget* parent)
{
    auto* group = new QGroupBox(QStringLiteral("Choix de la date de départ du diagramme"), parent);
    // Wide enough for any month of a year of five digits, with its sign.
    monthField = Numbered(new BoundedLineEdit(40, QStringLiteral("00/-00000"), group), 1050);
    monthField->setText(monthText);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(QStringLiteral("Entrez le mois et l'année (mm/aaaa) :"), group));
    row->addWidget(monthField);
    row->addStretch(1);
    return group;
}

QGroupBox* MakeChoiceGroup(const QString& title, QWidget* content, std::initializer_list<QPushButton*> buttons,
                           QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* row = new QHBoxLayout(group);
    content->setParent(group);
    row->addWidget(content, 1);
    for (QPushButton* button : buttons) {
        button->setParent(group);
        button->setAutoDefault(true);
        row->addWidget(button);
    }
    return group;
}

QDialogButtonBox* AddDialogButtons(QDialog* dialog, QBoxLayout* layout, const QString& helpTopic)
{
    auto* buttons = new QDialogButtonBox(dialog);
    AddDialogButton(buttons, DialogButton::Ok, 1)->setDefault(true);
    AddDialogButton(buttons, DialogButton::Cancel, 2);
    AddDialogButton(buttons, DialogButton::Help, 9);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog, [helpTopic] { HelpTopic(helpTopic); });
    return buttons;
}

void ShowRequestError(const char* text)
{
    ShowMessage(MessageIcon::Stop, text, MessageButtons::Ok, kErrorCaption);
}

bool AcceptDiagramMonth(BoundedLineEdit* monthField)
{
    SelectionState& state = Selection();
    if (!ReadDiagramMonth(monthField->text().toStdString(), state.diagram.month, state.diagram.year)) {
        ShowRequestError("Vous avez entré une date incorrecte.\nRecommencez !");
        FocusField(monthField);
        return false;
    }
    if (!IsDiagramYear(state.diagram.year)) {
        ShowRequestError(DiagramYearRangeText().c_str());
        FocusField(monthField);
        return false;
    }
    state.diagramOpening = true;
    RefreshDiagramMonthText(state);
    return true;
}

void CancelDiagramRequest()
{
    Selection().diagramOpening = false;
}
