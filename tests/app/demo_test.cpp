// --demo refuses the switches that would point the program away from its simulated switch.
#include <gtest/gtest.h>

#include "demo.h"
#include "message_box.h"

namespace {

TEST(DemoSwitches, OnlyTheDemosOwnTargetIsTaken) {
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::vector<std::string> refused;  // each in the conflict list; empty: none at all
    };
    const Case cases[] = {
        {"no switch", {}, {}},
        {"version only", {"/v0"}, {}},
        {"the demo's own address", {"/I127.0.0.1", "/Rmeadow", "/Wthistle"}, {}},
        {"another agent", {"/I192.0.2.77"}, {"/I192.0.2.77 (another agent address)"}},
        {"/I taken before /R in one argument", {"/Rpublic/I10.0.0.1"}, {"/I10.0.0.1"}},
        {"another read community", {"/Rpublic"}, {"/R (another read community)"}},
        {"another write community", {"/Wprivate"}, {"/W (another write community)"}},
        {"port after /v3", {"/v3", "/t1161"}, {"/t1161"}},
        {"port without /v3 is ignored anyway", {"/t1161"}, {}},
        {"the demo's SNMPv3 user",
         {"/v3", "/m3", "/l3", "/ncorvane", "/a05", "/Acorvane-auth", "/p4", "/Pcorvane-priv"},
         {}},
        {"another SNMPv3 user",
         {"/v3", "/nalice", "/Asecret-phrase", "/a2", "/p2", "/Pother-phrase"},
         {"/nalice", "/A (", "/a2", "/p2", "/P ("}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList conflicts = DemoSwitchConflicts(c.args);
        const QString all = conflicts.join('\n');
        if (c.refused.empty()) {
            EXPECT_TRUE(conflicts.isEmpty()) << all.toStdString();
        }
        EXPECT_EQ(static_cast<size_t>(conflicts.size()), c.refused.size()) << all.toStdString();
        for (const auto& r : c.refused)
            EXPECT_TRUE(all.contains(QString::fromStdString(r)))
                << r << " not in " << all.toStdString();
        // Communities and pass phrases are never repeated back.
        for (const char* secret : {"public", "private", "secret-phrase", "other-phrase"})
            EXPECT_FALSE(all.contains(secret)) << all.toStdString();
    }
}

TEST(DemoSwitches, RefusalGoesThroughTheMessageFunction) {
    std::vector<MessageRequest> shown;
    MessageHandler old = SetMessageHandler([&](const MessageRequest& r) {
        shown.push_back(r);
        return true;
    });
    EXPECT_FALSE(RefuseDemoSwitches({"/v1", "/I127.0.0.1"}));
    EXPECT_TRUE(shown.empty());

    EXPECT_TRUE(RefuseDemoSwitches({"/v1", "/I192.0.2.77"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(shown[0].text.contains("--demo")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("/I192.0.2.77")) << shown[0].text.toStdString();
    SetMessageHandler(old);
}

}  // namespace
