// The JSON listing parses and carries the catalogue's shape and counts.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>
#include <set>
#include <string>

#include "catalogue_json.h"

namespace {

QJsonObject parsedCatalogue(const WindowBuilt& built = {}) {
    const std::string text = catalogueJson(menuCatalogue(), built);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

TEST(CatalogueJson, ParsesWithTheCatalogueCounts) {
    const QJsonArray menu = parsedCatalogue().value("menu").toArray();
    EXPECT_EQ(menu.size(), 221);
    std::map<QString, int> actions;
    std::map<QString, int> layouts;
    std::set<QString> tables;  // a table is known by its descriptors
    for (const QJsonValue& v : menu) {
        const QJsonObject e = v.toObject();
        ++actions[e.value("action").toString()];
        if (e.value("action") != "generic")
            continue;
        ++layouts[e.value("layout").toString()];
        for (const QJsonValue& p : e.value("pages").toArray())
            tables.insert(QJsonDocument(p.toObject().value("descriptors").toArray()).toJson());
    }
    EXPECT_EQ(actions["generic"], 193);
    EXPECT_EQ(actions["dedicated"], 24);
    EXPECT_EQ(actions["tool"], 2);
    EXPECT_EQ(actions["about"], 1);
    EXPECT_EQ(actions["refresh"], 1);
    EXPECT_EQ(layouts["editor"], 32);
    EXPECT_EQ(layouts["list"], 156);
    EXPECT_EQ(layouts["pages"], 5);
    EXPECT_EQ(tables.size(), 205u);
}

TEST(CatalogueJson, EntriesHaveTheirFields) {
    const QJsonArray menu = parsedCatalogue().value("menu").toArray();
    const QStringList generic = {"path", "action", "title", "layout", "pages", "adjustments"};
    const QStringList page = {"page",       "kind",        "indexCount",    "addIndex",
                              "addLiteral", "deleteIndex", "deleteLiteral", "descriptors"};
    const QStringList descriptor = {"oid", "caption", "syntax", "flags", "options"};
    for (const QJsonValue& v : menu) {
        const QJsonObject e = v.toObject();
        EXPECT_TRUE(e.value("path").isArray());
        if (e.value("action") != "generic")
            continue;
        for (const QString& k : generic)
            EXPECT_TRUE(e.contains(k)) << k.toStdString();
        for (const QJsonValue& p : e.value("pages").toArray()) {
            for (const QString& k : page)
                EXPECT_TRUE(p.toObject().contains(k)) << k.toStdString();
            for (const QJsonValue& d : p.toObject().value("descriptors").toArray())
                for (const QString& k : descriptor)
                    EXPECT_TRUE(d.toObject().contains(k)) << k.toStdString();
        }
    }
}

// Every command says whether this build opens it: a dedicated one only when its window is built.
TEST(CatalogueJson, EveryCommandSaysWhetherItIsEnabled) {
    const auto built = [](const MenuEntry& e) { return std::string(e.Window) == "TIF_Table"; };
    for (bool withWindows : {false, true}) {
        SCOPED_TRACE(withWindows ? "one window built" : "no window built");
        int enabledDedicated = 0;
        for (const QJsonValue& v :
             parsedCatalogue(withWindows ? built : WindowBuilt{}).value("menu").toArray()) {
            const QJsonObject e = v.toObject();
            ASSERT_TRUE(e.value("enabled").isBool()) << e.value("title").toString().toStdString();
            if (e.value("action") != "dedicated") {
                EXPECT_TRUE(e.value("enabled").toBool());
                continue;
            }
            if (e.value("enabled").toBool()) {
                ++enabledDedicated;
                EXPECT_EQ(e.value("window").toString(), "TIF_Table");
            }
        }
        EXPECT_EQ(enabledDedicated, withWindows ? 1 : 0);
    }
}

TEST(CatalogueJson, KeepsBlanksAndOptionValues) {
    const QJsonArray menu = parsedCatalogue().value("menu").toArray();
    QJsonObject vlan;
    for (const QJsonValue& v : menu)
        if (v.toObject().value("title") == "802.1Q Static VLAN Table: ")
            vlan = v.toObject();
    ASSERT_FALSE(vlan.isEmpty());
    const QJsonArray path = vlan.value("path").toArray();
    EXPECT_EQ(path.first().toString(), "Layer 2 ");
    const QJsonObject page = vlan.value("pages").toArray().first().toObject();
    EXPECT_EQ(page.value("addLiteral").toString(), "createAndGo");
    const QJsonArray descriptors = page.value("descriptors").toArray();
    EXPECT_EQ(descriptors.first().toObject().value("oid").toString(), " ");
    const QJsonObject options =
        descriptors.at(page.value("addIndex").toInt()).toObject().value("options").toObject();
    EXPECT_EQ(options.value("kind").toInt(), 1);
    EXPECT_EQ(options.value("entries").toArray().first().toArray().at(1).toString(), "active");
}

}  // namespace
