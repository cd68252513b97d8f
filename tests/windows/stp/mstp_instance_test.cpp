// The MSTP instance window against corvane-sim: VLAN maps shown and written as VLAN lists,
// lists the fields refuse (nothing on the wire), only the checked columns written, rows made
// and destroyed through the row status.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "mstp_new_request_edits.h"
#include "stp_fixture.h"
#include "tmstp_vlan_unit_form.h"
#include "vlan_list.h"

namespace stp_test {
namespace {

std::string zeros(std::size_t digits) {
    return std::string(digits, '0');
}

class MstpInstances : public StpWindowTest {
  protected:
    std::unique_ptr<TMSTPVLANUnitForm> open() {
        auto window = std::make_unique<TMSTPVLANUnitForm>(context("TMSTPVLANUnitForm"));
        window->show();
        waitReady(*window);
        return window;
    }
    static void waitReady(const TMSTPVLANUnitForm& window) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return window.Ready() && !window.Binding->Busy; }, 15000));
    }
    static QTreeWidgetItem* row(const TMSTPVLANUnitForm& window, int instance) {
        for (int i = 0; i < window.ListView1->topLevelItemCount(); ++i)
            if (window.ListView1->topLevelItem(i)->text(0) == QString::number(instance))
                return window.ListView1->topLevelItem(i);
        return nullptr;
    }
    // The VLAN list a row shows in range field k.
    static std::string listOf(const TMSTPVLANUnitForm& window, int instance, int field) {
        QTreeWidgetItem* item = row(window, instance);
        return item ? item->text(field).toStdString() : "(no row)";
    }
    static void select(TMSTPVLANUnitForm& window, int instance) {
        QTreeWidgetItem* item = row(window, instance);
        ASSERT_NE(item, nullptr) << "instance " << instance;
        window.ListView1->setCurrentItem(item);
    }
    static void typeRange(TMSTPVLANUnitForm& window, int field, const std::string& list,
                          bool checked = true) {
        window.cbxVlanRange[static_cast<std::size_t>(field - 1)]->setChecked(checked);
        window.VLANRangeEdit[static_cast<std::size_t>(field - 1)]->setText(
            QString::fromStdString(list));
    }
    static std::string column(int c, int instance) {
        return kInstanceEntry + "." + std::to_string(c) + "." + std::to_string(instance);
    }
};

TEST_F(MstpInstances, TheListShowsVlanLists) {
    startAgent("corvane-b");
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "STP Instance Control Table: 127.0.0.1");
    EXPECT_EQ(window->StaticText1->text(), "4");
    EXPECT_TRUE(statusOf(window->StatusBar).startsWith("Get: Ok."));
    struct Case {
        int instance;
        int field;
        std::string list;
    };
    const Case cases[] = {
        {1, 1, "10-12,20"},  {1, 2, "0"},         {2, 1, "30,100-199"}, {2, 2, "600-610"},
        {3, 2, "1000-1024"}, {3, 3, "1025-1099"}, {3, 5, "2049"},       {3, 8, "4000-4094"},
        {3, 1, "0"},         {0, 5, "2050-2560"}, {0, 8, "3585-3999"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listOf(*window, c.instance, c.field), c.list)
            << "instance " << c.instance << " field " << c.field;
    // Selecting a row puts its lists into the edits and leaves the status fields read-only.
    select(*window, 2);
    EXPECT_EQ(window->VIDEdit->text(), "2");
    EXPECT_EQ(window->VLANRangeEdit[0]->text(), "30,100-199");
    EXPECT_EQ(window->VLANRangeEdit[1]->text(), "600-610");
    EXPECT_EQ(window->TypeComboBox->currentText(), "msti");
    EXPECT_FALSE(window->Edit[0]->isEnabled());
    EXPECT_FALSE(window->TypeComboBox->isEnabled());
    EXPECT_TRUE(window->BT_Edit->isEnabled());
    EXPECT_TRUE(window->BT_Delete->isEnabled());
    EXPECT_FALSE(window->BT_Add->isEnabled());
    window->ListView1->clearSelection();
    EXPECT_FALSE(window->BT_Edit->isEnabled());
    EXPECT_TRUE(window->BT_Add->isEnabled());
    EXPECT_TRUE(window->VLANRangeEdit[0]->text().isEmpty());
    window->close();
}

