#include "cli/CommandOptions.h"

#include "catalog/AsteroidCatalog.h"
#include "catalog/CometCatalog.h"
#include "catalog/RecordChecks.h"
#include "catalog/SiteCatalog.h"
#include "core/CFormat.h"
#include "platform/FileError.h"

std::optional<std::string> CommandOptions::Read(const std::vector<std::string>& arguments,
                                                const std::set<std::string>& valued, const std::set<std::string>& flags)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (flags.count(name) && !value) {
            values_[name] = {};
            continue;
        }
        if (!valued.count(name))
            return "option inconnue « " + arguments[i] + " ».";
        if (!value) {
            if (i + 1 == arguments.size())
                return "il manque la valeur de " + name + ".";
            value = arguments[++i];
        }
        values_[name] = *value;
    }
    return std::nullopt;
}

std::string CommandOptions::Value(const std::string& name, const std::string& fallback) const
{
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

std::optional<int> PositiveNumber(const std::string& text)
{
    int value = 0;
    if (!ScanInt(text, value) || value < 1 || FormatC("%d", value) != text)
        return std::nullopt;
    return value;
}

std::optional<std::string> ChooseSite(int number, SiteRecord& site)
{
    SiteRecord buffer{};
    const int count = static_cast<int>(SiteCatalog::List(buffer, SiteListStyle::CometDiagram).size());
    if (number < 1 || number > count)
        return FormatC("%s n'a pas de site numéro %d", SiteCatalog::kFileName, number) +
               (count == 0 ? std::string(" (il est vide).") : FormatC(" (numéros de 1 à %d).", count));
    SiteCatalog::Read(number - 1, site);
    if (const auto fault = SiteFault(site))
        throw FileError(SiteCatalog::kFileName, UnusableSiteText(number, site, *fault));
    return std::nullopt;
}

std::optional<std::string> ChooseComet(int number, CometRecord& comet)
{
    CometRecord buffer{};
    const int count = static_cast<int>(CometCatalog::List(buffer).size());
    if (number < 1 || number > count)
        return FormatC("%s n'a pas de comète numéro %d", CometCatalog::kFileName, number) +
               (count == 0 ? std::string(" (il est vide).") : FormatC(" (numéros de 1 à %d).", count));
    CometCatalog::Read(number - 1, comet);
    if (const auto fault = CometFault(comet))
        throw FileError(CometCatalog::kFileName, UnusableCometText(number, comet, *fault));
    return std::nullopt;
}

std::optional<std::string> ChooseAsteroid(int number, AsteroidRecord& asteroid)
{
    // An entry made of the number alone names the line, as a choice in the list does.
    // Listed first, as the list dialog does: a file whose lines moved is refused whole.
    AsteroidCatalog catalog;
    catalog.List();
    if (number >= 1 && number <= 9999 && catalog.Load(std::string(20, ' ') + FormatC("%4d", number), asteroid)) {
        if (const auto fault = AsteroidFault(asteroid))
            throw FileError(AsteroidCatalog::kFileName, UnusableAsteroidText(asteroid, *fault));
        return std::nullopt;
    }
    return FormatC("%s n'a pas d'astéroïde numéro %d.", AsteroidCatalog::kFileName, number);
}
