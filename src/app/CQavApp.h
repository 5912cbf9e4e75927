#pragma once
// The application object: start-up, the two window templates, the commands
// that belong to no window (New, Open, recent files, print set-up, About,
// Quit), the recent-file list and the settings.

#include "app/CommandTarget.h"
#include "app/RecentFileList.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class AppTonightLink;
class CDocTemplate;
class CMainFrame;
class CQavDoc;
class CTonightWnd;
class QPrinter;
class QSettings;

class CQavApp : public QObject, public CommandTarget {
    Q_OBJECT

public:
    static inline const QString kRegistryKey = QStringLiteral("Local AppWizard-Generated Applications");
    static inline const QString kAppKey = QStringLiteral("Qav");

    CQavApp();
    ~CQavApp() override;
    // The running application object (one at a time).
    static CQavApp* Instance();

    // Start-up from the command line (without the program name). False means
    // the program ends now, with exitCode() as its status: after printing,
    // or when start-up failed.
    bool InitInstance(const QStringList& arguments);
    int exitCode() const { return exitCode_; }
    // Writes the settings back.
    void ExitInstance();

    CQavDoc& document() const { return *document_; }
    CMainFrame* mainFrame() const { return mainFrame_.get(); }
    CDocTemplate& textTemplate() const { return *textTemplate_; }
    CDocTemplate& diagramTemplate() const { return *diagramTemplate_; }
    // A new diagram window on the document; null when no diagram view can be made.
    CMainFrame* CreateDiagramFrame();
    std::vector<CMainFrame*> diagramFrames() const;

    RecentFileList& recentFiles() { return recentFiles_; }
    QPrinter& printer();
    int previewPages() const { return previewPages_; }
    void setPreviewPages(int pages) { previewPages_ = pages; }

    // Opens a file as the ephemeris document; false (after the message) when it fails.
    bool OpenDocumentFile(const QString& pathName);
    // Prints a .qav file without showing the main window, to `printerName` or
    // the default printer.
    bool PrintDocumentFile(const QString& pathName, const QString& printerName);

    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnAppExit();
    // Sites > Ce soir: the one "Ce soir" window, opened or brought forward.
    void OnTonight();
    CTonightWnd* tonightWindow() const;

signals:
    // Every window is closed: the event loop may end.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QSettings Settings();
    void LoadStdProfileSettings();
    void InitialUpdateViews();

    std::unique_ptr<CDocTemplate> textTemplate_;
    std::unique_ptr<CDocTemplate> diagramTemplate_;
    std::unique_ptr<CQavDoc> document_;
    std::unique_ptr<CMainFrame> mainFrame_;
    std::vector<QPointer<CMainFrame>> diagramFrames_;
    std::unique_ptr<AppTonightLink> tonightLink_;
    QPointer<CTonightWnd> tonightWindow_;
    std::unique_ptr<QPrinter> printer_;
    RecentFileList recentFiles_;
    int previewPages_ = 0;
    int exitCode_ = 0;
};

// The program: the Qt application, Qt's French texts, the message boxes, then Qav.
int RunQav(int argc, char** argv);
