// Table windows: the Add dialog, the row-status words in the Edit dialog, and Delete.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "config_form_fixture.h"

using namespace configwin_test;

namespace {

const OptionEntry kCreateDestroyWords[] = {{4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const NmOptionList kCreateDestroy(kCreateDestroyWords);
const SNMPVarDescriptor kBareStatusTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Slot", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Port", synInteger, vfIndex},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Status", synInteger, vfRead | vfWrite, &kCreateDestroy},
    {nullptr}};

QStringList lines(const QTreeWidget* view) {
    QStringList out;
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < view->columnCount(); ++c)
            cells << view->topLevelItem(r)->text(c);
        out << cells.join('|');
    }
    return out;
}

QStringList choices(const QWidget* control) {
    QStringList out;
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
    return out;
}

TSNMPPanel* dialogPanel(QDialog* dialog) {
    return dialog->findChild<TSNMPPanel*>();
}

}  // namespace

class ConfigFormTable : public ConfigFormTest {
  protected:
    TSNMPListViewPanel* open(TConfigForm& form, const SNMPVarDescriptor* table = kPortTable) {
        form.setWindowTitle("Ports: 127.0.0.1");
        auto* panel = form.AddListViewPanel(bind(&form, table, vlTableRows, 2), kPortStatus,
                                            "createAndGo", kPortStatus, "destroy");
        showAndRead(form);
        return panel;
    }
    void select(TSNMPListViewPanel* panel, int row) {
        QTreeWidget* view = panel->List->ListView;
        const QRect r = view->visualItemRect(view->topLevelItem(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }
    void waitRead(TSNMPListViewPanel* panel) {
        (void)QTest::qWaitFor([panel] { return !panel->Binding->Busy; });
    }
};

TEST_F(ConfigFormTable, AddWritesTheTypedIndexWithCreateAndGoThenReadsAgain) {
    TConfigForm form;
    auto* panel = open(form);
    EXPECT_EQ(panel->Buttons->CountBox->text(), "3");
    EXPECT_EQ(lines(panel->List->ListView),
              QStringList({"1|1|uplink|active", "1|2|server|active", "2|1|backup|notInService"}));

    const std::size_t before = pdus().size();
    QString caption;
    bool indexFieldsOpen = false, indexBoxesLocked = false, statusShown = true;
    onNextDialog([&](QDialog* dialog) {
        caption = dialog->windowTitle();
        auto& rows = panel->Editor->Rows;
        indexFieldsOpen = indexBoxesLocked = true;
        for (int i = 0; i < 2; ++i) {
            auto* e = qobject_cast<QLineEdit*>(rows[static_cast<std::size_t>(i)].ValueControl);
            QCheckBox* box = rows[static_cast<std::size_t>(i)].CheckBox;
            indexFieldsOpen = indexFieldsOpen && e->isVisible() && !e->isReadOnly();
            indexBoxesLocked =
                indexBoxesLocked && box->isVisible() && box->isChecked() && !box->isEnabled();
        }
        statusShown = rows[kPortStatus].ValueControl->isVisible() ||
                      rows[kPortStatus].CaptionLabel->isVisible();
        QTest::keyClicks(qobject_cast<QLineEdit*>(rows[0].ValueControl), "3");
        QTest::keyClicks(qobject_cast<QLineEdit*>(rows[1].ValueControl), "4");
        QTest::keyClicks(qobject_cast<QLineEdit*>(rows[2].ValueControl), "lab");
        QTest::mouseClick(rows[2].CheckBox, Qt::LeftButton);
        dialogPanel(dialog)->Buttons->BT_SetChecked->click();
    });
    panel->Buttons->BT_Add->click();

    EXPECT_EQ(caption, "Ports: 127.0.0.1 (Add)");
    EXPECT_TRUE(indexFieldsOpen);
    EXPECT_TRUE(indexBoxesLocked);
    EXPECT_FALSE(statusShown);
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.2.1.3.3.4=4:lab "
                                        "1.3.6.1.4.1.32473.99.2.1.4.3.4=2:4"}));
    waitRead(panel);
    EXPECT_TRUE(lines(panel->List->ListView).contains("3|4|lab|active"));
    EXPECT_EQ(panel->Buttons->CountBox->text(), "4");
    EXPECT_FALSE(panel->Editor->isVisible());
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConfigFormTable, EditDialogOffersNeitherRowStatusWordAndPutsThemBack) {
    struct Case {
        const char* name;
        const SNMPVarDescriptor* table;
        bool keep;
        bool statusRowShown;
        QStringList offered;
    };
    const Case cases[] = {
        {"all words", kPortTable, false, false, {}},
        {"all words, kept",
         kPortTable,
         true,
         true,
         {"active", "notInService", "notReady", "createAndWait"}},
        {"only the two words, kept", kBareStatusTable, true, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        auto* panel = open(form, c.table);
        if (c.keep)
            panel->KeepStatusInEdit(kPortStatus);
        QWidget* status = panel->Editor->Rows[kPortStatus].ValueControl;
        const QStringList before = choices(status);
        select(panel, 1);
        ASSERT_TRUE(panel->Buttons->BT_Edit->isEnabled());
        bool statusRowShown = !c.statusRowShown;
        QStringList offered;
        QString caption, name;
        onNextDialog([&](QDialog* dialog) {
            caption = dialog->windowTitle();
            statusRowShown = status->isVisible();
            offered = choices(status);
            name = qobject_cast<QLineEdit*>(panel->Editor->Rows[2].ValueControl)->text();
            dialog->close();
        });
        panel->Buttons->BT_Edit->click();
        EXPECT_EQ(caption, "Ports: 127.0.0.1 (Edit)");
        EXPECT_EQ(name, "server");
        EXPECT_EQ(statusRowShown, c.statusRowShown);
        if (c.statusRowShown) {
            EXPECT_EQ(offered, c.offered);
        }
        EXPECT_EQ(choices(status), before);
        waitRead(panel);
    }
}

TEST_F(ConfigFormTable, EditWritesTheSelectedRow) {
    TConfigForm form;
    auto* panel = open(form);
    select(panel, 2);
    const std::size_t before = pdus().size();
    QString setText;
    bool boxShown = true;
    onNextDialog([&](QDialog* dialog) {
        auto* name = qobject_cast<QLineEdit*>(panel->Editor->Rows[2].ValueControl);
        name->setText("spare");
        boxShown = panel->Editor->Rows[2].CheckBox->isVisible();
        QPushButton* set = dialogPanel(dialog)->Buttons->BT_SetChecked;
        setText = set->text();
        set->click();
    });
    panel->Buttons->BT_Edit->click();
    // One settable column: "Set" without check boxes. The hidden status goes along
    // unless it is "active".
    EXPECT_EQ(setText, "Set");
    EXPECT_FALSE(boxShown);
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.2.1.3.2.1=4:spare "
                                        "1.3.6.1.4.1.32473.99.2.1.4.2.1=2:2"}));
    waitRead(panel);
    EXPECT_TRUE(lines(panel->List->ListView).contains("2|1|spare|notInService"));
}

TEST_F(ConfigFormTable, DeleteSendsOnlyTheRowStatusOfTheSelectedRow) {
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        TConfigForm form;
        auto* panel = open(form);
        select(panel, 1);
        ASSERT_TRUE(panel->Buttons->BT_Delete->isEnabled());
        confirmAnswer = ok;
        shown.clear();
        const std::size_t before = pdus().size();
        panel->Buttons->BT_Delete->click();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Are you sure to delete it?");
        EXPECT_EQ(shown[0].kind, MessageKind::Confirmation);
        waitRead(panel);
        if (!ok) {
            EXPECT_TRUE(setsSince(before).empty());
            continue;
        }
        EXPECT_EQ(setsSince(before),
                  std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.2.1.4.1.2=2:6"}));
        EXPECT_EQ(lines(panel->List->ListView),
                  QStringList({"1|1|uplink|active", "2|1|backup|notInService"}));
        EXPECT_FALSE(panel->Buttons->BT_Delete->isEnabled());
    }
}
