#include "catalog/SiteRecord.h"

#include "catalog/RecordText.h"

std::string SiteName(const SiteRecord& site)
{
    return FieldText(site.name);
}

void SetSiteName(SiteRecord& site, std::string_view windows1252)
{
    SetFieldText(site.name, windows1252, 38);
}
