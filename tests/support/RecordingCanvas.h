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
    };

    Rgb Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kDiagramWidth + x)]; }

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
            pixels_[static_cast<std::size_t>(y * kDiagramWidth + x)] = colour;
    }
    void SelectPen(Rgb colour) override { pen_ = colour; }
    void MoveTo(int x, int y) override { at_ = {x, y}; }
    void LineTo(int x, int y) override
    {
        // Straight lines only, as the diagram draws them.
        while (at_.x != x || at_.y != y) {
            SetPixel(at_.x, at_.y, pen_);
            at_.x += (x > at_.x) - (x < at_.x);
            at_.y += (y > at_.y) - (y < at_.y);
        }
    }
    void SelectFont(DiagramFont) override {}
    void SetTextColor(Rgb) override {}
    void TextOut(int x, int y, std::string_view text) override { texts.push_back({x, y, std::string(text)}); }
    TextExtent GetTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 14}; }
    void DrawEdge(const PixelRect& rect, EdgeStyle style) override { edges.push_back({rect, style}); }

    std::vector<Text> texts;
    std::vector<std::pair<PixelRect, EdgeStyle>> edges;
    int outside = 0;

private:
    struct Point {
        int x = 0;
        int y = 0;
    };
    std::vector<Rgb> pixels_ = std::vector<Rgb>(static_cast<std::size_t>(kDiagramWidth * kDiagramHeight));
    Rgb pen_;
    Point at_;
};
