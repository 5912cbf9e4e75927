#pragma once
// The visibility diagram in one pass: 368 nights of events for one object
// seen from one site, written into the event grid and drawn onto the canvas
// in the order the picture is built.

struct EphemerisRequest;
struct NightRecord;
struct SiteRecord;
class Canvas;
class DiagramObject;
class EventGrid;

// Computes and draws the diagram that starts on the 1st of request.month /
// request.year. On return the request date is again the 1st of that month,
// the interval 1, and leapFebruaryMarker tells whether the span passed
// 10 February of a leap year (so holds a 29 February).
void ComputeDiagram(const DiagramObject& object, const SiteRecord& site, EphemerisRequest& request,
                    int& leapFebruaryMarker, EventGrid& grid, Canvas& canvas);

// Writes the points of `record`, the night around 0h UT of day `day`, into
// the grid and plots them: an event t hours from that 0h goes to column
// `day` + floor((t + 12) / 24), the column the information box reads as that
// instant. From the end of night down to the rise, so that the lower code
// wins a shared cell. The transit is always written; the other events only
// on nights when their altitude is crossed. Points whose column falls
// outside the grid are dropped.
void WriteEventPoints(const NightRecord& record, int day, EventGrid& grid, Canvas& canvas);
