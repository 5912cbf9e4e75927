#include "app/CMainFrame.h"

#include "app/CDocTemplate.h"
#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/CView.h"
#include "app/Commands.h"
#include "app/Icons.h"
#include "app/LockIndicators.h"
#include "app/RecentFileList.h"
#include "platform/HelpTopic.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <array>

namespace {

const QString kIdlePrompt = QStringLiteral("Pour l'aide, appuyez sur F1");

} // namespace

CMainFrame::CMainFrame(CQavApp& app, CQavDoc& document, const CDocTemplate& docTemplate, bool diagramOpening)
    : app_(app), document_(document), template_(docTemplate), diagram_(diagramOpening)
{
    // The same size for the main window and every diagram window; the system places them.
    resize(768, 550);
    setWindowIcon(diagram_ ? DiagramWindowIcon() : ApplicationIcon());
    setContextMenuPolicy(Qt::NoContextMenu);

    BuildMenus(template_.Menu());
    if (!diagram_) {
        BuildToolBar();
        InstallAccelerators();
    }
    BuildStatusBar();

    OnCommand(Cmd::Help, [this] { OnHelp(); });
    if (toolBar_) {
        OnCommand(Cmd::ViewToolbar, [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
        OnUpdateCommandUI(Cmd::ViewToolbar, [this](CmdUI& ui) { ui.checked = toolBar_->isVisible(); });
        OnCommand(Cmd::ViewStatusBar, [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
        OnUpdateCommandUI(Cmd::ViewStatusBar, [this](CmdUI& ui) { ui.checked = statusBar()->isVisible(); });
    }

    view_ = template_.CreateView(document_, this);
    if (view_) {
        setCentralWidget(view_->widget());
        view_->OnInitialUpdate();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(view_->widget())) {
            connect(edit, &QPlainTextEdit::selectionChanged, this, &CMainFrame::ScheduleUpdate);
            connect(edit, &QPlainTextEdit::undoAvailable, this, &CMainFrame::ScheduleUpdate);
        }
        view_->widget()->setFocus();
    }
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::ScheduleUpdate);
    connect(&document_, &CQavDoc::titleChanged, this, &CMainFrame::UpdateTitle);
    UpdateTitle();
    UpdateCommandUI();
}

CMainFrame::~CMainFrame()
{
    if (!diagram_)
        qApp->removeEventFilter(this);
}

QAction* CMainFrame::MakeAction(int id, const QString& text)
{
    auto found = actions_.find(id);
    if (found != actions_.end())
        return found->second;
    auto* action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(CommandPrompt(id));
    const QString tooltip = CommandTooltip(id);
    if (!tooltip.isEmpty())
        action->setToolTip(tooltip);
    action->setIconVisibleInMenu(false);
    if (id == Cmd::ViewToolbar || id == Cmd::ViewStatusBar)
        action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, id] { OnCmdMsg(id); });
    actions_[id] = action;
    return action;
}

QAction* CMainFrame::action(int id) const
{
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::BuildMenus(const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        if (item.kind != MenuItem::Kind::Popup) {
            // A command straight on the menu bar.
            menuBar()->addAction(MakeAction(item.id, item.text));
            continue;
        }
        QMenu* menu = menuBar()->addMenu(item.text);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        for (const MenuItem& entry : item.items) {
            switch (entry.kind) {
            case MenuItem::Kind::Separator: menu->addSeparator(); break;
            case MenuItem::Kind::Command: menu->addAction(MakeAction(entry.id, entry.text)); break;
            case MenuItem::Kind::RecentFiles:
                fileMenu_ = menu;
                recentFilesSeparator_ = menu->addSeparator();
                recentFilesSeparator_->setVisible(false);
                connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RebuildRecentFiles);
                break;
            case MenuItem::Kind::Popup: break;
            }
        }
    }
    if (fileMenu_)
        RebuildRecentFiles();
}

// The recent files take the place of the grey "Fichier récent" item, numbered
// 1 to 4, most recent first.
void CMainFrame::RebuildRecentFiles()
{
    for (QAction* old : recentFileActions_) {
        fileMenu_->removeAction(old);
        old->deleteLater();
    }
    recentFileActions_.clear();
    std::erase_if(actions_, [](const auto& entry) {
        return entry.first >= Cmd::FileMru1 && entry.first <= Cmd::FileMru4;
    });

    const QStringList& files = app_.recentFiles().files();
    if (files.isEmpty()) {
        QAction* placeholder = MakeAction(Cmd::FileMru1, QStringLiteral("Fichier récent"));
        recentFileActions_.push_back(placeholder);
        fileMenu_->insertAction(recentFilesSeparator_, placeholder);
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(RecentFileList::DisplayName(files[i]));
        QAction* entry = MakeAction(Cmd::FileMru1 + i, text);
        recentFileActions_.push_back(entry);
        fileMenu_->insertAction(recentFilesSeparator_, entry);
    }
    UpdateCommandUI();
}

