#pragma once
// What the comet and asteroid diagram request dialogs share: their list
// boxes, the month group, the OK / Annuler / Aide row, and the month check
// that ends an accepted request.

#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class BoundedLineEdit;
class QBoxLayout;
class QComboBox;
class QDialog;
class QDialogButtonBox;
class QGroupBox;
class QPushButton;
class QWidget;

// A drop-down list with an editable field, unsorted. Typing in the field
// chooses nothing and adds nothing to the list.
QComboBox* MakeChoiceList(int id, QWidget* parent);

// The list's entries (Windows-1252), then `index` chosen; an index that names
// no entry chooses none and leaves `fallbackText` in the field.
void FillChoiceList(QComboBox* list, const std::vector<std::string>& entries, int index,
                    const QString& fallbackText);

// "Choix de la date de départ du diagramme" with the month field 1050.
QGroupBox* MakeMonthGroup(BoundedLineEdit*& monthField, const QString& monthText, QWidget* parent);

// A group holding `list` (or any widget) beside its buttons.
QGroupBox* MakeChoiceGroup(const QString& title, QWidget* content, std::initializer_list<QPushButton*> buttons,
                           QWidget* parent);

// OK (1, the default button), "Annuler" (2) and "Aide" (9) at the bottom;
// Aide opens `helpTopic`.
QDialogButtonBox* AddDialogButtons(QDialog* dialog, QBoxLayout* layout, const QString& helpTopic);

// A refusal of the OK button: the message with the caption "Erreur !".
void ShowRequestError(const char* text);

// The end of OK: the month text read into the diagram request (the numbers
// read are stored even when refused). A refused month, or a year outside
// IsDiagramYear, shows its message and puts the focus back in the field: false. An accepted one
// marks the next window as a diagram window and becomes the offered text.
bool AcceptDiagramMonth(BoundedLineEdit* monthField);

// Cancel: the next window would not be a diagram window.
void CancelDiagramRequest();
