// What the user types reaches the switch exactly or not at all, and every refusal is seen: the
// PDUs corvane-sim received for each typed text, and what the window shows.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "config_form_fixture.h"

using namespace configwin_test;

namespace {

constexpr const char* kOid = "1.3.6.1.4.1.32473.99.";
// Rows of the address table: a local route of unknown type (a zero-length address), IPv4, and
// a zoned IPv6 address.
const char* const kLocalRow = "0.0";
const char* const kIpv4Row = "1.4.10.0.0.1";
const char* const kZonedRow = "4.20.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.0.0.5";

std::string typedProfile() {
    std::string p = std::string(kOid) + "7.1.0|2|7\n";
    p += std::string(kOid) + "7.2.0|64|10.1.2.3\n";
    p += std::string(kOid) + "7.3.0|4x|0a000001\n";
    p += std::string(kOid) + "7.4.0|4x|001a2b3c4d5e\n";
    p += std::string(kOid) + "7.5.0|67|100\n";
    int metric = 10;
    for (const char* row : {kLocalRow, kIpv4Row, kZonedRow})
        p += std::string(kOid) + "8.1.3." + row + "|2|" + std::to_string(metric += 10) + "\n";
    for (const char* row : {kLocalRow, kIpv4Row, kZonedRow})
        p += std::string(kOid) + "8.1.4." + row + "|2|1\n";
    p += std::string(kOid) + "9.1.2.1|4|first\n";
    p += std::string(kOid) + "9.1.2.2|4|second\n";
    p += std::string(kOid) + "9.1.3.1|2|1\n";
    p += std::string(kOid) + "9.1.3.2|2|1\n";
    return p;
}

// The status column of .99.9.1 has no rule: the agent refuses every write to it.
std::string typedRules() {
    std::string r;
    for (const char* rule : {"7.1 rw type=2", "7.2 rw type=64", "7.3 rw type=4",
                             "7.4 rw type=4 size=6", "8.1.3 rw type=2", "8.1.4 rowstatus"})
        r += std::string(kOid) + rule + "\n";
    return r;
}

const OptionEntry kInetTypeWords[] = {{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"},
                                      {4, "ipv6z"},   {16, "dns"}, {0, nullptr}};
const NmOptionList kInetTypes(kInetTypeWords);

const SNMPVarDescriptor kScalars[] = {
    {"1.3.6.1.4.1.32473.99.7.2", "Gateway", synIpAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.7.3", "Server", synInetAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.7.4", "Station", synMacAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.7.1", "Retries", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.7.5", "Up Time", synTimeTicks, vfRead},
    {nullptr}};
const SNMPVarDescriptor kOneInteger[] = {
    {"1.3.6.1.4.1.32473.99.7.1", "Retries", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.7.5", "Up Time", synTimeTicks, vfRead},
    {nullptr}};
const SNMPVarDescriptor kRoutes[] = {
    {"1.3.6.1.4.1.32473.99.8.1.1", "Type", synInteger, vfIndex, &kInetTypes},
    {"1.3.6.1.4.1.32473.99.8.1.2", "Address", synInetAddress, vfIndex},
    {"1.3.6.1.4.1.32473.99.8.1.3", "Metric", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.8.1.4", "Status", synInteger, vfRead | vfWrite, &kRowStatus},
    {nullptr}};
constexpr int kRouteStatus = 3;
const SNMPVarDescriptor kLocked[] = {
    {"1.3.6.1.4.1.32473.99.9.1.1", "Index", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.9.1.2", "Name", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.99.9.1.3", "Status", synInteger, vfRead | vfWrite, &kRowStatus},
    {nullptr}};

QLineEdit* lineEdit(TEditsPanel* editor, int row) {
    return qobject_cast<QLineEdit*>(editor->Rows[static_cast<std::size_t>(row)].ValueControl);
}

}  // namespace

class TypedValues : public ConfigFormTest {
  protected:
    void SetUp() override {
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r.kind, r.text});
            return confirmAnswer;
        });
        const auto dir = dataDir();
        std::ofstream(dir / "typed.snmprec") << typedProfile();
        std::ofstream(dir / "typed.rules") << typedRules();
        log_ = dir / ("typed-pdus-" + std::to_string(++agents_) + ".log");
        agent_ = std::make_unique<corvane::test::SimProcess>(
            (dir / "typed.snmprec").string(),
            std::vector<std::string>{"--rules", (dir / "typed.rules").string(), "--log-pdus",
                                     log_.string()});
        ASSERT_TRUE(agent_->ready());
    }

    TSNMPListViewPanel* openTable(TConfigForm& form, const SNMPVarDescriptor* table, int indexCount,
                                  int status) {
        form.setWindowTitle("Table: 127.0.0.1");
        auto* panel = form.AddListViewPanel(bind(&form, table, vlTableRows, indexCount), status,
                                            "createAndGo", status, "destroy");
        showAndRead(form);
        return panel;
    }
    static void select(TSNMPListViewPanel* panel, int row) {
        QTreeWidget* view = panel->List->ListView;
        const QRect r = view->visualItemRect(view->topLevelItem(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    // The requests since `from` that are no set: a read started after a write.
    std::vector<std::string> readsSince(std::size_t from) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            if (all[i].rfind("set ", 0) != 0)
                out.push_back(all[i]);
        return out;
    }
    static QString status(TSNMPPanel* panel) { return panel->StatusBar()->currentMessage(); }
    // The texts of the message boxes shown, "|" between them.
    std::string shownTexts() const {
        QStringList texts;
        for (const Shown& s : shown)
            texts << s.text;
        return texts.join('|').toStdString();
    }
};

// Fields of a scalar window: the typed text, what goes on the wire, what the user sees.
TEST_F(TypedValues, ScalarFieldsSendWhatWasTypedOrNothing) {
    struct Case {
        int row;
        const char* typed;
        const char* sent;     // the set's variable, or null for nothing sent
        const char* message;  // the refusal shown, or null
    };
    const Case cases[] = {
        {0, "192.0.2.7", "7.2.0=64:192.0.2.7", nullptr},
        {0, "300.1.1.1", nullptr, " Please enter a valid IP address!"},
        {0, "1.2.3", nullptr, " Please enter a valid IP address!"},
        {0, "", nullptr, " Please enter a valid IP address!"},
        {1, "192.0.2.8", "7.3.0=4x:c0000208", nullptr},
        {1, "FE800000000000000000000000000001", "7.3.0=4x:fe800000000000000000000000000001",
         nullptr},
        {1, "", nullptr, "Some items are empty!"},
        {1, "300.1.1.1", nullptr, " Please enter a valid IP address!"},
        {1, "1.2.3.4.5", nullptr, " Please enter a valid IP address!"},
        {1, "-1.0.0.1", nullptr, " Please enter a valid IP address!"},
        {1, "abc", nullptr, " Please enter a valid IP address!"},
        {2, "00:1A:2B:3C:4D:5F", "7.4.0=4x:001a2b3c4d5f", nullptr},
        {2, "00-1a-2b-3c-4d-60", "7.4.0=4x:001a2b3c4d60", nullptr},
        {2, "00:1A:2B:3C:4D:5G", nullptr,
         "Bad value of the associated SNMP variable's (partial) data!"},
        {3, "", nullptr, " Empty value is not allowed!"},
        {3, "-3", "7.1.0=2:-3", nullptr},
    };
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kScalars, vlScalar));
    showAndRead(form);
    TEditsPanel* editor = panel->Editor;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("row ") + std::to_string(c.row) + " typed '" + c.typed + "'");
        shown.clear();
        editor->ClearChecksClick();
        lineEdit(editor, c.row)->setText(c.typed);
        editor->Rows[static_cast<std::size_t>(c.row)].CheckBox->setChecked(true);
        editor->CheckBoxClick();
        const std::size_t before = pdus().size();
        panel->Buttons->BT_SetChecked->click();
        if (c.sent) {
            EXPECT_EQ(setsSince(before),
                      std::vector<std::string>({"set " + std::string(kOid) + c.sent}));
            EXPECT_TRUE(shown.empty()) << shownTexts();
            EXPECT_TRUE(status(panel).startsWith("Set: Ok."));
            continue;
        }
        EXPECT_TRUE(setsSince(before).empty());
        EXPECT_EQ(shownTexts(), c.message);
        if (std::string(c.message) != "Some items are empty!") {
            EXPECT_TRUE(status(panel).startsWith(QString("Set: ") + c.message))
                << status(panel).toStdString();
        }
        EXPECT_EQ(lineEdit(editor, c.row)->text(), c.typed);  // kept for mending
    }
}

