#pragma once
// The options of the qav-cli commands that list nights and objects:
// "--name value" or "--name=value" for those that take a value, bare flags
// for the others, anything else refused; and the choice of a site, a comet
// or an asteroid by its number, as the lists show them.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct CometRecord;
struct AsteroidRecord;
struct SiteRecord;

class CommandOptions {
public:
    // The reason for a refusal (French, without the command's prefix), or nothing.
    std::optional<std::string> Read(const std::vector<std::string>& arguments, const std::set<std::string>& valued,
                                    const std::set<std::string>& flags);

    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    // The value given, or `fallback`.
    std::string Value(const std::string& name, const std::string& fallback = {}) const;

private:
    std::map<std::string, std::string> values_;
};

// A positive whole number written as such ("12", not "+12" or "12x"), or nothing.
std::optional<int> PositiveNumber(const std::string& text);

// The records by their numbers in the working folder: site K and comet N of
// their lists (1 for the first), the asteroid numbered N. The refusal when
// there is none; FileError when a catalogue cannot be read.
std::optional<std::string> ChooseSite(int number, SiteRecord& site);
std::optional<std::string> ChooseComet(int number, CometRecord& comet);
std::optional<std::string> ChooseAsteroid(int number, AsteroidRecord& asteroid);