// A typed list reaches the switch as its bit map, and reads back as the same list.
TEST_F(MstpInstances, VlanListsAreWrittenAndReadBack) {
    struct Case {
        int instance;
        int field;
        std::string typed;
        std::string map;  // as the PDU log shows it
        std::string shown;
    };
    const Case cases[] = {
        {5, 1, "1-3,5,7-8", "eb" + zeros(126), "1-3,5,7-8"},
        {6, 2, "513-515,517,519-520", "eb" + zeros(126), "513-515,517,519-520"},
        {7, 1, "10-12,20", "007010" + zeros(122), "10-12,20"},
        {8, 8, "4094", zeros(126) + "04", "4094"},
        {9, 1, "", zeros(128), "0"},  // an empty list clears the field
    };
    startAgent("corvane-b");
    auto window = open();
    for (const Case& c : cases) {
        SCOPED_TRACE("instance " + std::to_string(c.instance));
        window->VIDEdit->setText(QString::number(c.instance));
        typeRange(*window, c.field, c.typed);
        const std::size_t before = pduCount();
        window->BT_Add->click();
        waitReady(*window);
        EXPECT_EQ(setsSince(before),
                  std::vector<std::string>{column(c.field + 1, c.instance) + "=4x:" + c.map + " " +
                                           column(24, c.instance) + "=2:4"});
        EXPECT_EQ(listOf(*window, c.instance, c.field), c.shown);
        for (int other = 1; other <= kRangeCount; ++other) {
            if (other != c.field) {
                EXPECT_EQ(listOf(*window, c.instance, other), "0") << "field " << other;
            }
        }
        EXPECT_TRUE(window->VIDEdit->text().isEmpty());
        EXPECT_FALSE(window->cbxVlanRange[static_cast<std::size_t>(c.field - 1)]->isChecked());
    }
    EXPECT_TRUE(shown.empty()) << shown.front().text.toStdString();
    window->close();
}

// A list a field cannot take is refused whole, named in the status bar, and nothing of the
// row goes to the switch.
TEST_F(MstpInstances, ListsTheFieldsCannotTakeAreRefused) {
    struct Case {
        int field;
        std::string typed;
        std::string says;
    };
    const Case cases[] = {
        {1, "600", "\"1-512\" takes the VLANs 1 to 512 only, not 600"},
        {2, "1-5", "\"513-1024\" takes the VLANs 513 to 1024 only, not 1"},
        {1, "12-10", "\"1-512\" holds the range 12-10, which runs backwards"},
        {1, "0", "\"1-512\" takes the VLANs 1 to 512 only, not 0"},
        {3, "1100,x", "\"1025-1536\" cannot be read: \"x\" is not a VLAN number"},
        {1, std::string(1024, '1') + "," + std::string(1023, '2'),
         "\"1-512\" is longer than 2047 characters"},
    };
    startAgent("corvane-b");
    auto window = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 20));
        window->VIDEdit->setText("12");
        // A good list in another checked field goes no more than the bad one.
        typeRange(*window, c.field == 4 ? 5 : 4, "1600");
        typeRange(*window, c.field, c.typed);
        const std::size_t before = pduCount();
        window->BT_Add->click();
        EXPECT_EQ(pduCount(), before);
        EXPECT_TRUE(statusOf(window->StatusBar).contains(QString::fromStdString(c.says)))
            << statusOf(window->StatusBar).toStdString();
        EXPECT_TRUE(statusOf(window->StatusBar).endsWith("nothing was written."));
        EXPECT_TRUE(window->Ready());
        // What was typed stays for the user to mend.
        EXPECT_EQ(window->VIDEdit->text(), "12");
        window->ClearChecks();
    }
    // "Edit" refuses the same way.
    select(*window, 1);
    typeRange(*window, 1, "10-12,2O");
    const std::size_t before = pduCount();
    window->BT_Edit->click();
    EXPECT_EQ(pduCount(), before);
    EXPECT_TRUE(statusOf(window->StatusBar).contains("\"1-512\" cannot be read: \"2O\""));
    EXPECT_TRUE(window->Ready());
    EXPECT_TRUE(shown.empty());
    // No instance 12 was made.
    window->RefreshClick();
    waitReady(*window);
    EXPECT_EQ(row(*window, 12), nullptr);
    window->close();
}