void CMainFrame::BuildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Barre d'outils"));
    toolBar_->setObjectName(QStringLiteral("toolbar128"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->toggleViewAction()->setEnabled(false);
    for (const int id : MainToolbar()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* button = MakeAction(id, CommandTooltip(id));
        button->setIcon(ToolbarIcon(id));
        toolBar_->addAction(button);
    }
    connect(toolBar_, &QToolBar::visibilityChanged, this, &CMainFrame::ScheduleUpdate);
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(!diagram_);
    auto* message = new QLabel(kIdlePrompt, bar);
    message->setObjectName(QStringLiteral("pane0"));
    bar->addWidget(message, 1);
    panes_.push_back(message);
    if (diagram_)
        return;
    // The lock panes keep their width; their text shows only while the lock is on.
    const std::array<QString, 3> indicators = {QStringLiteral("MAJ"), QStringLiteral("NUM"), QStringLiteral("DEF")};
    for (const QString& text : indicators) {
        auto* pane = new QLabel(text, bar);
        pane->setObjectName(QStringLiteral("pane%1").arg(panes_.size()));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
        pane->setProperty("indicator", text);
        bar->addPermanentWidget(pane);
        panes_.push_back(pane);
    }
    RefreshLockIndicators();
    qApp->installEventFilter(this);
}

QString CMainFrame::PaneText(int index) const
{
    if (index == 0 && !statusBar()->currentMessage().isEmpty())
        return statusBar()->currentMessage();
    return index < static_cast<int>(panes_.size()) ? panes_[index]->text() : QString();
}

void CMainFrame::RefreshLockIndicators()
{
    if (panes_.size() < 4)
        return;
    const LockState state = ReadLockState();
    const std::array<std::optional<bool>, 3> lit = {state.capsLock, state.numLock, state.scrollLock};
    for (std::size_t i = 0; i < lit.size(); ++i) {
        QLabel* pane = panes_[i + 1];
        pane->setText(lit[i].value_or(false) ? pane->property("indicator").toString() : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The lock lights change after the key is handled: look again on release.
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            RefreshLockIndicators();
    } else if (event->type() == QEvent::ApplicationActivate) {
        RefreshLockIndicators();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::InstallAccelerators()
{
    for (const Accelerator& accelerator : MainAccelerators()) {
        QAction* command = MakeAction(accelerator.id, CommandTooltip(accelerator.id));
        QList<QKeySequence> keys;
        for (const QString& key : accelerator.keys)
            keys << QKeySequence(key, QKeySequence::PortableText);
        command->setShortcuts(keys);
        command->setShortcutContext(Qt::WindowShortcut);
        addAction(command);  // also the keys of commands that are in no menu
    }
}

void CMainFrame::UpdateTitle()
{
    setWindowTitle(document_.GetTitle() + QStringLiteral(" - ") + template_.WindowTitle());
}

bool CMainFrame::OnCmdMsg(int id)
{
    const std::array<const CommandTarget*, 4> targets = {view_, &document_, this, &app_};
    const bool enabled = RouteUpdate(targets, id).enabled;
    const bool handled = enabled && RouteCommand(targets, id);
    ScheduleUpdate();
    return handled;
}

void CMainFrame::UpdateCommandUI()
{
    const std::array<const CommandTarget*, 4> targets = {view_, &document_, this, &app_};
    for (const auto& [id, command] : actions_) {
        const CmdUI ui = RouteUpdate(targets, id);
        command->setEnabled(ui.enabled);
        if (ui.checked && command->isCheckable())
            command->setChecked(*ui.checked);
    }
}

void CMainFrame::ScheduleUpdate()
{
    if (updatePending_)
        return;
    updatePending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        updatePending_ = false;
        UpdateCommandUI();
    }, Qt::QueuedConnection);
}

void CMainFrame::OnHelp() { HelpTopic(QStringLiteral("Qav.chm::/html/Aide de Qav - frameset.htm")); }

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends Qav, after the save question; closing a
    // diagram window closes just that window.
    if (diagram_ || closeAllowed_) {
        event->accept();
        return;
    }
    event->ignore();
    app_.OnAppExit();
}
