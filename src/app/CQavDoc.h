#pragma once
// The one document of Qav. It owns nothing of the ephemeris text itself: the
// text lives in its first view, the CQavView. The document knows the file the
// text came from, whether it changed since, and it is the target of nearly
// every command of Qav's own.

#include "app/CommandTarget.h"
#include "diagram/Canvas.h"

#include <QImage>
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

    // Set while the request date steps over 10 February of a leap year.
    int LeapFebruaryMarker = 0;
    // 'C' when the document's diagram shows a comet, 'A' an asteroid.
    int objectKind = 0;

    // --- the visibility diagram (CQavDocDiagram.cpp), shared by every diagram window
    // Computes the diagram of the current object, site and month and draws
    // it into the diagram image.
    void ComputeDiagram();
    const QImage& diagramImage() const { return diagramImage_; }
    // Draw into the image and return the area they covered.
    PixelRect ShowInfoBox(int day, int hour, int minute);
    PixelRect ShowLegend(int x, int y, int code);
    bool LegendShown() const { return !legendSave_.isNull(); }
    // Puts back the pixels under the legend and returns their area, or
    // leaves the legend in the picture (Ctrl held on release).
    PixelRect RestoreLegend();
    void KeepLegend() { legendSave_ = QImage(); }
    const PixelRect& infoBoxRect() const { return infoBoxRect_; }
    const PixelRect& legendRect() const { return legendRect_; }

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
    void OpenDiagram(int kind);
    // The old-elements notice of the text just written ("" clears it), in the main window.
    void ShowTextNotice(const std::string& notice);

    QString pathName_;
    QString title_;
    bool modified_ = false;
    std::vector<CView*> views_;

    QImage diagramImage_;
    QImage legendSave_;  // the pixels under the legend while it is shown
    PixelRect infoBoxRect_;
    PixelRect legendRect_;
};

// "sans nom": the title of a document that has no file yet.
extern const QString kUntitled;
