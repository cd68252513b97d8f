// Every row of every catalogue table in both simulator profiles: the row's instance decodes into
// the index columns and encodes back to the very same instance, so that a write to a row goes to
// that row and no other.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "menu_catalogue.h"
#include "messages.h"
#include "value_conversion.h"

namespace {

// The OIDs of a profile, in file order.
std::vector<std::string> profileOids(const std::string& name) {
    std::ifstream in(std::string(CORVANE_SIM_PROFILES) + "/" + name + ".snmprec");
    std::vector<std::string> oids;
    for (std::string line; std::getline(in, line);) {
        const std::size_t bar = line.find('|');
        if (bar != std::string::npos)
            oids.push_back(line.substr(0, bar));
    }
    return oids;
}

// Row instances of a table: the suffixes after any of its own columns' OIDs (index columns
// often name another table's column, such as ifIndex).
std::set<std::string> rowsOf(const std::vector<std::string>& oids, const CataloguePage& page) {
    const SNMPVarDescriptor* table = page.Table;
    int first = page.IndexCount;
    if (!table[first].Oid)
        first = 0;  // a table of index columns only
    std::set<std::string> rows;
    for (int c = first; table[c].Oid; ++c) {
        const std::string prefix = std::string(table[c].Oid) + ".";
        for (const std::string& oid : oids)
            if (oid.compare(0, prefix.size(), prefix) == 0)
                rows.insert(oid.substr(prefix.size()));
    }
    return rows;
}

std::string pathOf(const MenuEntry& entry, const CataloguePage& page) {
    std::string path = entry.Title ? entry.Title : entry.Caption;
    if (page.Title)
        path += std::string(" / ") + page.Title;
    return path;
}

}  // namespace

TEST(IndexRoundTrip, EveryProfileRowEncodesBackToItsInstance) {
    for (const char* profile : {"corvane-a", "corvane-b"}) {
        SCOPED_TRACE(profile);
        const std::vector<std::string> oids = profileOids(profile);
        ASSERT_GT(oids.size(), 1000u);
        std::set<const SNMPVarDescriptor*> done;
        std::map<std::uint32_t, int> rowsPerSyntax;
        int tables = 0;
        for (const MenuEntry& entry : menuCatalogue()) {
            for (const CataloguePage& page : entry.Pages) {
                if (page.IndexCount == 0 || !done.insert(page.Table).second)
                    continue;
                SCOPED_TRACE(pathOf(entry, page));
                const std::set<std::string> rows = rowsOf(oids, page);
                EXPECT_FALSE(rows.empty());
                ++tables;
                for (const std::string& instance : rows) {
                    NmSNMPVarList list(page.Table, page.Kind, page.IndexCount);
                    try {
                        DecodeRow(list, instance);
                        EXPECT_EQ(EncodeRow(list), instance);
                    } catch (const NmSNMPException& e) {
                        ADD_FAILURE() << instance << ": " << e.text();
                        continue;
                    }
                    for (int i = 0; i < page.IndexCount; ++i)
                        ++rowsPerSyntax[list.Item(i).Syntax];
                }
            }
        }
        EXPECT_GT(tables, 100);
        // The index syntaxes the catalogue uses all occur in the profile.
        for (std::uint32_t syntax :
             {synInteger, synOctets, synOid, synIpAddress, synGauge32, synTimeTicks, synMacAddress,
              synDisplayString, synIpv6Address, synInetAddress})
            EXPECT_GT(rowsPerSyntax[syntax], 0) << "syntax " << syntax;
    }
}