TEST_F(TypedValues, EmptiedNumberInASingleFieldWindowIsNotSentAsZero) {
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kOneInteger, vlScalar));
    showAndRead(form);
    ASSERT_EQ(panel->Buttons->BT_SetChecked->text(), "Set");
    lineEdit(panel->Editor, 0)->clear();
    const std::size_t before = pdus().size();
    panel->Buttons->BT_SetChecked->click();
    EXPECT_TRUE(setsSince(before).empty());
    EXPECT_EQ(shownTexts(), " Empty value is not allowed!");
}

// Enter in a field checks the field and presses no button: "Refresh" would read the group
// again and throw the typed values away.
TEST_F(TypedValues, EnterInAFieldOnlyChecksIt) {
    struct Case {
        int row;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {0, "192.0.2.99", nullptr},
        {0, "192.0.2.300", "Please input a valid IP."},
        {1, "1.2.3.4.5", " Please enter a valid IP address!"},
        {3, "12", nullptr},
    };
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kScalars, vlScalar));
    showAndRead(form);
    for (QPushButton* b : form.findChildren<QPushButton*>())
        EXPECT_FALSE(b->isDefault() || b->autoDefault()) << b->objectName().toStdString();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        shown.clear();
        QLineEdit* e = lineEdit(panel->Editor, c.row);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, c.typed);
        const std::size_t before = pdus().size();
        const QString statusBefore = status(panel);
        QTest::keyClick(e, Qt::Key_Return);
        QTest::qWait(100);
        EXPECT_TRUE(readsSince(before).empty());
        EXPECT_EQ(status(panel), statusBefore);
        if (c.message) {
            EXPECT_EQ(shownTexts(), c.message);
            continue;
        }
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(e->text(), c.typed);
    }
}

