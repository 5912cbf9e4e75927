#pragma once
// The one document of Qav. It owns nothing of the ephemeris text itself: the
// text lives in its first view, the CQavView. The document knows the file the
// text came from, whether it changed since, and it is the target of nearly
// every command of Qav's own.

#include "app/CommandTarget.h"
#include "diagram/DiagramMonth.h"
#include "diagram/DiagramPicture.h"

#include <QObject>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class CQavView;
class CView;
class QWidget;

class CQavDoc : public QObject, public CommandTarget {
    Q_OBJECT

public:
    CQavDoc();
    ~CQavDoc() override;

    // --- the visibility diagram (CQavDocDiagram.cpp), shared by every diagram window
    // The picture every diagram window shows, with what it was computed for.
    DiagramPicture& diagram() { return diagram_; }
    const DiagramPicture& diagram() const { return diagram_; }
    // Computes the diagram of `subject` and repaints the diagram windows. The
    // shared request takes its month, as a diagram request dialog leaves it,
    // and its first date, the 1st of that month.
    void ComputeDiagram(const DiagramSubject& subject);
    // The arrows of a diagram window: the same object and site, another
    // month; false (after the message) beyond the months a diagram may show.
    bool StepDiagram(MonthStep step);
    // Computes the diagram of `subject` and opens one more diagram window on
    // it, as an accepted request does, without asking anything.
    void OpenDiagram(const DiagramSubject& subject);

    // The ephemeris of the object `object` holds (its kind and record; its
    // site and month are not used) for `request`, replacing the text. The
    // shared request becomes `request`: the next ephemeris dialog offers its
    // first day.
    void WriteObjectEphemeris(const DiagramSubject& object, const EphemerisRequest& request);

    // --- document state
    const QString& GetPathName() const { return pathName_; }
    // The file name, or "sans nom" for a new document.
    const QString& GetTitle() const { return title_; }
    void SetPathName(const QString& pathName, bool addToRecentFiles = true);
    void SetTitle(const QString& title);
    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    // --- views: the text view always comes first
    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& views() const { return views_; }
    CQavView* TextView() const;
    void UpdateAllViews(CView* sender, int hint = 0);

    // --- load, save, new
    // The bytes of the text (store) / the text from bytes (load).
    std::string Serialize() const;
    void Serialize(std::string_view bytes);
    bool OnNewDocument();
    bool OnOpenDocument(const QString& pathName);
    bool OnSaveDocument(const QString& pathName);
    // Asks whether to save a modified text; false when the user cancels.
    bool SaveModified();
    // Saves under `pathName`, or asks for a name first when it is empty.
    bool DoSave(const QString& pathName);

    // The one way an ephemeris reaches the screen: the whole text is replaced.
    void ReplaceText(const std::string& bytes);

    // --- command handlers
    void OnFileSave();
    void OnFileSaveAs();
    void OnEditClearAll();
    void OnUpdateEditClearAll(CmdUI& ui);
    void OnCometEphemeris();
    void OnCometVisibility();
    void OnCometBase();
    void OnMagnitudes();
    void OnAsteroidEphemeris();
    void OnAsteroidVisibility();
    void OnSiteBase();
    void OnEphemerisFromDiagram();
    void OnCometImport();
    void OnAsteroidImport();

    // The comet and asteroid tables of the current request, replacing the text.
    void WriteCometEphemeris();
    void WriteAsteroidEphemeris();

signals:
    void titleChanged();
    void recentFileUsed(const QString& pathName);

private:
    void DeleteContents() {}
    QWidget* DialogParent() const;
    // A visibility command: the request dialog, then a new diagram window.
    void RequestDiagram(int kind);
    // The old-elements notice of the text just written ("" clears it), in the main window.
    void ShowTextNotice(const std::string& notice);
    // The old-elements notice of the diagram, in every diagram window.
    void ShowDiagramNotice() const;

    QString pathName_;
    QString title_;
    bool modified_ = false;
    std::vector<CView*> views_;

    DiagramPicture diagram_;
};

// "sans nom": the title of a document that has no file yet.
extern const QString kUntitled;
