#include "catalog/SiteCatalog.h"
#include "platform/FileError.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// The record moves are those of the comet catalogue, tested there.

namespace {

std::string Catalog(int count)
{
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        SiteRecord site{};
        SetSiteName(site, "S" + std::to_string(k));
        bytes.append(reinterpret_cast<const char*>(&site), sizeof site);
    }
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

TEST(SiteCatalog, ListsInTheStyleOfEachDialogAndAppendsAtTheEnd)
{
    TempFolder folder;
    folder.Write("SITES.NDB", Catalog(3) + "12345678");  // 200 bytes: three sites
    SiteRecord buffer{};
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::Maintenance),
              (std::vector<SiteListEntry>{"  1    S1", "  2    S2", "  3    S3"}));
    EXPECT_EQ(SiteName(buffer), "S3");
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::CometDiagram)[2], "    3    S3");
    EXPECT_EQ(SiteCatalog::List(buffer, SiteListStyle::AsteroidDiagram)[2], "3    S3");

    folder.Write("SITES.NDB", Catalog(5));
    EXPECT_EQ(SiteCatalog::Append(buffer), 5);
    EXPECT_EQ(folder.Read("SITES.NDB").size(), 6u * 64);
    SiteCatalog::Delete(0, buffer);
    EXPECT_EQ(folder.Read("SITES.NDB"), Catalog(5).substr(64) + Catalog(3).substr(128));
}

TEST(SiteCatalog, HeldCatalogueLocksOutOtherOpensUntilDestroyed)
{
    TempFolder folder;
    SiteRecord record{};
    try {
        SiteCatalog::List(record, SiteListStyle::Maintenance);
        FAIL() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(FileErrorText(error), "Impossible de trouver SITES.NDB.");
    }

    folder.Write("SITES.NDB", Catalog(3));
    {
        HeldSiteCatalog held;
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);
        EXPECT_EQ(held.List(record, SiteListStyle::AsteroidDiagram).size(), 3u);  // again from the top
        held.Read(1, record);
        EXPECT_EQ(SiteName(record), "S2");
        EXPECT_THROW(SiteCatalog::Read(0, record), FileError);
    }
    SiteCatalog::Read(0, record);
    EXPECT_EQ(SiteName(record), "S1");
}

TEST(SiteCatalog, SampleSitesHaveWestPositiveLongitudesInHours)
{
    TempFolder folder;
    folder.CopySample("SITES.NDB");
    SiteRecord record{};
    ASSERT_EQ(SiteCatalog::List(record, SiteListStyle::Maintenance).size(), 17u);
    SiteCatalog::Read(0, record);
    EXPECT_EQ(SiteName(record), "Paris - Observatoire");
    EXPECT_NEAR(record.longitude, -0.156, 0.001);  // 2 deg 20' east
    SiteCatalog::Read(9, record);
    EXPECT_EQ(SiteName(record), "Montr\xe9" "al");  // Windows-1252 bytes
    EXPECT_NEAR(record.longitude, 4.904, 0.001);    // 73 deg 34' west
}