// Rows whose index is a zero-length address (a local route) or a zoned IPv6 address are
// written and deleted at their own instance.
TEST_F(TypedValues, RowsAreWrittenAtTheInstanceTheyWereReadFrom) {
    const struct {
        const char* instance;
        const char* type;
        const char* address;
    } rows[] = {{kLocalRow, "unknown", ""},
                {kIpv4Row, "ipv4", "10.0.0.1"},
                {kZonedRow, "ipv6z", "FE800000000000000000000000000001%5"}};
    TConfigForm form;
    auto* panel = openTable(form, kRoutes, 2, kRouteStatus);
    QTreeWidget* view = panel->List->ListView;
    ASSERT_EQ(view->topLevelItemCount(), 3);
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(rows[r].instance);
        EXPECT_EQ(view->topLevelItem(r)->text(0), rows[r].type);
        EXPECT_EQ(view->topLevelItem(r)->text(1), rows[r].address);
        select(panel, r);
        const std::size_t before = pdus().size();
        onNextDialog([&](QDialog* dialog) {
            lineEdit(panel->Editor, 2)->setText(QString::number(100 + r));
            dialog->findChild<TSNMPPanel*>()->Buttons->BT_SetChecked->click();
        });
        panel->Buttons->BT_Edit->click();
        EXPECT_EQ(setsSince(before),
                  std::vector<std::string>({"set " + std::string(kOid) + "8.1.3." +
                                            rows[r].instance + "=2:" + std::to_string(100 + r)}));
        (void)QTest::qWaitFor([panel] { return !panel->Binding->Busy; });
    }
    for (int r = 2; r >= 0; --r) {
        SCOPED_TRACE(rows[r].instance);
        select(panel, r);
        const std::size_t before = pdus().size();
        panel->Buttons->BT_Delete->click();
        EXPECT_EQ(setsSince(before),
                  std::vector<std::string>(
                      {"set " + std::string(kOid) + "8.1.4." + rows[r].instance + "=2:6"}));
        (void)QTest::qWaitFor([panel] { return !panel->Binding->Busy; });
        EXPECT_EQ(view->topLevelItemCount(), r);
    }
    EXPECT_EQ(shownTexts(),
              "Are you sure to delete it?|Are you sure to delete it?|"
              "Are you sure to delete it?");
}

