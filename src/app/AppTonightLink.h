#pragma once
// The one place where the "Ce soir" window reaches the document: an object of
// the night's list becomes the current object of the selection, then the
// program's own diagram window or ephemeris table does the rest.

#include "planner/TonightLink.h"

class AppTonightLink final : public TonightLink {
public:
    void OpenDiagram(const PlannerObject& object, const SiteRecord& site, int month, int year) override;
    void WriteEphemeris(const PlannerObject& object, int day, int month, int year) override;
    QString CsvFileName(QWidget* parent, const QString& suggested) override;
};