// An unchecked field keeps the switch's value even when its edit was changed; "Edit" writes
// the checked columns of the existing row without its row status.
TEST_F(MstpInstances, OnlyCheckedRangeFieldsAreWritten) {
    startAgent("corvane-b");
    auto window = open();
    select(*window, 1);
    typeRange(*window, 1, "1-5", false);
    typeRange(*window, 2, "1000-1002");
    const std::size_t before = pduCount();
    window->BT_Edit->click();
    waitReady(*window);
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>{column(3, 1) + "=4x:" + zeros(120) + "01c0" + zeros(4)});
    EXPECT_EQ(listOf(*window, 1, 1), "10-12,20");
    EXPECT_EQ(listOf(*window, 1, 2), "1000-1002");
    EXPECT_FALSE(window->BT_Edit->isEnabled());
    EXPECT_TRUE(window->BT_Add->isEnabled());
    EXPECT_TRUE(shown.empty());
    window->close();
}

// After an "Edit", which leaves the row status out, "Add" still creates its row with
// createAndGo; "Delete" destroys it after asking.
TEST_F(MstpInstances, AddAfterEditStillCreatesTheRow) {
    startAgent("corvane-b");
    auto window = open();
    select(*window, 1);
    window->CheckBoxPriority->setChecked(true);
    window->PriorityEdit->setText("4096");
    std::size_t before = pduCount();
    window->BT_Edit->click();
    waitReady(*window);
    EXPECT_EQ(setsSince(before), std::vector<std::string>{column(12, 1) + "=2:4096"});
    EXPECT_EQ(row(*window, 1)->text(kInstancePriority).toStdString(), "4096");

    window->VIDEdit->setText("10");
    window->CheckBoxPriority->setChecked(true);
    window->PriorityEdit->setText("8192");
    before = pduCount();
    window->BT_Add->click();
    waitReady(*window);
    EXPECT_EQ(setsSince(before),
              std::vector<std::string>{column(12, 10) + "=2:8192 " + column(24, 10) + "=2:4"});
    ASSERT_NE(row(*window, 10), nullptr);
    EXPECT_EQ(row(*window, 10)->text(kInstanceType).toStdString(), "msti");
    EXPECT_EQ(row(*window, 10)->text(kInstanceRowStatus).toStdString(), "active");
    EXPECT_EQ(window->StaticText1->text(), "5");

    // An empty instance field is refused before anything is sent.
    before = pduCount();
    window->BT_Add->click();
    EXPECT_EQ(pduCount(), before);
    EXPECT_EQ(statusOf(window->StatusBar), "\"MSTP Instance ID\" is empty; nothing was written.");

    select(*window, 10);
    before = pduCount();
    window->BT_Delete->click();
    waitReady(*window);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Are you sure to delete it?");
    EXPECT_EQ(setsSince(before), std::vector<std::string>{column(24, 10) + "=2:6"});
    EXPECT_EQ(row(*window, 10), nullptr);
    EXPECT_EQ(window->StaticText1->text(), "4");
    window->close();
}

}  // namespace
}  // namespace stp_test
