#pragma once
// The frame of every Qav window. Made from template 128 it is the main window
// (menu 128, toolbar, four-pane status bar, accelerators, the text view);
// from template 129 a visibility-diagram window (menu 129, a one-pane status
// bar, nothing else). Commands of its actions go to the view, the document,
// this frame and the application, in that order.

#include "app/CommandTarget.h"

#include <QMainWindow>
#include <map>
#include <vector>

class CDocTemplate;
class CQavApp;
class CQavDoc;
class CView;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
struct MenuItem;

class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT

public:
    // `diagramOpening` tells whether this is a diagram window.
    CMainFrame(CQavApp& app, CQavDoc& document, const CDocTemplate& docTemplate, bool diagramOpening);
    ~CMainFrame() override;

    bool IsDiagramFrame() const { return diagram_; }
    CView* GetActiveView() const { return view_; }
    QToolBar* toolBar() const { return toolBar_; }
    // The action of a command in this window's menus, toolbar or accelerators.
    QAction* action(int id) const;
    QMenu* recentFileMenu() const { return fileMenu_; }

    // Routes a command; a disabled command does nothing.
    bool OnCmdMsg(int id);
    // Brings every action's enabled and checked state up to date.
    void UpdateCommandUI();
    void OnHelp();

    // The text of the message pane, or of a pane by index (0 to 3).
    QString PaneText(int index) const;
    void RefreshLockIndicators();

    // Lets the next close go through (used when the application ends).
    void AllowClose() { closeAllowed_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus(const std::vector<MenuItem>& items);
    void BuildToolBar();
    void BuildStatusBar();
    void InstallAccelerators();
    QAction* MakeAction(int id, const QString& text);
    void RebuildRecentFiles();
    void UpdateTitle();
    void ScheduleUpdate();

    CQavApp& app_;
    CQavDoc& document_;
    const CDocTemplate& template_;
    bool diagram_;
    CView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentFilesSeparator_ = nullptr;
    std::vector<QAction*> recentFileActions_;
    std::map<int, QAction*> actions_;
    std::vector<QLabel*> panes_;
    bool updatePending_ = false;
    bool closeAllowed_ = false;
};
