#include "elements/ElementsFileReader.h"

#include "core/CFormat.h"

namespace {

// No line of the formats comes near this: a longer one is not text of the format
// (a compressed or binary file), and is refused before it fills the memory.
constexpr std::size_t kLongestLine = 4096;
// The header of MPCORB.DAT is a few dozen lines.
constexpr int kLongestHeader = 200;

constexpr const char* kComet = "de comète";
constexpr const char* kMinorPlanet = "d'astéroïde";

bool IsDashLine(std::string_view line)
{
    const std::string_view text = TrimSpaces(line);
    return text.size() >= 10 && text.find_first_not_of('-') == std::string_view::npos;
}

} // namespace

bool ElementsFileReader::Feed(std::string_view bytes)
{
    while (!refused() && !bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (partial_.size() + piece.size() > kLongestLine) {
            RefuseLine(lineNumber_ + 1, "", "ligne trop longue");
            break;
        }
        if (end == std::string_view::npos) {
            partial_.append(piece);
            break;
        }
        if (partial_.empty()) {
            Line(piece);
        } else {
            partial_.append(piece);
            Line(partial_);
            partial_.clear();
        }
        bytes.remove_prefix(end + 1);
    }
    return !refused();
}

bool ElementsFileReader::Finish()
{
    if (!refused() && !partial_.empty()) {
        Line(partial_);
        partial_.clear();
    }
    if (!refused())
        TakeEnd();
    return !refused();
}

void ElementsFileReader::Line(std::string_view line)
{
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (!IsBlank(line))
        TakeLine(line, lineNumber_);
}

void ElementsFileReader::RefuseLine(int number, const std::string& what, const std::string& reason)
{
    if (refused())
        return;
    errorLine_ = number;
    error_ = what.empty() ? FormatC("Ligne %d : %s.", number, reason.c_str())
                          : FormatC("Ligne %d : ce n'est pas une ligne d'éléments %s (%s).", number, what.c_str(),
                                    reason.c_str());
}

void ElementsFileReader::RefuseFile(const std::string& text)
{
    if (!refused())
        error_ = text;
}

void CometFileReader::TakeLine(std::string_view line, int number)
{
    std::string reason;
    if (auto comet = ReadCometLine(line, reason))
        comets_.push_back(std::move(*comet));
    else
        RefuseLine(number, kComet, reason);
}

void CometFileReader::TakeEnd()
{
    if (comets_.empty())
        RefuseFile("Le fichier ne contient aucune comète.");
}

void MinorPlanetFileReader::TakeLine(std::string_view line, int number)
{
    if (IsDashLine(line)) {
        // The end of the header; anything that did not read before it was the header.
        if (!headerPossible_)
            return RefuseLine(number, kMinorPlanet, "ligne de tirets");
        headerPossible_ = false;
        headerErrorLine_ = 0;
        return;
    }
    std::string reason;
    const auto planet = ReadMinorPlanetLine(line, reason);
    if (!planet) {
        if (headerPossible_ && number <= kLongestHeader) {
            if (headerErrorLine_ == 0) {
                headerErrorLine_ = number;
                headerErrorReason_ = reason;
            }
            return;
        }
        if (headerErrorLine_ != 0)
            return RefuseLine(headerErrorLine_, kMinorPlanet, headerErrorReason_);
        return RefuseLine(number, kMinorPlanet, reason);
    }
    // Elements before any line of dashes: there is no header, and no line may fail.
    if (headerErrorLine_ != 0)
        return RefuseLine(headerErrorLine_, kMinorPlanet, headerErrorReason_);
    headerPossible_ = false;
    ++planets_;
    if (planet->number == 0) {
        ++unnumbered_;
    } else if (planet->number > kLargestNumber) {
        ++beyondLargest_;
    } else if (!asteroids_[static_cast<std::size_t>(planet->number)]) {
        NumberedAsteroid asteroid;
        if (auto converted = MakeAsteroidLine(*planet, asteroid.problem))
            asteroid.line = std::move(*converted);
        asteroids_[static_cast<std::size_t>(planet->number)] = std::move(asteroid);
    }
}

void MinorPlanetFileReader::TakeEnd()
{
    if (headerErrorLine_ != 0)
        RefuseLine(headerErrorLine_, kMinorPlanet, headerErrorReason_);
    else if (planets_ == 0)
        RefuseFile("Le fichier ne contient aucun élément d'astéroïde.");
}
