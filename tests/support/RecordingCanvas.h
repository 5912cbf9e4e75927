#pragma once
// A canvas that keeps what is drawn: the pixels of a 771 x 505 picture, the
// texts and the edges, and how many pixels fell outside the picture. Text
// widths are a fixed 7 pixels a byte.

#include "diagram/Canvas.h"
#include "diagram/ChartDrawing.h"

#include <string>
#include <vector>

class RecordingCanvas final : public Canvas {
public:
    struct Text {
        int x = 0;
        int y = 0;
        std::string text;
        DiagramFont font = DiagramFont::Label;
        Rgb colour;
    };
    struct Edge {
        PixelRect rect;
        EdgeStyle style;
    };

    RecordingCanvas() : pixels_(static_cast<std::size_t>(kDiagramWidth * kDiagramHeight)) {}

    Rgb Pixel(int x, int y) const { return pixels_[Index(x, y)]; }

    void FillSolidRect(const PixelRect& rect, Rgb colour) override
    {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                SetPixel(x, y, colour);
    }
    void SetPixel(int x, int y, Rgb colour) override
    {
        if (x < 0 || y < 0 || x >= kDiagramWidth || y >= kDiagramHeight)
            ++outside;
        else
            pixels_[Index(x, y)] = colour;
    }
    void SelectPen(Rgb colour) override { pen_ = colour; }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override
    {
        // Straight lines only, as the diagram draws them.
        while (x_ != x || y_ != y) {
            SetPixel(x_, y_, pen_);
            x_ += (x > x_) - (x < x_);
            y_ += (y > y_) - (y < y_);
        }
    }
    void SelectFont(DiagramFont font) override { font_ = font; }
    void SetTextColor(Rgb colour) override { textColour_ = colour; }
    void TextOut(int x, int y, std::string_view text) override
    {
        texts.push_back({x, y, std::string(text), font_, textColour_});
    }
    TextExtent GetTextExtent(std::string_view text) override
    {
        return {7 * static_cast<int>(text.size()), font_ == DiagramFont::Label ? 14 : 16};
    }
    void DrawEdge(const PixelRect& rect, EdgeStyle style) override { edges.push_back({rect, style}); }

    std::vector<Text> texts;
    std::vector<Edge> edges;
    int outside = 0;

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kDiagramWidth + x); }

    std::vector<Rgb> pixels_;
    Rgb pen_;
    int x_ = 0;
    int y_ = 0;
    DiagramFont font_ = DiagramFont::Label;
    Rgb textColour_;
};
