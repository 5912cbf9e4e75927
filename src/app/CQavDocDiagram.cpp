// The visibility diagram's side of the document: the two visibility
// commands, the diagram every diagram window shows, and the ephemeris of the
// diagram's object.

#include "app/CQavDoc.h"

#include "app/CMainFrame.h"
#include "app/CQavApp.h"
#include "catalog/SelectionRules.h"
#include "catalog/SelectionState.h"
#include "diagram/CAsteroidDiagramDlg.h"
#include "diagram/CCometDiagramDlg.h"
#include "elements/ElementsAge.h"
#include "elements/ElementsNotice.h"
#include "ephemeris/EphemerisWriter.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

namespace {

// A selection holding only `object`'s record and `request`: the tables of an
// object that need not be the one chosen in the dialogs.
void PrepareTable(SelectionState& table, const DiagramSubject& object, const EphemerisRequest& request)
{
    table.currentComet = object.comet;
    table.currentAsteroid = object.asteroid;
    table.ephemeris = request;
}

} // namespace

void CQavDoc::OnCometVisibility() { RequestDiagram(kCometKind); }

void CQavDoc::OnAsteroidVisibility() { RequestDiagram(kAsteroidKind); }

// A cancelled request leaves the diagram, and its windows, as they were.
void CQavDoc::RequestDiagram(int kind)
{
    SelectionState& state = Selection();
    RefreshDiagramMonthText(state);
    const QString month = FromUtf8(state.diagramMonthText);
    int answer = QDialog::Rejected;
    if (kind == kCometKind) {
        CCometDiagramDlg dialog(nullptr, month, QStringLiteral("Comète : Initialisation d'un diagramme de visibilité"));
        answer = dialog.exec();
    } else {
        CAsteroidDiagramDlg dialog(nullptr, month,
                                   QStringLiteral("Astéroïde : initialisation d'un diagramme de visibilité"));
        answer = dialog.exec();
    }
    if (answer == QDialog::Accepted)
        OpenDiagram(CurrentSubject(state, kind));
}

void CQavDoc::OpenDiagram(const DiagramSubject& subject)
{
    ComputeDiagram(subject);
    // What an accepted request tells the frame about to be made.
    Selection().diagramOpening = true;
    CQavApp* app = CQavApp::Instance();
    CMainFrame* frame = app ? app->CreateDiagramFrame() : nullptr;
    if (!frame)
        return;
    // A fixed-size picture: the window can be made small, not large.
    frame->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    frame->show();
    ShowDiagramNotice();
}

void CQavDoc::ComputeDiagram(const DiagramSubject& subject)
{
    diagram_.Compute(subject);
    // One month for both requests: the next dialogs offer the diagram's.
    EphemerisRequest& shared = Selection().ephemeris;
    shared.day = 1;
    shared.dayInterval = 1;
    shared.month = subject.month;
    shared.year = subject.year;
    UpdateAllViews(nullptr, 0);
    ShowDiagramNotice();
}

void CQavDoc::ShowDiagramNotice() const
{
    const DiagramSubject& subject = diagram_.subject();
    const DayNumber epoch = subject.kind == kCometKind ? subject.comet.perihelionTime : subject.asteroid.epoch;
    ShowDiagramElementsNotice(DiagramElementsNotice(epoch, subject.month, subject.year));
}

bool CQavDoc::StepDiagram(MonthStep step)
{
    DiagramSubject next = diagram_.subject();
    StepDiagramMonth(step, next.month, next.year);
    if (!IsDiagramYear(next.year)) {
        ShowMessage(MessageIcon::Stop, DiagramYearRangeText(), MessageButtons::Ok, "Erreur !");
        return false;
    }
    ComputeDiagram(next);
    return true;
}

// A year of daily lines for the diagram's object, from the 1st of its month;
// nothing before a diagram has been computed.
void CQavDoc::OnEphemerisFromDiagram()
{
    const DiagramSubject& subject = diagram_.subject();
    SelectionState table;
    PrepareTable(table, subject, subject.FirstDay());
    int leapFebruaryMarker = subject.leapFebruaryMarker;
    const std::optional<std::string> text = EphemerisFromDiagramText(table, subject.kind, leapFebruaryMarker);
    if (!text)
        return;
    Selection().ephemeris = table.ephemeris;
    ReplaceText(*text);
    ShowTextNotice(EphemerisElementsNotice(table, subject.kind == kCometKind));
}

void CQavDoc::WriteObjectEphemeris(const DiagramSubject& object, const EphemerisRequest& request)
{
    SelectionState table;
    PrepareTable(table, object, request);
    int leapFebruaryMarker = 0;
    std::string text;
    if (object.kind == kCometKind)
        text = CometEphemerisText(table, leapFebruaryMarker);
    else if (object.kind == kAsteroidKind)
        text = AsteroidEphemerisText(table, leapFebruaryMarker);
    else
        return;
    Selection().ephemeris = table.ephemeris;
    ReplaceText(text);
    ShowTextNotice(EphemerisElementsNotice(table, object.kind == kCometKind));
}
