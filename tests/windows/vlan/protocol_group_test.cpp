// The protocol VLAN group window against corvane-sim: the checks before "Add", the rows it
// creates and destroys on the wire, and the Group ID column after a delete.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>
#include <sstream>

#include "tprotocol_vlan_group_form.h"
#include "vlan_fixture.h"

using namespace vlan_test;

namespace {

const std::string kGroupEntry = "1.3.6.1.2.1.17.7.1.5.1.1";
constexpr int kGroupId = 2;

class ProtocolGroupTest : public VlanWindowTest {
  protected:
    void open() {
        form_ = std::make_unique<TProtocolVLANGroupForm>(contextOf("TProtocolVLANGroupForm"));
        form_->show();
        QApplication::setActiveWindow(form_.get());
        ASSERT_TRUE(waitRead(*form_, form_->StatusBar));
    }
    void TearDown() override {
        if (form_)
            form_->close();
        form_.reset();
        VlanWindowTest::TearDown();
    }

    // The list's lines as "type|value|group|status".
    std::vector<std::string> lines() const {
        std::vector<std::string> out;
        QTreeWidget* list = form_->ListView1;
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->topLevelItem(r)->text(c);
            out.push_back(cells.join('|').toStdString());
        }
        return out;
    }
    QTreeWidgetItem* rowOf(const QString& type, const QString& value) const {
        QTreeWidget* list = form_->ListView1;
        for (int r = 0; r < list->topLevelItemCount(); ++r)
            if (list->topLevelItem(r)->text(0) == type && list->topLevelItem(r)->text(1) == value)
                return list->topLevelItem(r);
        return nullptr;
    }
    void fill(const QString& type, const QString& value, const QString& id) {
        form_->TypeComboBox->setCurrentIndex(form_->TypeComboBox->findText(type));
        form_->ValueEdit->setText(value);
        form_->IDEdit->setText(id);
    }
    unsigned groupIdFlags() const { return form_->Binding->Request.VarList.Item(kGroupId).Flags; }

    std::unique_ptr<TProtocolVLANGroupForm> form_;
};

TEST_F(ProtocolGroupTest, ShowsTheTemplatesByTheirTwoPartIndex) {
    startAgent("corvane-b");
    open();
    EXPECT_TRUE(form_->StatusBar->currentMessage().startsWith("Get: Ok."));
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"ethernet|0800|1|active", "ethernet|0806|1|active",
                                        "ethernet|86DD|2|active", "ethernet|8863|4|active",
                                        "ethernet|8864|4|active", "rfc1042|0800|1|active",
                                        "rfc1042|8137|3|active", "llcOther|E0E0|3|active"}));
    EXPECT_EQ(form_->Static->text(), "8");
    // The index columns come from the instances.
    EXPECT_FALSE(anyPduNames(kGroupEntry + ".1"));
    EXPECT_FALSE(anyPduNames(kGroupEntry + ".2"));
    // Entry mode: "Add" and the fields, no "Delete".
    EXPECT_TRUE(form_->BT_Add->isEnabled());
    EXPECT_FALSE(form_->BT_Delete->isEnabled());
    EXPECT_EQ(form_->TypeComboBox->currentIndex(), -1);
    EXPECT_TRUE(form_->TypeComboBox->isEnabled());
    EXPECT_FALSE(form_->RowComboBox->isVisible());
    EXPECT_EQ(form_->RowComboBox->currentText(), "createAndGo");

    // A selected row is shown, locked, and can be deleted; none selected gives entry mode back.
    form_->ListView1->setCurrentItem(rowOf("ethernet", "86DD"));
    EXPECT_EQ(form_->TypeComboBox->currentText(), "ethernet");
    EXPECT_EQ(form_->ValueEdit->text(), "86DD");
    EXPECT_EQ(form_->IDEdit->text(), "2");
    EXPECT_FALSE(form_->TypeComboBox->isEnabled());
    EXPECT_FALSE(form_->IDEdit->isEnabled());
    EXPECT_FALSE(form_->BT_Add->isEnabled());
    EXPECT_TRUE(form_->BT_Delete->isEnabled());
    form_->ListView1->clearSelection();
    EXPECT_TRUE(form_->BT_Add->isEnabled());
    EXPECT_FALSE(form_->BT_Delete->isEnabled());
    EXPECT_TRUE(form_->IDEdit->isEnabled());
    EXPECT_TRUE(form_->IDEdit->text().isEmpty());
    EXPECT_EQ(form_->TypeComboBox->currentIndex(), -1);
}

