#pragma once
// The ephemeris text view: an editable, word-wrapped text in Courier New (or
// the fixed-width font the user chose, kept between runs) that holds the
// document's text. It handles the edit, print and font commands.

#include "app/CView.h"

#include <QFont>
#include <QPlainTextEdit>
#include <string>
#include <string_view>

class QPrinter;

class CQavView : public QPlainTextEdit, public CView {
    Q_OBJECT

public:
    CQavView(CQavDoc& document, QWidget* parent);

    QWidget* widget() override { return this; }
    void OnInitialUpdate() override;
    // The edit control paints itself; nothing to redraw for a hint.
    void OnUpdate(int) override {}

    // The whole text as .qav bytes, and its replacement (not a user change:
    // the modified flag is left to the caller).
    std::string GetText() const;
    void SetText(std::string_view bytes);
    std::size_t ByteCount() const;
    // Empties the text in one step that undo takes back.
    void ClearText();

    const QFont& logFont() const { return logFont_; }

    // Prints the text page by page in the view's font, every line whole.
    void PrintText(QPrinter& printer) const;

    void OnViewFont();
    void OnSecretDrawer();
    void OnFilePrint();
    void OnFilePrintPreview();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void ApplyFont();
    // Chooses how lines wrap for a text about to replace the whole text, or
    // to be added to it.
    void ChooseWrapMode(const QString& text, bool added);
    bool Fits(std::size_t addedBytes) const;
    std::size_t SelectedByteCount() const;

    QFont logFont_;
    bool settingText_ = false;
};
