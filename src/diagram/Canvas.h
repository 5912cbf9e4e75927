#pragma once
// The drawing surface of the visibility diagram. The chart, the information
// box and the legend are drawn through this small interface, so the whole
// picture is described without the windowing toolkit; the application draws
// it onto a 771 x 505 image, the tests may record it.

#include <cstdint>
#include <string_view>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// Left, top, right, bottom in image pixels; right and bottom are excluded.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct TextExtent {
    int width = 0;
    int height = 0;  // the text cell: ascent + descent
};

// The fonts of the diagram: "Arial" with cell heights 14 (labels) and 16
// (title box); the information box's is the title font, or a narrower one
// where its widest texts would run past their rules.
enum class DiagramFont { Label, Title, Info };

// The two 3-D edges the diagram uses: a ridge (title and information boxes)
// and a raised frame (the chart).
enum class EdgeStyle { Bump, Raised };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void FillSolidRect(const PixelRect& rect, Rgb colour) = 0;
    virtual void SetPixel(int x, int y, Rgb colour) = 0;

    // Lines in the selected pen (solid, one pixel wide); LineTo leaves out
    // the end point, which becomes the current point.
    virtual void SelectPen(Rgb colour) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;

    // Text in the selected font and colour on a transparent background;
    // (x, y) is the top-left corner of the text cell. Texts are UTF-8.
    virtual void SelectFont(DiagramFont font) = 0;
    virtual void SetTextColor(Rgb colour) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual TextExtent GetTextExtent(std::string_view text) = 0;

    // The edge is drawn inside `rect`, two pixels wide.
    virtual void DrawEdge(const PixelRect& rect, EdgeStyle style) = 0;
};

// A canvas that draws nothing: the events without the picture (qav-cli
// without --png, the benchmarks of the computation alone).
class NullCanvas final : public Canvas {
public:
    void FillSolidRect(const PixelRect&, Rgb) override {}
    void SetPixel(int, int, Rgb) override {}
    void SelectPen(Rgb) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SelectFont(DiagramFont) override {}
    void SetTextColor(Rgb) override {}
    void TextOut(int, int, std::string_view) override {}
    TextExtent GetTextExtent(std::string_view) override { return {}; }
    void DrawEdge(const PixelRect&, EdgeStyle) override {}
};
