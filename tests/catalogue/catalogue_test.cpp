// Consistency of the catalogue with itself: menu tree, pages, row status, OIDs and option lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "descriptor_tables.h"
#include "menu_catalogue.h"
#include "option_lists.h"

namespace {

struct PageRef {
    const MenuEntry* Entry;
    const CataloguePage* Page;
};

std::vector<PageRef> allPages() {
    std::vector<PageRef> pages;
    for (const MenuEntry& e : menuCatalogue())
        for (const CataloguePage& p : e.Pages)
            pages.push_back({&e, &p});
    return pages;
}

int tableLength(const SNMPVarDescriptor* table) {
    int n = 0;
    while (table[n].Oid)
        ++n;
    return n;
}

std::string where(const PageRef& r) {
    return std::string(r.Entry->Title ? r.Entry->Title : r.Entry->Caption) + "/" +
           (r.Page->Title ? r.Page->Title : "-");
}

bool isDottedOid(const std::string& oid) {
    static const std::regex form("[0-2](\\.(0|[1-9][0-9]*))+");
    return std::regex_match(oid, form);
}

TEST(CatalogueMenu, CountsOfEntriesWindowsTablesAndLists) {
    std::map<MenuAction, int> actions;
    std::map<WindowLayout, int> layouts;
    std::set<const SNMPVarDescriptor*> tables;
    for (const MenuEntry& e : menuCatalogue()) {
        ++actions[e.Action];
        if (e.Action == MenuAction::Generic)
            ++layouts[e.Layout];
        for (const CataloguePage& p : e.Pages)
            tables.insert(p.Table);
    }
    const int acting = static_cast<int>(menuCatalogue().size()) - actions[MenuAction::Submenu];
    EXPECT_EQ(acting, 221);  // with "Dot3 Control Table", the way to its window
    EXPECT_EQ(actions[MenuAction::Generic], 193);
    EXPECT_EQ(layouts[WindowLayout::Editor], 32);
    EXPECT_EQ(layouts[WindowLayout::List], 156);
    EXPECT_EQ(layouts[WindowLayout::Pages], 5);
    EXPECT_EQ(actions[MenuAction::Dedicated], 24);
    EXPECT_EQ(actions[MenuAction::Tool], 2);
    EXPECT_EQ(actions[MenuAction::About], 1);
    EXPECT_EQ(actions[MenuAction::Refresh], 1);
    EXPECT_EQ(tables.size(), 205u);
    EXPECT_EQ(optionListCatalogue().size(), 176u);
}

TEST(CatalogueMenu, TreeIsWellFormed) {
    const auto menu = menuCatalogue();
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(menu.front().Level, 0);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const MenuEntry& e = menu[i];
        SCOPED_TRACE(e.Caption);
        const int next = i + 1 < menu.size() ? menu[i + 1].Level : 0;
        EXPECT_LE(next, e.Level + 1);
        // Sub-menus hold something; commands hold nothing.
        EXPECT_EQ(next == e.Level + 1, e.Action == MenuAction::Submenu);
        switch (e.Action) {
            case MenuAction::Generic:
                ASSERT_NE(e.Title, nullptr);
                EXPECT_NE(std::string(e.Title).find(':'), std::string::npos);
                EXPECT_EQ(e.Pages.size() > 1, e.Layout == WindowLayout::Pages);
                EXPECT_FALSE(e.Pages.empty());
                EXPECT_NE(e.Layout, WindowLayout::None);
                break;
            case MenuAction::Dedicated:
                EXPECT_NE(e.Title, nullptr);
                EXPECT_NE(e.Window, nullptr);
                break;
            case MenuAction::Tool:
                ASSERT_NE(e.Tool, nullptr);
                EXPECT_EQ(e.Tool[0], '/');
                break;
            default:
                EXPECT_TRUE(e.Pages.empty());
                EXPECT_TRUE(e.Adjustments.empty());
        }
    }
}

