#pragma once
// The picture of a visibility diagram with what it was computed for. Left
// clicks draw the information box into it and right presses the legend of
// the event under the cursor; both read the diagram's own object, site and
// month, and the program's event grid, which always describes the diagram
// computed last.

#include "diagram/Canvas.h"
#include "diagram/DiagramSubject.h"

#include <QImage>

class DiagramPicture {
public:
    // Computes the 368 nights of `subject` into the picture and the event
    // grid; the subject is kept, with its leap-February marker.
    void Compute(const DiagramSubject& subject);

    bool IsComputed() const { return !image_.isNull(); }
    const DiagramSubject& subject() const { return subject_; }
    const QImage& image() const { return image_; }

    // A left click at (x, y) in image pixels: the information box of that
    // instant, or nothing outside the nights. Returns the area drawn.
    PixelRect ShowInfoBoxAt(int x, int y);
    // The box of day `day` (counted from the day before the 1st of the start
    // month) at hour:minute UT.
    PixelRect ShowInfoBox(int day, int hour, int minute);

    // A right press at (x, y): the legend of the event there, if one is
    // named. Returns the area drawn (empty when no legend is shown).
    PixelRect ShowLegendAt(int x, int y);
    PixelRect ShowLegend(int x, int y, int code);
    bool LegendShown() const { return !legendSave_.isNull(); }
    // Puts back the pixels under the legend and returns their area.
    PixelRect RestoreLegend();
    // Leaves the legend in the picture until the next computation.
    void KeepLegend() { legendSave_ = QImage(); }

    const PixelRect& infoBoxRect() const { return infoBoxRect_; }
    const PixelRect& legendRect() const { return legendRect_; }

private:
    DiagramSubject subject_;
    QImage image_;
    QImage legendSave_;  // the pixels under the legend while it is shown
    PixelRect infoBoxRect_;
    PixelRect legendRect_;
};
