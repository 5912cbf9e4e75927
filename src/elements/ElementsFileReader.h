#pragma once
// Reads an elements file as it arrives, a piece at a time (a download, or a
// file read in blocks): splits it into numbered lines and refuses the whole
// file at its first line that is not of the format. Blank lines are skipped.

#include "elements/CometElements.h"
#include "elements/MinorPlanetElements.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ElementsFileReader {
public:
    virtual ~ElementsFileReader() = default;

    // The next bytes of the file. False once the file is refused: the rest
    // need not be read.
    bool Feed(std::string_view bytes);
    // The end of the file (a last line without its end of line). False when refused.
    bool Finish();

    bool refused() const { return !error_.empty(); }
    // "Ligne 3 : ce n'est pas une ligne d'éléments de comète (q illisible)." (UTF-8).
    const std::string& error() const { return error_; }
    // The line of the refusal, 0 when it is the file as a whole.
    int errorLine() const { return errorLine_; }

protected:
    // One line that is not blank, without its end of line.
    virtual void TakeLine(std::string_view line, int number) = 0;
    // At the end of the file.
    virtual void TakeEnd() = 0;
    void RefuseLine(int number, const std::string& what, const std::string& reason);
    void RefuseFile(const std::string& text);

private:
    void Line(std::string_view line);

    std::string partial_;  // the start of a line whose end has not arrived
    int lineNumber_ = 0;
    int errorLine_ = 0;
    std::string error_;
};

// CometEls.txt: every line a comet.
class CometFileReader final : public ElementsFileReader {
public:
    const std::vector<CometElements>& comets() const { return comets_; }

private:
    void TakeLine(std::string_view line, int number) override;
    void TakeEnd() override;

    std::vector<CometElements> comets_;
};

// The asteroids numbered 1 to 9999 that a minor-planet file holds, each as its
// ASTERS.DTB line or the reason it has none; the others are only counted.
struct NumberedAsteroid {
    std::string line;     // 110 bytes, or empty
    std::string problem;  // why there is no line
};

// MPCORB.DAT or one of its excerpts. The full file opens with free text ended
// by a line of dashes; that header is skipped.
class MinorPlanetFileReader final : public ElementsFileReader {
public:
    static constexpr int kLargestNumber = 9999;  // ASTERS.DTB carries four digits

    MinorPlanetFileReader() : asteroids_(kLargestNumber + 1) {}

    // Index = number; entries of numbers the file does not hold are absent.
    const std::vector<std::optional<NumberedAsteroid>>& asteroids() const { return asteroids_; }
    int unnumbered() const { return unnumbered_; }
    int beyondLargest() const { return beyondLargest_; }  // numbered above 9999

private:
    void TakeLine(std::string_view line, int number) override;
    void TakeEnd() override;

    std::vector<std::optional<NumberedAsteroid>> asteroids_;
    int unnumbered_ = 0;
    int beyondLargest_ = 0;
    int planets_ = 0;
    bool headerPossible_ = true;
    int headerErrorLine_ = 0;  // the first line that does not read, while a header may still end
    std::string headerErrorReason_;
};
