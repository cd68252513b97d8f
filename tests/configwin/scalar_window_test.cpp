// Scalar windows: the single-field "Set", check boxes gating "Set Checked", empty ticked
// fields, and the typing check of numbers.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest/QTest>

#include "config_form_fixture.h"

using namespace configwin_test;

namespace {

const SNMPVarDescriptor kOneSettable[] = {
    {"1.3.6.1.4.1.32473.99.3.1", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.2", "Up Time", synTimeTicks, vfRead},
    {nullptr}};
const SNMPVarDescriptor kThreeSettable[] = {
    {"1.3.6.1.4.1.32473.99.3.3", "Location", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.4", "Mode", synInteger, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.5", "Gateway", synIpAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.2", "Up Time", synTimeTicks, vfRead},
    {nullptr}};

QLineEdit* edit(TSNMPEditorPanel* panel, int row) {
    return qobject_cast<QLineEdit*>(
        panel->Editor->Rows[static_cast<std::size_t>(row)].ValueControl);
}

}  // namespace

using ConfigFormScalar = ConfigFormTest;

TEST_F(ConfigFormScalar, OneSettableFieldShowsSetWithoutCheckBoxesAndWritesIt) {
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kOneSettable, vlScalar));
    showAndRead(form);
    EXPECT_EQ(edit(panel, 0)->text(), "sw1");
    EXPECT_EQ(shownButtons(panel->Buttons),
              QStringList({"BT_Refresh", "BT_SetChecked", "BT_Close"}));
    QPushButton* set = panel->Buttons->BT_SetChecked;
    EXPECT_EQ(set->text(), "Set");
    EXPECT_TRUE(set->isEnabled());
    for (const UISnmpVar& row : panel->Editor->Rows)
        EXPECT_FALSE(row.CheckBox->isVisible());

    const std::size_t before = pdus().size();
    edit(panel, 0)->setText("core-7");
    set->click();
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.1.0=4:core-7"}));
    EXPECT_TRUE(panel->StatusBar()->currentMessage().startsWith("Set: Ok."));
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConfigFormScalar, CheckBoxesGateSetCheckedAndOnlyTickedFieldsAreWritten) {
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kThreeSettable, vlScalar));
    showAndRead(form);
    TCtrlBtnPanel* b = panel->Buttons;
    EXPECT_EQ(shownButtons(b), QStringList({"BT_Refresh", "BT_SetChecked", "BT_CheckAll",
                                            "BT_ClearChecks", "BT_Close"}));
    const auto& rows = panel->Editor->Rows;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rows[static_cast<std::size_t>(i)].CheckBox->isVisible(), i < 3) << i;
    EXPECT_FALSE(b->BT_SetChecked->isEnabled());

    QTest::mouseClick(rows[1].CheckBox, Qt::LeftButton);
    EXPECT_TRUE(b->BT_SetChecked->isEnabled());
    b->BT_CheckAll->click();
    EXPECT_TRUE(rows[0].CheckBox->isChecked() && rows[1].CheckBox->isChecked() &&
                rows[2].CheckBox->isChecked());
    EXPECT_FALSE(rows[3].CheckBox->isChecked());
    EXPECT_TRUE(b->BT_SetChecked->isEnabled());
    b->BT_ClearChecks->click();
    EXPECT_EQ(panel->Editor->CheckedCount(), 0);
    EXPECT_FALSE(b->BT_SetChecked->isEnabled());

    // A ticked empty field stops the set; an empty field that is not ticked does not matter.
    std::size_t before = pdus().size();
    edit(panel, 0)->clear();
    QTest::mouseClick(rows[0].CheckBox, Qt::LeftButton);
    b->BT_SetChecked->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Some items are empty!");
    EXPECT_EQ(shown[0].kind, MessageKind::Warning);
    EXPECT_TRUE(setsSince(before).empty());

    QTest::mouseClick(rows[0].CheckBox, Qt::LeftButton);
    QTest::mouseClick(rows[1].CheckBox, Qt::LeftButton);
    edit(panel, 1)->clear();
    QTest::keyClicks(edit(panel, 1), "4x2");  // a letter in a number is refused as typed
    EXPECT_EQ(edit(panel, 1)->text(), "42");
    before = pdus().size();
    b->BT_SetChecked->click();
    EXPECT_EQ(setsSince(before), std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.4.0=2:42"}));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ConfigFormScalar, FieldsCheckWhatIsTypedByTheirSyntax) {
    struct Case {
        int row;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {1, "12ab", "12"},    // INTEGER
        {1, "-5", "-5"},      //
        {1, "x", ""},         //
        {0, "12ab", "12ab"},  // text
    };
    TConfigForm form;
    auto* panel = form.AddEditorPanel(bind(&form, kThreeSettable, vlScalar));
    showAndRead(form);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        QLineEdit* e = edit(panel, c.row);
        e->clear();
        QTest::keyClicks(e, c.typed);
        EXPECT_EQ(e->text().toStdString(), c.kept);
    }
}
