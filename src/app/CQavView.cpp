#include "app/CQavView.h"

#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/Commands.h"
#include "app/DocumentText.h"
#include "app/TextPrintout.h"
#include "app/UserPrompts.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {

// Courier New, 15 pixels high, normal weight: the text view's font at every
// initial update, whatever the user chose in between.
QFont DefaultTextFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(15);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

const QString kTextFontKey = QStringLiteral("Settings/TextFont");

QSettings Settings() { return QSettings(CQavApp::kRegistryKey, CQavApp::kAppKey); }

// Only a font whose characters all have one width keeps the columns of a table.
bool IsFixedWidth(const QFont& font) { return QFontInfo(font).fixedPitch(); }

// The font chosen in an earlier run, when there is one and it still suits.
std::optional<QFont> StoredTextFont()
{
    QFont font;
    const QString stored = Settings().value(kTextFontKey).toString();
    if (stored.isEmpty() || !font.fromString(stored) || !IsFixedWidth(font))
        return std::nullopt;
    return font;
}

} // namespace

CQavView::CQavView(CQavDoc& doc, QWidget* parent) : QPlainTextEdit(parent), CView(doc)
{
    // Long lines wrap at the window's edge; there is never a horizontal scroll bar.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    setUndoRedoEnabled(true);

    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingText_)
            GetDocument().SetModifiedFlag();
    });

    OnCommand(Cmd::EditUndo, [this] { undo(); });
    OnUpdateCommandUI(Cmd::EditUndo, [this](CmdUI& ui) { ui.enabled = document()->isUndoAvailable(); });
    OnCommand(Cmd::EditCut, [this] { cut(); });
    OnUpdateCommandUI(Cmd::EditCut, [this](CmdUI& ui) { ui.enabled = textCursor().hasSelection(); });
    OnCommand(Cmd::EditCopy, [this] { copy(); });
    OnUpdateCommandUI(Cmd::EditCopy, [this](CmdUI& ui) { ui.enabled = textCursor().hasSelection(); });
    OnCommand(Cmd::EditPaste, [this] { paste(); });
    OnUpdateCommandUI(Cmd::EditPaste, [](CmdUI& ui) {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        ui.enabled = data && data->hasText();
    });
    OnCommand(Cmd::ViewFont, [this] { OnViewFont(); });
    OnCommand(Cmd::SecretDrawer, [this] { OnSecretDrawer(); });
    OnCommand(Cmd::FilePrint, [this] { OnFilePrint(); });
    OnCommand(Cmd::FilePrintPreview, [this] { OnFilePrintPreview(); });
}

void CQavView::OnInitialUpdate()
{
    logFont_ = StoredTextFont().value_or(DefaultTextFont());
    ApplyFont();
}

void CQavView::ApplyFont()
{
    setFont(logFont_);
    document()->setDefaultFont(logFont_);
    // Tab stops every 8 average character widths of the font in use.
    setTabStopDistance(8.0 * QFontMetricsF(logFont_).averageCharWidth());
}

std::string CQavView::GetText() const { return DocumentTextToBytes(document()->toRawText()); }

void CQavView::SetText(std::string_view bytes)
{
    const QString text = DocumentBytesToText(bytes);
    ChooseWrapMode(text, false);
    settingText_ = true;
    setPlainText(text);
    settingText_ = false;
}

void CQavView::ClearText()
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

