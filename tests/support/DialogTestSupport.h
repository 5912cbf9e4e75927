#pragma once
// Driving Qav's dialogs in the widget tests: controls by number, the answer
// to the next modal dialog, and catalogues cut from the samples.

#include "catalog/SelectionState.h"
#include "platform/DialogSupport.h"
#include "platform/Messages.h"
#include "support/TempFolder.h"
#include "support/UiTestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

inline void Type(const QWidget* dialog, int id, const QString& text) { Control<QLineEdit>(dialog, id)->setText(text); }
inline QString FieldText(const QWidget* dialog, int id) { return Control<QLineEdit>(dialog, id)->text(); }
inline void Press(const QWidget* dialog, int id) { Control<QAbstractButton>(dialog, id)->click(); }

// The number of the control that has the focus in `dialog`.
inline QString FocusName(const QWidget* dialog)
{
    return dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
}

// A refused value: `text` typed in field `id`, then `button` (OK by default)
// shows `message` and leaves the dialog open on the field, its text selected
// to be typed over. The field gets its former text back.
inline void ExpectRefused(MessageRecorder& messages, QDialog* dialog, int id, const QString& text,
                          const std::string& message, int button = 1)
{
    SCOPED_TRACE(text.toStdString());
    const QString kept = FieldText(dialog, id);
    messages.Clear();
    Type(dialog, id, text);
    button == 1 ? dialog->accept() : Press(dialog, button);
    EXPECT_EQ(messages.Texts(), message);
    EXPECT_TRUE(dialog->isVisible() && dialog->result() != QDialog::Accepted);
    EXPECT_EQ(FocusName(dialog), QString::number(id));
    EXPECT_EQ(Control<QLineEdit>(dialog, id)->selectedText(), text);
    Type(dialog, id, kept);
}

// A dialog test on a temporary folder, with the shared selection at its start
// values before and after and the messages recorded.
class SelectionDialogTest : public testing::Test {
protected:
    void SetUp() override { ResetSelection(); }
    void TearDown() override { ResetSelection(); }

    TempFolder folder;
    MessageRecorder messages;
    SelectionState& state = Selection();
};

// Answers the next modal dialog by clicking its button that shows `text`.
inline void AnswerNextModal(const QString& text)
{
    WhenModalShown([text](QWidget* dialog) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            if (button->text() == text)
                return button->click();
        ADD_FAILURE() << "no button " << text.toStdString();
    });
}

// Writes the first `count` records of a sample catalogue to the test folder; returns their bytes.
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

// The names of the whole records of a catalogue's bytes, in file order.
template <typename Record, typename NameOf>
std::vector<std::string> RecordNames(const std::string& bytes, NameOf nameOf)
{
    std::vector<std::string> names;
    for (std::size_t k = 0; k < bytes.size() / sizeof(Record); ++k)
        names.push_back(nameOf(RecordAt<Record>(bytes, k)));
    return names;
}