TEST_F(ProtocolGroupTest, AddNamesTheFirstEmptyFieldAndFocusesIt) {
    startAgent("corvane-a");
    open();
    const std::size_t before = pdus().size();
    const struct {
        QString type, value, id;
        const char* message;
    } cases[] = {
        {"", "", "", "Template Frame Type must be set."},
        {"", "0800", "3", "Template Frame Type must be set."},
        {"ethernet", "", "", "Template Protocol Value must be set."},
        {"rfc1042", "", "3", "Template Protocol Value must be set."},
        {"llcOther", "AAAA", "", "Group ID must be set."},
    };
    QWidget* const fields[] = {form_->TypeComboBox, form_->TypeComboBox, form_->ValueEdit,
                               form_->ValueEdit, form_->IDEdit};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.message);
        shown.clear();
        form_->BT_Refresh->click();  // entry mode, fields empty, some other field focused
        form_->BT_Refresh->setFocus();
        fill(c.type, c.value, c.id);
        form_->BT_Add->click();
        EXPECT_EQ(shown, std::vector<QString>{c.message});
        EXPECT_EQ(QApplication::focusWidget(), fields[i]);
    }
    EXPECT_TRUE(pdusOf("set", before).empty());
}

TEST_F(ProtocolGroupTest, AddCreatesTheRowAndDeleteDestroysOnlyItsStatus) {
    startAgent("corvane-a");
    open();
    std::size_t before = pdus().size();
    fill("ethernet", "88B5", "7");
    form_->BT_Add->click();
    ASSERT_EQ(pdusOf("set", before),
              std::vector<std::string>{"set " + kGroupEntry + ".3.1.2.136.181=2:7 " + kGroupEntry +
                                       ".4.1.2.136.181=2:4"});
    EXPECT_TRUE(shown.empty());
    QTreeWidgetItem* added = rowOf("ethernet", "88B5");
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->text(2), "7");
    EXPECT_EQ(added->text(3), "active");
    EXPECT_EQ(form_->Static->text(), "8");
    EXPECT_TRUE(form_->IDEdit->text().isEmpty());  // back to entry mode

    // Delete: only the row status, at the selected template's instance, and no question.
    before = pdus().size();
    form_->ListView1->setCurrentItem(added);
    form_->BT_Delete->click();
    EXPECT_TRUE(shown.empty());
    ASSERT_EQ(pdusOf("set", before),
              std::vector<std::string>{"set " + kGroupEntry + ".4.1.2.136.181=2:6"});
    EXPECT_EQ(rowOf("ethernet", "88B5"), nullptr);
    EXPECT_EQ(form_->Static->text(), "7");
    EXPECT_FALSE(form_->BT_Delete->isEnabled());
    EXPECT_TRUE(form_->BT_Add->isEnabled());
    // The Group ID column is read and written again.
    EXPECT_EQ(groupIdFlags(), unsigned(vfRead | vfWrite));
    ASSERT_NE(rowOf("llcOther", "E0E0"), nullptr);
    EXPECT_EQ(rowOf("llcOther", "E0E0")->text(2), "3");
    before = pdus().size();
    fill("rfc1042", "0806", "12");
    form_->BT_Add->click();
    ASSERT_EQ(pdusOf("set", before),
              std::vector<std::string>{"set " + kGroupEntry + ".3.2.2.8.6=2:12 " + kGroupEntry +
                                       ".4.2.2.8.6=2:4"});
    ASSERT_NE(rowOf("rfc1042", "0806"), nullptr);
    EXPECT_EQ(rowOf("rfc1042", "0806")->text(2), "12");
}

// The agent refuses the row status: the delete is reported, and the Group ID column is back
// all the same.
TEST_F(ProtocolGroupTest, TheGroupIdColumnIsBackAfterARefusedDelete) {
    const std::string rules = folder_.path().toStdString() + "/no-rowstatus.rules";
    {
        std::ifstream in(
            corvane::test::SimProcess::profilePath("corvane-a")
                .substr(0, corvane::test::SimProcess::profilePath("corvane-a").size() - 8) +
            ".rules");
        std::ofstream out(rules);
        std::size_t dropped = 0;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(kGroupEntry + ".4 ", 0) == 0) {
                ++dropped;
                continue;
            }
            out << line << "\n";
        }
        ASSERT_EQ(dropped, 1u);
    }
    startAgent("corvane-a", {"--rules", rules});
    open();
    const std::size_t before = pdus().size();
    form_->ListView1->setCurrentItem(rowOf("ethernet", "0806"));
    form_->BT_Delete->click();
    ASSERT_EQ(pdusOf("set", before),
              std::vector<std::string>{"set " + kGroupEntry + ".4.1.2.8.6=2:6"});
    ASSERT_EQ(shown.size(), 1u);  // the refusal
    EXPECT_EQ(groupIdFlags(), unsigned(vfRead | vfWrite));
    EXPECT_FALSE(form_->BT_Delete->isEnabled());
    EXPECT_TRUE(form_->BT_Add->isEnabled());
    form_->BT_Refresh->click();
    ASSERT_NE(rowOf("ethernet", "0806"), nullptr);
    EXPECT_EQ(rowOf("ethernet", "0806")->text(2), "1");
    // A new row carries its Group ID again (the agent refuses it too).
    const std::size_t next = pdus().size();
    fill("ethernet", "0842", "9");
    form_->BT_Add->click();
    EXPECT_EQ(pdusOf("set", next),
              std::vector<std::string>{"set " + kGroupEntry + ".3.1.2.8.66=2:9 " + kGroupEntry +
                                       ".4.1.2.8.66=2:4"});
}

}  // namespace