// A write refused before sending, or by the agent, keeps the Add dialog open with what was
// typed and shows why; no read afterwards covers the message in the status line.
TEST_F(TypedValues, FailedAddKeepsTheDialogAndItsMessage) {
    struct Case {
        const char* type;
        const char* address;
        const char* sent;     // the set, or null for nothing sent
        bool written;         // the agent took it: the dialog closes, the table is read again
        const char* message;  // the text shown, or null
    };
    const Case cases[] = {
        {"ipv4", "300.1.1.1", nullptr, false, " Please enter a valid IP address!"},
        {"unknown", "", "8.1.3.0.0=2:5 1.3.6.1.4.1.32473.99.8.1.4.0.0=2:4", false,
         "(SNMP) Cannot create/set variable, Inconsistent Value!"},
        {"ipv4", "10.0.0.1", "8.1.3.1.4.10.0.0.1=2:5 1.3.6.1.4.1.32473.99.8.1.4.1.4.10.0.0.1=2:4",
         false, "(SNMP) Cannot create/set variable, Inconsistent Value!"},
        {"ipv4", "192.0.2.9",
         "8.1.3.1.4.192.0.2.9=2:5 1.3.6.1.4.1.32473.99.8.1.4.1.4.192.0.2.9=2:4", true, nullptr},
    };
    TConfigForm form;
    auto* panel = openTable(form, kRoutes, 2, kRouteStatus);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.address);
        shown.clear();
        const std::size_t before = pdus().size();
        bool stayedOpen = false;
        QString keptAddress, keptMetric;
        onNextDialog([&](QDialog* dialog) {
            TEditsPanel* editor = panel->Editor;
            auto* type = qobject_cast<QComboBox*>(editor->Rows[0].ValueControl);
            type->setCurrentIndex(type->findText(c.type));
            lineEdit(editor, 1)->setText(c.address);
            lineEdit(editor, 2)->setText("5");
            editor->Rows[2].CheckBox->setChecked(true);
            dialog->findChild<TSNMPPanel*>()->Buttons->BT_SetChecked->click();
            stayedOpen = dialog->isVisible();
            keptAddress = lineEdit(editor, 1)->text();
            keptMetric = lineEdit(editor, 2)->text();
            dialog->reject();
        });
        panel->Buttons->BT_Add->click();
        QTest::qWait(200);  // a read after the dialog would have started by now
        (void)QTest::qWaitFor([panel] { return !panel->Binding->Busy; });
        EXPECT_EQ(setsSince(before),
                  c.sent ? std::vector<std::string>({"set " + std::string(kOid) + c.sent})
                         : std::vector<std::string>());
        EXPECT_EQ(stayedOpen, !c.written);
        EXPECT_EQ(readsSince(before).empty(), !c.written);
        if (c.written) {
            EXPECT_TRUE(shown.empty());
            EXPECT_EQ(panel->List->ListView->topLevelItemCount(), 4);
            continue;
        }
        EXPECT_EQ(keptAddress, c.address);
        EXPECT_EQ(keptMetric, "5");
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        if (!c.sent) {  // refused here: the status line says so, and nothing reads over it
            EXPECT_TRUE(status(panel).startsWith(QString("Set: ") + c.message))
                << status(panel).toStdString();
        }
    }
}

// A delete the agent refuses is shown in a message box, and no read covers it.
TEST_F(TypedValues, FailedDeleteIsShownAndNotReadOver) {
    TConfigForm form;
    auto* panel = openTable(form, kLocked, 1, 2);
    select(panel, 1);
    const QString statusBefore = status(panel);
    const std::size_t before = pdus().size();
    panel->Buttons->BT_Delete->click();
    QTest::qWait(200);
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>({"set " + std::string(kOid) + "9.1.3.2=2:6"}));
    EXPECT_TRUE(readsSince(before).empty());
    EXPECT_EQ(shownTexts(),
              "Are you sure to delete it?|(SNMP) Cannot create/set variable, Not Writable!");
    EXPECT_EQ(shown.back().kind, MessageKind::Error);
    EXPECT_EQ(status(panel), statusBefore);
    EXPECT_EQ(panel->List->ListView->topLevelItemCount(), 2);
}
