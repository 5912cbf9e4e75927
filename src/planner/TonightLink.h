#pragma once
// What the "Ce soir" window asks of the rest of the program, which it does
// not know: show an object's visibility diagram, write its ephemeris, and
// ask for the name of the CSV file.

#include <QString>

struct PlannerObject;
struct SiteRecord;
class QWidget;

class TonightLink {
public:
    virtual ~TonightLink() = default;
    // The diagram of `object` from `site`, from the 1st of month/year.
    virtual void OpenDiagram(const PlannerObject& object, const SiteRecord& site, int month, int year) = 0;
    // A daily ephemeris of `object` from day/month/year into the text.
    virtual void WriteEphemeris(const PlannerObject& object, int day, int month, int year) = 0;
    // The file to save the list in, "" when the user cancels.
    virtual QString CsvFileName(QWidget* parent, const QString& suggested) = 0;
};
