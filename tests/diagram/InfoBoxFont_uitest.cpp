// The information box with the real fonts (Liberation Sans for "Arial"): the
// widest texts it can show stay a pixel clear of its rules and edges.

#include "diagram/InfoBox.h"
#include "diagram/QImageCanvas.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(InfoBoxFont, WidestTextsStayBetweenTheRules)
{
    // Date, time, then altitude, azimuth and magnitude of the object, altitude
    // and azimuth of the Sun.
    const std::string angle = "-179° 59'";
    const InfoBoxTexts widest{"30/12/-1000", "23h 56m UT", angle, angle, "-12.3", angle, angle};
    for (const bool comet : {true, false}) {
        const int b = comet ? 512 : 502;
        const int w = comet ? 372 : 362;
        // From each text's start to the rule or edge on its right.
        const int cells[][2] = {{w + 5, w + 44}, {w + 49, w + 123}, {b + 4, 569}, {574, 629}, {634, 689}, {694, 737}};
        QImage image = MakeDiagramImage();
        {
            QImageCanvas canvas(image);
            DrawInfoBox(canvas, widest, comet);
        }
        int drawn = 0, outside = 0;
        for (int y = 0; y < 72; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(95, 223, 223))
                    continue;
                ++drawn;
                bool inside = false;
                for (const auto& [from, to] : cells)
                    inside = inside || (x >= from && x < to - 1);
                outside += !inside;
            }
        }
        EXPECT_EQ(outside, 0) << (comet ? "comet" : "asteroid");
        EXPECT_GT(drawn, 500);
    }
}
