#include "diagram/DiagramPicture.h"

#include "diagram/ComputeDiagram.h"
#include "diagram/EventGrid.h"
#include "diagram/InfoBox.h"
#include "diagram/InstantView.h"
#include "diagram/Legend.h"
#include "diagram/QImageCanvas.h"

#include <QPainter>

void DiagramPicture::Compute(const DiagramSubject& subject)
{
    subject_ = subject;
    if (image_.isNull())
        image_ = MakeDiagramImage();
    // A new picture: the pixels saved under a legend belong to the old one.
    legendSave_ = QImage();
    EphemerisRequest request = subject_.FirstDay();
    QImageCanvas canvas(image_);
    ComputeDiagram(subject_.Object(), subject_.site, request, subject_.leapFebruaryMarker, TheEventGrid(), canvas);
}

PixelRect DiagramPicture::ShowInfoBoxAt(int x, int y)
{
    const std::optional<ClickInstant> instant = InstantAtClick(x, y);
    return instant ? ShowInfoBox(instant->day, instant->hour, instant->minute) : PixelRect{};
}

PixelRect DiagramPicture::ShowInfoBox(int day, int hour, int minute)
{
    if (!IsComputed())
        return {};
    const InstantViewResult view =
        InstantView(subject_.Object(), subject_.site, subject_.FirstDay(), day, hour, minute);
    const InfoBoxTexts texts = MakeInfoBoxTexts(view, {day, hour, minute}, subject_.month, subject_.year,
                                                subject_.leapFebruaryMarker != 0);
    QImageCanvas canvas(image_);
    infoBoxRect_ = DrawInfoBox(canvas, texts, subject_.kind == kCometKind);
    return infoBoxRect_;
}

PixelRect DiagramPicture::ShowLegendAt(int x, int y)
{
    const int code = IsComputed() ? LegendCodeAt(TheEventGrid(), x, y) : -1;
    return code < 0 ? PixelRect{} : ShowLegend(x, y, code);
}

PixelRect DiagramPicture::ShowLegend(int x, int y, int code)
{
    if (!IsComputed())
        return {};
    // A legend still shown (its release was never seen) goes first, so that
    // the pixels saved are always those of the picture itself.
    RestoreLegend();
    const std::string text = LegendText(code, subject_.kind);
    QImageCanvas canvas(image_);
    canvas.SelectFont(DiagramFont::Label);
    const LegendPlacement placement = PlaceLegend(x, y, canvas.GetTextExtent(text).width);
    legendRect_ = placement.box;
    legendSave_ = image_.copy(legendRect_.left, legendRect_.top, legendRect_.Width(), legendRect_.Height());
    DrawLegend(canvas, placement, text);
    return legendRect_;
}

PixelRect DiagramPicture::RestoreLegend()
{
    if (legendSave_.isNull())
        return {};
    {
        QPainter painter(&image_);
        painter.drawImage(legendRect_.left, legendRect_.top, legendSave_);
    }
    legendSave_ = QImage();
    return legendRect_;
}
