#include "app/CQavDoc.h"

#include "app/CQavView.h"
#include "app/Commands.h"
#include "app/DocumentText.h"
#include "app/UserPrompts.h"
#include "catalog/SelectionRules.h"
#include "diagram/DiagramObject.h"
#include "elements/CAsteroidImportDlg.h"
#include "elements/CCometImportDlg.h"
#include "elements/ElementsAge.h"
#include "elements/ElementsNotice.h"
#include "ephemeris/CAsteroidEphemerisDlg.h"
#include "ephemeris/CCometEphemerisDlg.h"
#include "ephemeris/EphemerisWriter.h"
#include "magnitude/CMagnitudeCoefDlg.h"
#include "maintenance/CCometBaseDlg.h"
#include "maintenance/CSiteBaseDlg.h"
#include "platform/FileError.h"
#include "platform/Messages.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

const QString kUntitled = QStringLiteral("sans nom");

namespace {

const char* const kTooLarge = "Le fichier est trop volumineux pour être ouvert.";

// The standard message for a file that failed: the precise one when the
// system says why, the general one otherwise.
void ReportFileFailure(const QFileDevice& file, const QString& pathName, bool writing)
{
    const QFileInfo info(pathName);
    const std::string name = info.fileName().toStdString();
    FileError::Cause cause = FileError::Cause::Generic;
    switch (file.error()) {
    case QFileDevice::PermissionsError: cause = FileError::Cause::AccessDenied; break;
    case QFileDevice::ResourceError: cause = FileError::Cause::DiskFull; break;
    case QFileDevice::OpenError:
        if (!info.absoluteDir().exists())
            cause = FileError::Cause::BadPath;
        else if (!writing && !info.exists())
            cause = FileError::Cause::FileNotFound;
        break;
    default: break;
    }
    const char* general = writing ? "L'enregistrement du document a échoué." : "L'ouverture du document a échoué.";
    ShowMessage(MessageIcon::Stop, cause == FileError::Cause::Generic ? std::string(general) : FileErrorText(cause, name));
}

QString QavFilter()
{
    return QStringLiteral("Ephémérides et(*.qav);;Tous les fichiers (*.*)");
}

} // namespace

CQavDoc::CQavDoc() : title_(kUntitled)
{
    OnCommand(Cmd::FileSave, [this] { OnFileSave(); });
    OnCommand(Cmd::FileSaveAs, [this] { OnFileSaveAs(); });
    OnCommand(Cmd::EditClearAll, [this] { OnEditClearAll(); });
    OnUpdateCommandUI(Cmd::EditClearAll, [this](CmdUI& ui) { OnUpdateEditClearAll(ui); });
    OnCommand(Cmd::CometEphemeris, [this] { OnCometEphemeris(); });
    OnCommand(Cmd::CometVisibility, [this] { OnCometVisibility(); });
    OnCommand(Cmd::CometVisibilityButton, [this] { OnCometVisibility(); });
    OnCommand(Cmd::CometBase, [this] { OnCometBase(); });
    OnCommand(Cmd::Magnitudes, [this] { OnMagnitudes(); });
    OnCommand(Cmd::AsteroidEphemeris, [this] { OnAsteroidEphemeris(); });
    OnCommand(Cmd::AsteroidVisibility, [this] { OnAsteroidVisibility(); });
    OnCommand(Cmd::AsteroidVisibilityButton, [this] { OnAsteroidVisibility(); });
    OnCommand(Cmd::SiteBase, [this] { OnSiteBase(); });
    OnCommand(Cmd::EphemerisFromDiagram, [this] { OnEphemerisFromDiagram(); });
    OnCommand(Cmd::CometImport, [this] { OnCometImport(); });
    OnCommand(Cmd::AsteroidImport, [this] { OnAsteroidImport(); });
}

CQavDoc::~CQavDoc() = default;

void CQavDoc::SetPathName(const QString& pathName, bool addToRecentFiles)
{
    pathName_ = QFileInfo(pathName).absoluteFilePath();
    SetTitle(QFileInfo(pathName_).fileName());
    if (addToRecentFiles)
        emit recentFileUsed(pathName_);
}

void CQavDoc::SetTitle(const QString& title)
{
    title_ = title;
    emit titleChanged();
}

void CQavDoc::SetModifiedFlag(bool modified) { modified_ = modified; }

void CQavDoc::AddView(CView* view) { views_.push_back(view); }

void CQavDoc::RemoveView(CView* view) { std::erase(views_, view); }

CQavView* CQavDoc::TextView() const
{
    return views_.empty() ? nullptr : dynamic_cast<CQavView*>(views_.front());
}

void CQavDoc::UpdateAllViews(CView* sender, int hint)
{
    for (CView* view : std::vector<CView*>(views_))
        if (view != sender)
            view->OnUpdate(hint);
}

QWidget* CQavDoc::DialogParent() const
{
    CQavView* view = TextView();
    return view ? view->window() : nullptr;
}

std::string CQavDoc::Serialize() const
{
    const CQavView* view = TextView();
    return view ? view->GetText() : std::string();
}

void CQavDoc::Serialize(std::string_view bytes)
{
    if (CQavView* view = TextView())
        view->SetText(bytes);
}

bool CQavDoc::OnNewDocument()
{
    DeleteContents();
    pathName_.clear();
    SetModifiedFlag(false);
    SetTitle(kUntitled);
    if (CQavView* view = TextView())
        view->SetText({});
    ShowTextNotice({});
    return true;
}

