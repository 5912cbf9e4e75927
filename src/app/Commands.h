#pragma once
// The command numbers of Qav, their status-bar prompts and tooltips, their
// menu texts and the two menu bars. A QAction carries its command number as
// its data; CMainFrame routes it (see CommandTarget.h).

#include <QString>
#include <vector>

namespace Cmd {
// Framework commands.
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileMru1 = 57616;
inline constexpr int FileMru4 = 57619;
inline constexpr int EditClearAll = 57633;
inline constexpr int EditCopy = 57634;
inline constexpr int EditCut = 57635;
inline constexpr int EditPaste = 57637;
inline constexpr int EditUndo = 57643;
inline constexpr int AppAbout = 57664;
inline constexpr int AppExit = 57665;
inline constexpr int Help = 57670;
inline constexpr int NextPane = 57680;
inline constexpr int PrevPane = 57681;
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
// Qav's own commands.
inline constexpr int ViewFont = 32771;
inline constexpr int CometEphemeris = 32773;
inline constexpr int CometVisibility = 32774;
inline constexpr int AsteroidEphemeris = 32778;
inline constexpr int AsteroidVisibility = 32779;
inline constexpr int CometVisibilityButton = 32782;
inline constexpr int AsteroidVisibilityButton = 32783;
inline constexpr int DiagramClose = 32790;
inline constexpr int DiagramNextMonth = 32796;
inline constexpr int DiagramPreviousMonth = 32797;
inline constexpr int DiagramNextSixMonths = 32798;
inline constexpr int DiagramNew = 32800;
inline constexpr int EphemerisFromDiagram = 32801;
inline constexpr int DiagramPreviousSixMonths = 32802;
inline constexpr int Magnitudes = 32805;
inline constexpr int DiagramHelp = 32806;
inline constexpr int SecretDrawer = 32807;
inline constexpr int SiteBase = 32808;
inline constexpr int CometBase = 32809;
inline constexpr int CometImport = 32810;
inline constexpr int AsteroidImport = 32811;
inline constexpr int Tonight = 32840;  // Sites > Ce soir: what can be observed tonight
} // namespace Cmd

// The string of a command: its status-bar prompt, then after "\n" its tooltip.
QString CommandString(int id);
QString CommandPrompt(int id);   // the part before the first "\n"
QString CommandTooltip(int id);  // the part after it, or ""

// One entry of a menu bar: a command, a separator, a pop-up with entries, or
// the recent-file placeholder. A pop-up with no entries is a command placed
// directly on the menu bar (the diagram windows' arrows).
struct MenuItem {
    enum class Kind { Command, Separator, Popup, RecentFiles };
    Kind kind = Kind::Command;
    int id = 0;
    QString text;
    std::vector<MenuItem> items;
};

// Menu 128 (main window) and menu 129 (diagram windows).
const std::vector<MenuItem>& MainMenu();
const std::vector<MenuItem>& DiagramMenu();

// Accelerator table 128, active in the main window only.
struct Accelerator {
    int id;
    std::vector<QString> keys;  // QKeySequence portable texts
};
const std::vector<Accelerator>& MainAccelerators();

// Toolbar 128: command numbers in order, 0 for a gap.
const std::vector<int>& MainToolbar();
