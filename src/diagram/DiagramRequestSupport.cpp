#include "diagram/DiagramRequestSupport.h"

#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/DiagramMonth.h"
#include "platform/DialogSupport.h"
#include "platform/HelpTopic.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QComboBox>
#include <QDialog>
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
    monthField = Numbered(new BoundedLineEdit(40, group), 1050);
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

void AddDialogButtons(QDialog* dialog, QBoxLayout* layout, const QString& helpTopic)
{
    auto* ok = Numbered(new QPushButton(QStringLiteral("OK"), dialog), 1);
    auto* cancel = Numbered(new QPushButton(QStringLiteral("Annuler"), dialog), 2);
    auto* help = Numbered(new QPushButton(QStringLiteral("Aide"), dialog), 9);
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    layout->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, [helpTopic] { HelpTopic(helpTopic); });
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
        monthField->setFocus();
        return false;
    }
    if (!IsDiagramYear(state.diagram.year)) {
        ShowRequestError(DiagramYearRangeText().c_str());
        monthField->setFocus();
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
