#include "app/AppTonightLink.h"

#include "app/CMainFrame.h"
#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/UserPrompts.h"
#include "catalog/AsteroidCatalog.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "core/CFormat.h"
#include "diagram/DiagramObject.h"
#include "planner/PlannerCatalog.h"
#include "platform/FileError.h"

namespace {

// The object becomes the current comet or asteroid, as a choice in a request
// dialog leaves it: an asteroid is loaded again from its line, with the
// texts its display shows.
bool SelectObject(const PlannerObject& object, SelectionState& state)
{
    if (object.comet) {
        state.currentComet = object.cometRecord;
        state.cometIndex = object.index;
        return true;
    }
    try {
        AsteroidCatalog catalog;
        if (!catalog.Load(FormatC("%20s%4d", "", object.index), state.currentAsteroid))
            state.currentAsteroid = object.asteroidRecord;
    } catch (const FileError& error) {
        ReportFileError(error);
        return false;
    }
    return true;
}

} // namespace

void AppTonightLink::OpenDiagram(const PlannerObject& object, const SiteRecord& site, int siteIndex, int month,
                                 int year)
{
    CQavApp* app = CQavApp::Instance();
    SelectionState& state = Selection();
    if (!app || !SelectObject(object, state))
        return;
    state.currentSite = site;
    state.siteIndex = siteIndex;
    state.diagram.month = month;
    state.diagram.year = year;
    state.diagramOpening = true;
    RefreshDiagramMonthText(state);
    app->document().objectKind = object.comet ? kCometKind : kAsteroidKind;
    CMainFrame* frame = app->CreateDiagramFrame();
    if (!frame)
        return;
    // As after the request dialogs: a fixed-size picture.
    frame->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->show();
}

void AppTonightLink::WriteEphemeris(const PlannerObject& object, int day, int month, int year)
{
    CQavApp* app = CQavApp::Instance();
    SelectionState& state = Selection();
    if (!app || !SelectObject(object, state))
        return;
    // A month of nightly positions from the night's evening.
    state.ephemeris.day = day;
    state.ephemeris.month = month;
    state.ephemeris.year = year;
    state.ephemeris.dayCount = 31;
    state.ephemeris.dayInterval = 1;
    state.ephemeris.equinox = 2000;
    if (object.comet)
        app->document().WriteCometEphemeris();
    else
        app->document().WriteAsteroidEphemeris();
    if (CMainFrame* frame = app->mainFrame()) {
        frame->raise();
        frame->activateWindow();
    }
}

QString AppTonightLink::CsvFileName(QWidget* parent, const QString& suggested)
{
    return Prompts().saveFileName(parent, QStringLiteral("Fichiers CSV (*.csv);;Tous les fichiers (*.*)"), suggested,
                                  QStringLiteral("csv"));
}
