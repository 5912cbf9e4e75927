#include "app/AppTonightLink.h"

#include "app/CMainFrame.h"
#include "app/CQavApp.h"
#include "app/CQavDoc.h"
#include "app/UserPrompts.h"
#include "catalog/AsteroidCatalog.h"
#include "core/CFormat.h"
#include "diagram/DiagramSubject.h"
#include "planner/PlannerCatalog.h"
#include "platform/FileError.h"

#include <optional>

namespace {

// The object as a diagram or a table takes it: an asteroid is loaded again
// from its line, with the texts its display shows. Nothing else of the
// selection changes.
std::optional<DiagramSubject> SubjectOf(const PlannerObject& object)
{
    DiagramSubject subject;
    if (object.comet) {
        subject.kind = kCometKind;
        subject.comet = object.cometRecord;
        return subject;
    }
    subject.kind = kAsteroidKind;
    try {
        AsteroidCatalog catalog;
        if (!catalog.Load(FormatC("%20s%4d", "", object.index), subject.asteroid))
            subject.asteroid = object.asteroidRecord;
    } catch (const FileError& error) {
        ReportFileError(error);
        return std::nullopt;
    }
    return subject;
}

} // namespace

void AppTonightLink::OpenDiagram(const PlannerObject& object, const SiteRecord& site, int month, int year)
{
    CQavApp* app = CQavApp::Instance();
    std::optional<DiagramSubject> subject = SubjectOf(object);
    if (!app || !subject)
        return;
    subject->site = site;
    subject->month = month;
    subject->year = year;
    app->document().OpenDiagram(*subject);
}

void AppTonightLink::WriteEphemeris(const PlannerObject& object, int day, int month, int year)
{
    CQavApp* app = CQavApp::Instance();
    const std::optional<DiagramSubject> subject = SubjectOf(object);
    if (!app || !subject)
        return;
    // A month of nightly positions from the night's evening.
    EphemerisRequest request;
    request.day = day;
    request.month = month;
    request.year = year;
    request.dayCount = 31;
    request.dayInterval = 1;
    request.equinox = 2000;
    app->document().WriteObjectEphemeris(*subject, request);
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
