#pragma once
// Helpers for driving Qav's dialogs in the widget tests: controls by number,
// the answer to the next modal dialog, and catalogues cut from the samples.

#include "platform/DialogSupport.h"
#include "support/TempFolder.h"
#include "support/UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

inline void Type(const QWidget* dialog, int id, const QString& text)
{
    Control<QLineEdit>(dialog, id)->setText(text);
}

inline QString FieldText(const QWidget* dialog, int id)
{
    const QLineEdit* field = Control<QLineEdit>(dialog, id);
    return field ? field->text() : QStringLiteral("<none>");
}

inline void Press(const QWidget* dialog, int id)
{
    Control<QAbstractButton>(dialog, id)->click();
}

// The button of `dialog` that shows `text`.
inline QAbstractButton* ButtonWithText(const QWidget* dialog, const QString& text)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// The objectName of the control that has the focus in `dialog` ("" for none).
inline QString FocusName(const QWidget* dialog)
{
    const QWidget* focus = dialog->focusWidget();
    return focus ? focus->objectName() : QString();
}

// Shows a dialog that a test drives without running it modally.
inline void ShowActive(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Answers the next modal dialog (the delete confirmation) by clicking the
// button that shows `text`.
inline void AnswerNextModal(const QString& text)
{
    WhenModalShown([text](QWidget* dialog) {
        QAbstractButton* button = ButtonWithText(dialog, text);
        ASSERT_NE(button, nullptr) << text.toStdString();
        button->click();
    });
}

// Writes the first `count` records of the sample catalogue `name` into the
// test folder and returns their bytes.
inline std::string SampleRecords(const TempFolder& folder, const std::string& name, std::size_t recordSize,
                                 std::size_t count)
{
    folder.CopySample(name);
    const std::string bytes = folder.Read(name).substr(0, recordSize * count);
    folder.Write(name, bytes);
    return bytes;
}

template <typename Record>
std::string RecordBytes(const Record& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

template <typename Record>
Record RecordAt(const std::string& bytes, std::size_t index)
{
    Record record{};
    bytes.copy(reinterpret_cast<char*>(&record), sizeof record, index * sizeof record);
    return record;
}