bool CQavDoc::OnOpenDocument(const QString& pathName)
{
    // A pipe or a device would block the open or the read: only a regular
    // file is read. What does not exist goes on to the usual message.
    const QFileInfo info(pathName);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        ShowMessage(MessageIcon::Stop,
                    FileErrorText(FileError::Cause::NotRegularFile, info.fileName().toStdString()));
        return false;
    }
    QFile file(pathName);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportFileFailure(file, pathName, false);
        return false;
    }
    // Read at most one byte more than the view takes: a huge file is refused
    // without being loaded. The text is then reset as by File New.
    const QByteArray bytes = file.read(static_cast<qint64>(kDocumentByteLimit) + 1);
    if (bytes.size() > static_cast<qsizetype>(kDocumentByteLimit)) {
        ShowMessage(MessageIcon::Stop, kTooLarge);
        OnNewDocument();
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        ReportFileFailure(file, pathName, false);
        return false;
    }
    DeleteContents();
    Serialize(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    SetModifiedFlag(false);
    ShowTextNotice({});
    return true;
}

bool CQavDoc::OnSaveDocument(const QString& pathName)
{
    const std::string bytes = Serialize();
    const auto size = static_cast<qint64>(bytes.size());
    const QFileInfo target(pathName);
    if (target.exists() && !target.isFile()) {
        // A device or other special file is written in place, never replaced.
        QFile special(pathName);
        if (!special.open(QIODevice::WriteOnly) || special.write(bytes.data(), size) != size || !special.flush()) {
            ReportFileFailure(special, pathName, true);
            return false;
        }
        SetModifiedFlag(false);
        return true;
    }
    // The new text goes to a temporary file that replaces the old one only
    // once it is complete: a full disk never leaves half a document behind.
    QSaveFile file(pathName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), size) != size || !file.flush() ||
        !file.commit()) {
        ReportFileFailure(file, pathName, true);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CQavDoc::SaveModified()
{
    if (!IsModified())
        return true;
    const QString name = pathName_.isEmpty() ? title_ : pathName_;
    const QString question = QStringLiteral("Enregistrer les modifications apportées à %1?").arg(name);
    switch (ShowMessage(MessageIcon::Warning, question.toStdString(), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return DoSave(pathName_);
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool CQavDoc::DoSave(const QString& pathName)
{
    QString target = pathName;
    if (target.isEmpty()) {
        QString suggested = pathName_.isEmpty() ? title_ : pathName_;
        if (pathName_.isEmpty())
            suggested += QStringLiteral(".qav");
        target = Prompts().saveFileName(DialogParent(), QavFilter(), suggested, QStringLiteral("qav"));
        if (target.isEmpty())
            return false;
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    return true;
}

void CQavDoc::ReplaceText(const std::string& bytes)
{
    CQavView* view = TextView();
    if (!view)
        return;
    view->SetText(bytes);
    SetModifiedFlag();
    UpdateAllViews(nullptr, 0);
    view->setFocus();
}

void CQavDoc::OnFileSave() { DoSave(pathName_); }

void CQavDoc::OnFileSaveAs() { DoSave(QString()); }

void CQavDoc::OnEditClearAll()
{
    // Unlike a new table, this can be undone (Ctrl+Z).
    if (CQavView* view = TextView())
        view->ClearText();
    DeleteContents();
    SetModifiedFlag();
    UpdateAllViews(nullptr, 0);
    ShowTextNotice({});
}

// Clear all is always available, also on an empty text.
void CQavDoc::OnUpdateEditClearAll(CmdUI&) {}

// The dialog offers the first date of the last request; only OK writes.
void CQavDoc::OnCometEphemeris()
{
    RefreshEphemerisDateText(Selection());
    CCometEphemerisDlg dialog(Selection().ephemerisDateText, DialogParent());
    if (dialog.exec() != QDialog::Rejected)
        WriteCometEphemeris();
}

void CQavDoc::OnAsteroidEphemeris()
{
    RefreshEphemerisDateText(Selection());
    CAsteroidEphemerisDlg dialog(Selection().ephemerisDateText, DialogParent());
    if (dialog.exec() != QDialog::Rejected)
        WriteAsteroidEphemeris();
}

// The leap-February marker of a table matters to no one: a diagram keeps its own.
void CQavDoc::WriteCometEphemeris()
{
    int leapFebruaryMarker = 0;
    ReplaceText(CometEphemerisText(Selection(), leapFebruaryMarker));
    ShowTextNotice(EphemerisElementsNotice(Selection(), true));
}

void CQavDoc::WriteAsteroidEphemeris()
{
    int leapFebruaryMarker = 0;
    ReplaceText(AsteroidEphemerisText(Selection(), leapFebruaryMarker));
    ShowTextNotice(EphemerisElementsNotice(Selection(), false));
}

void CQavDoc::ShowTextNotice(const std::string& notice) { ShowElementsNotice(DialogParent(), notice); }

// The maintenance and magnitude dialogs run without a parent and their result
// is not used: what they do is done in the catalogues and the selection.

// Opening the dialog lists the catalogue, which sets cometIndex: -1, then the
// last record's index.
void CQavDoc::OnCometBase()
{
    CCometBaseDlg dialog;
    dialog.exec();
}

void CQavDoc::OnSiteBase()
{
    ForgetSiteChoice(Selection());
    CSiteBaseDlg dialog;
    dialog.exec();
}

void CQavDoc::OnMagnitudes()
{
    CMagnitudeCoefDlg dialog;
    dialog.exec();
}

// The imports write their catalogue on OK and say what they did; nothing else changes.
void CQavDoc::OnCometImport()
{
    CCometImportDlg dialog(DialogParent());
    dialog.exec();
}

void CQavDoc::OnAsteroidImport()
{
    CAsteroidImportDlg dialog(DialogParent());
    dialog.exec();
}