// Lines wrap between words. A very long line (a file that is not an
// ephemeris, a megabyte with no line end) wraps anywhere instead: Qt's search
// for word boundaries takes time that grows with the square of a run without
// spaces, and such a file would freeze the window for a minute. The mode is
// set before the text is laid out.
void CQavView::ChooseWrapMode(const QString& text, bool added)
{
    constexpr qsizetype kLongestWordWrappedLine = 20000;
    qsizetype longest = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    for (QTextBlock block = document()->begin(); added && block.isValid(); block = block.next())
        longest = std::max<qsizetype>(longest, block.length() + text.size());
    const QTextOption::WrapMode mode = longest > kLongestWordWrappedLine ? QTextOption::WrapAnywhere
                                                                         : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

std::size_t CQavView::ByteCount() const
{
    // Every paragraph separator is a CR LF pair in the file.
    const int characters = document()->characterCount() - 1;
    return static_cast<std::size_t>(characters + document()->blockCount() - 1);
}

std::size_t CQavView::SelectedByteCount() const
{
    return DocumentByteCount(textCursor().selectedText());
}

bool CQavView::Fits(std::size_t addedBytes) const
{
    return ByteCount() - SelectedByteCount() + addedBytes <= kDocumentByteLimit;
}

void CQavView::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && (typed.at(0).isPrint() || typed == QStringLiteral("\r") ||
                                              typed == QStringLiteral("\t"));
    if (inserts && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString storable = typed == QStringLiteral("\r") ? typed : StorableText(typed);
        if (!Fits(typed == QStringLiteral("\r") ? 2 : DocumentByteCount(storable))) {
            QApplication::beep();
            return;
        }
        if (storable != typed) {
            QKeyEvent replaced(event->type(), event->key(), event->modifiers(), storable,
                               event->isAutoRepeat(), static_cast<ushort>(event->count()));
            QPlainTextEdit::keyPressEvent(&replaced);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CQavView::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    QString text = StorableText(source->text());
    const std::size_t room = kDocumentByteLimit - (ByteCount() - SelectedByteCount());
    if (DocumentByteCount(text) > room) {
        // Paste what fits, as much as the limit leaves, and say so with a beep.
        const std::string bytes = DocumentTextToBytes(text);
        std::size_t keep = room;
        if (keep > 0 && bytes[keep - 1] == '\r' && keep < bytes.size() && bytes[keep] == '\n')
            --keep;  // never split a line end
        text = DocumentBytesToText(std::string_view(bytes).substr(0, keep));
        QApplication::beep();
    }
    ChooseWrapMode(text, true);
    QTextCursor cursor = textCursor();
    cursor.insertText(text);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CQavView::PrintText(QPrinter& printer) const
{
    const TextPrintout printout(document()->toPlainText(), font(), logicalDpiY(), GetDocument().GetTitle(),
                                printer);
    printout.Print(printer);
}

void CQavView::OnViewFont()
{
    // The dialog starts from the font really drawn: Liberation Mono where
    // Courier New is asked for, its size in points.
    const QFontInfo used(logFont_);
    QFont initial(used.family());
    initial.setPointSizeF(used.pointSizeF());
    initial.setWeight(static_cast<QFont::Weight>(used.weight()));
    initial.setItalic(used.italic());
    // The font changes only when the user confirms a fixed-width one; it is
    // rebuilt in every case, and kept for the next runs.
    if (const auto chosen = Prompts().chooseFont(window(), initial)) {
        const QFontInfo picked(*chosen);
        const bool unchanged = picked.family() == used.family() && picked.weight() == used.weight() &&
                               picked.italic() == used.italic() && chosen->underline() == logFont_.underline() &&
                               chosen->strikeOut() == logFont_.strikeOut() &&
                               std::abs(picked.pointSizeF() - used.pointSizeF()) < 0.5;
        if (unchanged) {
            // OK on the font shown (its size rounded in the dialog): nothing changes.
        } else if (IsFixedWidth(*chosen)) {
            logFont_ = *chosen;
            Settings().setValue(kTextFontKey, logFont_.toString());
        } else {
            ShowMessage(MessageIcon::Warning,
                        "« " + QFontInfo(*chosen).family().toStdString() +
                            " » n'a pas tous ses caractères de la même largeur : les colonnes des "
                            "éphémérides ne seraient plus alignées.\n\nChoisissez une fonte à chasse fixe.");
        }
    }
    ApplyFont();
}

void CQavView::OnSecretDrawer()
{
    ShowMessage(MessageIcon::Warning, "Tiroir secret de Zariz.");
}

void CQavView::OnFilePrint()
{
    QPrinter& printer = CQavApp::Instance()->printer();
    QPrintDialog dialog(&printer, window());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    printer.setDocName(GetDocument().GetTitle());
    if (dialog.exec() == QDialog::Accepted)
        PrintText(printer);
}

void CQavView::OnFilePrintPreview()
{
    CQavApp& app = *CQavApp::Instance();
    QPrintPreviewDialog preview(&app.printer(), window());
    preview.resize(window()->size());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PrintText(*printer); });
    // The preview opens with the page count chosen the last time.
    QPrintPreviewWidget* pages = preview.findChild<QPrintPreviewWidget*>();
    if (pages && app.previewPages() == 2)
        pages->setViewMode(QPrintPreviewWidget::FacingPagesView);
    preview.exec();
    if (pages)
        app.setPreviewPages(pages->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1);
}
