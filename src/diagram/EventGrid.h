#pragma once
// What the visibility diagram shows, cell by cell: 370 nights (columns) of
// 360 four-minute steps (rows), row 0 starting at 12h UT, row 180 at 0h UT.
// Column c is the night around 0h UT of day c of the diagram (day 1 the 1st
// of the start month), from 12h UT of day c - 1 to 12h UT of day c.
// Every cell holds an EventCode or kEmpty. There is one grid for the whole
// program; it always describes the diagram computed last, which every
// diagram window shows and the legend reads back.

#include <array>

// The events of a night (0 to 6, also the indexes of a NightRecord), the
// comfortable observing period and the new moon.
namespace EventCode {
inline constexpr int Rise = 0;
inline constexpr int Transit = 1;
inline constexpr int Set = 2;
inline constexpr int Ascending10 = 3;   // rising through 10 degrees
inline constexpr int Descending10 = 4;  // setting through 10 degrees
inline constexpr int NightStart = 5;    // the Sun 18 degrees below the horizon, evening
inline constexpr int NightEnd = 6;      // the same, morning
inline constexpr int Comfortable = 7;
inline constexpr int NewMoon = 8;
} // namespace EventCode

class EventGrid {
public:
    static constexpr int kColumns = 370;
    static constexpr int kRows = 360;
    static constexpr int kEmpty = -1;

    EventGrid() { Reset(); }

    void Reset() { cells_.fill(kEmpty); }

    static bool Contains(int column, int row)
    {
        return column >= 0 && column < kColumns && row >= 0 && row < kRows;
    }

    // kEmpty outside the grid.
    int At(int column, int row) const { return Contains(column, row) ? cells_[Index(column, row)] : kEmpty; }

    // A cell outside the grid is never written: false.
    bool Set(int column, int row, int code)
    {
        if (!Contains(column, row))
            return false;
        cells_[Index(column, row)] = code;
        return true;
    }

private:
    // Column after column.
    static int Index(int column, int row) { return column * kRows + row; }

    std::array<int, kColumns * kRows> cells_;
};

// The program's one grid.
EventGrid& TheEventGrid();