TEST(CatalogueMenu, PathsKeepCaptionsExactly) {
    const struct {
        const char* Title;
        std::vector<std::string> Path;
    } cases[] = {
        {"802.1Q Static VLAN Table: ", {"Layer 2 ", "VLAN", "802.1Q", "VLAN ", "Static VLAN"}},
        {"PIM Source Group RPT Interface Table: ",
         {"Layer 3", "PIM", "PIM (RFC 5060)", "Source Group  RPT Interface Table"}},
        {"CFM MD Table: ", {"OAM", "CFM ", "MD", "MD Table"}},
    };
    const auto menu = menuCatalogue();
    for (const auto& c : cases) {
        const auto it = std::find_if(menu.begin(), menu.end(), [&](const MenuEntry& e) {
            return e.Title && std::string(e.Title) == c.Title;
        });
        ASSERT_NE(it, menu.end()) << c.Title;
        EXPECT_EQ(menuPath(menu, static_cast<std::size_t>(it - menu.begin())), c.Path);
    }
    EXPECT_EQ(menuPath(menu, menu.size() - 1), std::vector<std::string>{"Refresh"});
}

TEST(CatalogueMenu, PagesMatchTheirLayout) {
    for (const PageRef& r : allPages()) {
        SCOPED_TRACE(where(r));
        const CataloguePage& p = *r.Page;
        const int length = tableLength(p.Table);
        ASSERT_GT(length, 0);
        EXPECT_EQ(p.Title != nullptr, r.Entry->Layout == WindowLayout::Pages);
        if (r.Entry->Layout == WindowLayout::Editor) {
            EXPECT_EQ(p.Kind, vlScalar);
        } else if (r.Entry->Layout == WindowLayout::List) {
            EXPECT_TRUE(p.Kind == vlTable || p.Kind == vlTableRows);
        }
        if (p.Kind == vlScalar) {
            EXPECT_EQ(p.IndexCount, 0);
        } else {
            EXPECT_TRUE(p.IndexCount >= 1 && p.IndexCount <= 7 && p.IndexCount <= length);
        }
    }
}

TEST(CatalogueDescriptors, OidsFlagsAndSyntaxesAreWellFormed) {
    const std::set<std::uint32_t> flags = {0x01, 0x02, 0x06, 0x41};
    const std::set<std::uint32_t> syntaxes = {0x02, 0x03, 0x04, 0x06, 0x40, 0x41, 0x42,
                                              0x43, 0x46, 0x49, 0x4a, 0x4c, 0x4d, 0x51};
    for (const PageRef& r : allPages()) {
        const CataloguePage& p = *r.Page;
        for (int i = 0; p.Table[i].Oid; ++i) {
            const SNMPVarDescriptor& d = p.Table[i];
            SCOPED_TRACE(where(r) + " #" + std::to_string(i) + " " + d.Caption);
            const bool index = (d.Flags & vfIndex) != 0;
            EXPECT_TRUE(flags.count(d.Flags));
            EXPECT_TRUE(syntaxes.count(d.Syntax));
            // Index columns lead the table; only they may be decoded without an OID.
            if (index) {
                EXPECT_LT(i, p.IndexCount);
            }
            if (std::string(d.Oid) == " ") {
                EXPECT_TRUE(index);
            } else {
                EXPECT_TRUE(isDottedOid(d.Oid)) << '"' << d.Oid << '"';
            }
            EXPECT_NE(d.Caption, nullptr);
        }
    }
}

TEST(CatalogueDescriptors, OptionListsAreCatalogueLists) {
    std::set<const NmOptionList*> known;
    for (const OptionListRecord& r : optionListCatalogue())
        known.insert(r.List);
    for (const PageRef& r : allPages())
        for (const SNMPVarDescriptor* d = r.Page->Table; d->Oid; ++d)
            if (d->Options) {
                EXPECT_TRUE(known.count(d->Options)) << where(r) << " " << d->Caption;
            }
}

TEST(CatalogueDescriptors, RowStatusNamesASettableColumnWithItsWords) {
    int withRows = 0;
    for (const PageRef& r : allPages()) {
        const CataloguePage& p = *r.Page;
        if (p.AddIndex < 0 && p.DeleteIndex < 0)
            continue;
        ++withRows;
        SCOPED_TRACE(where(r));
        const NmSNMPVarList list(p.Table, p.Kind, p.IndexCount);
        for (const auto& [column, word] :
             {std::pair{p.AddIndex, p.AddLiteral}, std::pair{p.DeleteIndex, p.DeleteLiteral}}) {
            ASSERT_GE(column, p.IndexCount);
            ASSERT_LT(column, list.Count());
            EXPECT_TRUE(list.IsSettable(column));
            const NmOptionList* options = list.Item(column).Options;
            ASSERT_NE(options, nullptr);
            EXPECT_GE(options->IndexOfLabel(word), 0) << word;
        }
    }
    EXPECT_GT(withRows, 0);
}

