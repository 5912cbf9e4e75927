#include "catalog/SiteCatalog.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

SiteRecord Site(const std::string& name, double longitude = 0.0, double latitude = 0.0)
{
    SiteRecord site{};
    SetSiteName(site, name);
    site.longitude = longitude;
    site.latitude = latitude;
    return site;
}

std::string Bytes(const SiteRecord& site)
{
    return std::string(reinterpret_cast<const char*>(&site), sizeof site);
}

std::string Catalog(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k)
        bytes += Bytes(Site("S" + std::to_string(k), k, -k));
    return bytes;
}

} // namespace

TEST(SiteRecord, NamesAreBoundedBothWays)
{
    SiteRecord site{};
    SetSiteName(site, std::string(45, 'p'));
    EXPECT_EQ(std::string(site.name, 48), std::string(38, 'p') + std::string(10, '\0'));
    std::memset(site.name, 'N', sizeof site.name);
    EXPECT_EQ(SiteName(site), std::string(48, 'N'));
}

TEST(SiteCatalog, ListsInTheStyleOfEachDialog)
{
    TempFolder folder;
    folder.Write("SITES.NDB", Catalog(3) + "12345678");  // 200 bytes: three sites
    SiteRecord buffer{};
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::Maintenance),
              (std::vector<SiteListEntry>{"  1    S1", "  2    S2", "  3    S3"}));
    EXPECT_EQ(SiteName(buffer), "S3");
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::CometDiagram)[2], "    3    S3");
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::AsteroidDiagram)[2], "3    S3");
    EXPECT_EQ(MakeSiteListEntry(Site("Paris"), 12, SiteListStyle::Maintenance), "12    Paris");
    EXPECT_EQ(MakeSiteListEntry(Site("Paris"), 12, SiteListStyle::CometDiagram), "  12    Paris");
}

TEST(SiteCatalog, AppendReadAndDelete)
{
    TempFolder folder;
    const std::string five = Catalog(5);
    folder.Write("SITES.NDB", five);
    EXPECT_EQ(SiteCatalog::Append(Site("Nice", -0.48, 0.76)), 5);
    EXPECT_EQ(folder.Read("SITES.NDB"), five + Bytes(Site("Nice", -0.48, 0.76)));

    SiteRecord record = Site("image", 0.0, 9.0);
    SiteCatalog::Read(5, record);
    EXPECT_EQ(SiteName(record), "Nice");
    EXPECT_EQ(record.latitude, 0.76);
    SiteCatalog::Read(-1, record);  // no site chosen: nothing read
    SiteCatalog::Read(6, record);   // past the end: nothing read
    EXPECT_EQ(SiteName(record), "Nice");

    folder.Write("SITES.NDB", Catalog(2));
    SiteRecord image{};
    SiteCatalog::Delete(0, image);
    EXPECT_EQ(folder.Read("SITES.NDB"), Bytes(Site("S2", 2, -2)));
    EXPECT_EQ(SiteName(image), "S2");

    try {
        SiteCatalog::Delete(1, image);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::Cause::BadSeek);
    }
    EXPECT_EQ(folder.Read("SITES.NDB"), Bytes(Site("S2", 2, -2)));
}

TEST(SiteCatalog, HeldCatalogueLocksOutOtherOpensUntilDestroyed)
{
    TempFolder folder;
    folder.Write("SITES.NDB", Catalog(3));
    SiteRecord record{};
    {
        HeldSiteCatalog held;
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);  // again from the top
        held.Read(1, record);
        EXPECT_EQ(SiteName(record), "S2");
        try {
            SiteCatalog::Read(0, record);
            FAIL() << "no FileError";
        } catch (const FileError& error) {
            EXPECT_EQ(error.cause(), FileError::Cause::SharingViolation);
            EXPECT_EQ(error.fileName(), "SITES.NDB");
        }
    }
    SiteCatalog::Read(0, record);
    EXPECT_EQ(SiteName(record), "S1");
}

TEST(SiteCatalog, MissingFileIsReportedWithItsName)
{
    TempFolder folder;
    SiteRecord record{};
    try {
        SiteCatalog::List(record, SiteListStyle::Maintenance);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.cause(), FileError::Cause::FileNotFound);
        EXPECT_EQ(FileErrorText(error), "Impossible de trouver SITES.NDB.");
    }
}

TEST(SiteCatalog, SampleSitesHaveWestPositiveLongitudesInHours)
{
    TempFolder folder;
    folder.CopySample("SITES.NDB");
    SiteRecord record{};
    const std::vector<SiteListEntry> entries = SiteCatalog::List(record, SiteListStyle::Maintenance);
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries[0], "  1    Paris - Observatoire");
    SiteCatalog::Read(0, record);
    EXPECT_NEAR(record.longitude, -0.156, 0.001);  // 2 deg 20' east
    EXPECT_NEAR(record.latitude, 0.8524, 0.001);   // 48 deg 50' north
    SiteCatalog::Read(9, record);
    EXPECT_EQ(SiteName(record), "Montr\xe9" "al");  // Windows-1252 bytes
    EXPECT_NEAR(record.longitude, 4.904, 0.001);   // 73 deg 34' west
}