TEST(CatalogueAdjustments, ColumnsAndPagesExist) {
    for (const MenuEntry& e : menuCatalogue()) {
        for (const Adjustment& a : e.Adjustments) {
            SCOPED_TRACE(std::string(e.Title) + " " + a.Text);
            const CataloguePage* page = e.Pages.size() == 1 ? &e.Pages[0] : nullptr;
            if (a.Page) {
                page = nullptr;
                for (const CataloguePage& p : e.Pages)
                    if (p.Title && std::string(p.Title) == a.Page)
                        page = &p;
                ASSERT_NE(page, nullptr);
            }
            const bool needsColumn = a.Kind == AdjustmentKind::VarFormat ||
                                     a.Kind == AdjustmentKind::StatusInEdit ||
                                     a.Kind == AdjustmentKind::OamBinding;
            if (!needsColumn) {
                EXPECT_EQ(a.Column, -1);
                continue;
            }
            ASSERT_NE(page, nullptr);
            ASSERT_GE(a.Column, 0);
            ASSERT_LT(a.Column, tableLength(page->Table));
            const SNMPVarDescriptor& d = page->Table[a.Column];
            if (a.Kind == AdjustmentKind::VarFormat) {
                EXPECT_TRUE(a.Format && a.Format[0] == '%');
            } else if (a.Kind == AdjustmentKind::StatusInEdit) {
                EXPECT_TRUE(d.Options && (d.Flags & vfWrite));
            } else {
                EXPECT_EQ(d.Syntax, synOctets);
            }
        }
    }
}

TEST(CatalogueOptionLists, SharedListsAreDistinctAndNamedOnce) {
    const auto lists = optionListCatalogue();
    std::set<std::string> names;
    std::set<const NmOptionList*> objects;
    for (const OptionListRecord& r : lists) {
        EXPECT_TRUE(names.insert(r.Name).second) << r.Name;
        EXPECT_TRUE(objects.insert(r.List).second) << r.Name;
        EXPECT_FALSE(r.List->CaseSensitive()) << r.Name;
    }
    // Identical contents are one shared list.
    const auto contents = [](const NmOptionList* l) {
        std::vector<std::tuple<int, std::string, std::string>> out;
        for (int i = 0; i < l->Count(); ++i)
            out.emplace_back(l->Item(i).Integer, l->Item(i).Text, l->Item(i).Label);
        return std::pair{l->Kind(), out};
    };
    std::set<decltype(contents(nullptr))> seen;
    for (const OptionListRecord& r : lists)
        EXPECT_TRUE(seen.insert(contents(r.List)).second) << r.Name << " repeats another list";
}

TEST(CatalogueOptionLists, TextListsHoldProtocolOids) {
    int textLists = 0;
    for (const OptionListRecord& r : optionListCatalogue()) {
        if (r.List->Kind() == okInteger)
            continue;
        ++textLists;
        EXPECT_EQ(r.List->Kind(), okText) << r.Name;
        for (int i = 0; i < r.List->Count(); ++i)
            EXPECT_TRUE(isDottedOid(r.List->Item(i).Text)) << r.Name;
    }
    EXPECT_EQ(textLists, 2);
}

TEST(CatalogueOptionLists, WordsMapBothWays) {
    const struct {
        const NmOptionList* List;
        const char* Value;
        const char* Label;
    } cases[] = {
        {&olIanaIfType, "6", "ethernetCsmacd"},
        {&olIanaIfType, "300", "300"},
        {&olUsmAuthProtocol, "1.3.6.1.6.3.10.1.1.3", "SHA"},
        {&olRowStatusCreateDestroy, "2", "2"},
        {&olEmpty, "7", "7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.List->ValueToLabel(c.Value), c.Label);
        EXPECT_EQ(c.List->LabelToValue(c.Label), c.Value);
    }
    EXPECT_EQ(olEnabledDisabled.IndexOfLabel("ENABLED"), 0);
}

}  // namespace
