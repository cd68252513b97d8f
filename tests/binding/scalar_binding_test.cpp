// A scalar group bound to labels, edits, option controls, bit check boxes and multi-edit
// values: what the controls show after a read, and what a write sends to the agent.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "binding_fixture.h"
#include "messages.h"
#include "nm_radio_group.h"

using namespace binding_test;

namespace {

const OptionEntry kAdminWords[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const NmOptionList kAdmin(kAdminWords);

const SNMPVarDescriptor kGroup[] = {
    {"1.3.6.1.2.1.1.1", "Description", synDisplayString, vfRead},
    {"1.3.6.1.2.1.1.5", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.1", "Admin", synInteger, vfRead | vfWrite, &kAdmin},
    {nullptr}};

const SNMPVarDescriptor kParts[] = {
    {"1.3.6.1.4.1.32473.99.3.2", "Flags", synOctets, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.4", "Mac", synMacAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.5", "Address", synIpAddress, vfRead | vfWrite},
    {"1.3.6.1.4.1.32473.99.3.6", "Uptime", synTimeTicks, vfRead | vfWrite},
    {nullptr}};

const SNMPVarDescriptor kDateInFlags[] = {
    {"1.3.6.1.4.1.32473.99.3.2", "When", synDateAndTime, vfRead | vfWrite}, {nullptr}};

const SNMPVarDescriptor kShortFlags[] = {
    {"1.3.6.1.4.1.32473.99.3.3", "Flags", synOctets, vfRead | vfWrite}, {nullptr}};

std::vector<QLineEdit*> edits(QWidget* parent, int n) {
    std::vector<QLineEdit*> out;
    for (int i = 0; i < n; ++i)
        out.push_back(new QLineEdit(parent));
    return out;
}

std::vector<std::string> texts(const std::vector<QLineEdit*>& e) {
    std::vector<std::string> out;
    for (QLineEdit* x : e)
        out.push_back(x->text().toStdString());
    return out;
}

}  // namespace

using BindingScalar = BindingTest;

TEST_F(BindingScalar, GroupShowsValuesAndOptionWordsAfterGet) {
    for (bool async : {false, true}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        auto b = bind(kGroup, vlScalar, 0, async);
        QLabel description(&window), admin(&window);
        QLineEdit name(&window);
        QComboBox adminCombo(&window);
        NmRadioGroup adminRadio(&window);
        QCheckBox adminBox(&window);
        QStatusBar status(&window);
        b->BindLabel(0, &description);
        b->BindControl(1, &name);
        b->BindLabel(2, &admin);
        b->BindComboBox(2, &adminCombo);
        b->BindControl(2, &adminRadio);
        b->BindControl(2, &adminBox);
        b->SetStatusTarget(&status);

        ASSERT_TRUE(b->Get());
        waitIdle(*b);
        EXPECT_EQ(description.text(), "Test switch");
        EXPECT_EQ(name.text(), "sw1");
        EXPECT_EQ(admin.text(), "down");
        EXPECT_EQ(adminCombo.count(), 2);
        EXPECT_EQ(adminCombo.currentText(), "down");
        EXPECT_EQ(adminRadio.items(), QStringList({"up", "down"}));
        EXPECT_EQ(adminRadio.currentText(), "down");
        EXPECT_TRUE(adminBox.isChecked());  // the second word checks
        EXPECT_TRUE(status.currentMessage().startsWith("Get: Ok. Receive at "))
            << status.currentMessage().toStdString();
        EXPECT_TRUE(shown.empty());
    }
}

TEST_F(BindingScalar, FailedReadIsReportedInTheStatusLine) {
    for (bool async : {false, true}) {
        SCOPED_TRACE(async ? "asynchronous" : "synchronous");
        auto b = bind(kGroup, vlScalar, 0, async);
        b->Request.Device.Port = freeUdpPort();  // nobody answers
        b->Request.Timeout = 20;
        b->Request.Retries = 0;
        QStatusBar status(&window);
        status.showMessage("Get: Ok. Receive at 00:00:00.");
        b->SetStatusTarget(&status);
        EXPECT_EQ(b->Get(), async);  // started, but not succeeded
        waitIdle(*b);
        EXPECT_TRUE(status.currentMessage().startsWith("Get: "));
        EXPECT_FALSE(status.currentMessage().startsWith("Get: Ok."))
            << status.currentMessage().toStdString();
        EXPECT_TRUE(shown.empty());
    }
}

TEST_F(BindingScalar, OptionControlsWriteTheStoredValue) {
    auto b = bind(kGroup, vlScalar, 0, false);
    QComboBox combo(&window);
    NmRadioGroup radio(&window);
    b->BindComboBox(2, &combo);
    ASSERT_TRUE(b->Get());
    combo.setCurrentIndex(0);
    const std::size_t before = pdus().size();
    EXPECT_TRUE(b->Set(false, true, "2"));
    EXPECT_EQ(pdusSince(before), std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.1.0=2:1"}));

    // A combo box or radio group without an option list cannot be bound.
    try {
        b->BindControl(1, &radio);
        FAIL() << "a radio group was bound without words";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -520);
    }
}

TEST_F(BindingScalar, EditedValueReplacesTheWholeOldValue) {
    auto b = bind(kParts, vlScalar, 0, false);
    QLineEdit flags(&window);
    b->BindControl(0, &flags);
    ASSERT_TRUE(b->Get());
    EXPECT_EQ(flags.text(), "0040");
    flags.setText("AA");  // one octet where there were two
    const std::size_t before = pdus().size();
    EXPECT_TRUE(b->Set(false, true, "0"));
    EXPECT_EQ(pdusSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.2.0=4x:aa"}));
}

TEST_F(BindingScalar, BitCheckBoxesReadAndWriteTheirBits) {
    auto b = bind(kParts, vlScalar, 0, false);
    QCheckBox bit9(&window), bit0(&window), bit15(&window);
    b->BindCheckBoxes(0, "9,0,15", {&bit9, &bit0, &bit15});
    ASSERT_TRUE(b->Get());
    // 0x0040: bit 9 is the second-highest bit of the second octet.
    EXPECT_TRUE(bit9.isChecked());
    EXPECT_FALSE(bit0.isChecked());
    EXPECT_FALSE(bit15.isChecked());

    bit9.setChecked(false);
    bit0.setChecked(true);
    const std::size_t before = pdus().size();
    EXPECT_TRUE(b->Set(false, true, "0"));
    EXPECT_EQ(pdusSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.2.0=4x:8000"}));
}

TEST_F(BindingScalar, BitBeyondTheValueIsAnError) {
    const std::string outOfRange =
        "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!";
    // Synchronous: raised to the caller. Asynchronous: nobody can catch it, so it is shown.
    auto sync = bind(kShortFlags, vlScalar, 0, false);
    QCheckBox box(&window);
    sync->BindCheckBoxes(0, "9", {&box});
    try {
        sync->Get();
        FAIL() << "bit 9 of a one-octet value was shown";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -519);
        EXPECT_EQ(e.text(), outOfRange);
    }
    EXPECT_FALSE(sync->Busy);

    auto async = bind(kShortFlags, vlScalar, 0, true);
    async->BindCheckBoxes(0, "9", {&box});
    ASSERT_TRUE(async->Get());
    waitIdle(*async);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text.toStdString(), outOfRange);
}

TEST_F(BindingScalar, ValuesSpreadOverSeveralEdits) {
    auto b = bind(kParts, vlScalar, 0, false);
    const auto mac = edits(&window, 6);
    const auto ip = edits(&window, 4);
    const auto ticks = edits(&window, 5);
    b->BindEdits(1, "%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}%h{l2}", mac);
    b->BindEdits(2, "%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}%i{n0x255l3}", ip);
    b->BindEdits(3, "%u%u%u%u%u", ticks);
    ASSERT_TRUE(b->Get());
    EXPECT_EQ(texts(mac), std::vector<std::string>({"00", "1A", "2B", "3C", "4D", "5E"}));
    EXPECT_EQ(texts(ip), std::vector<std::string>({"10", "1", "2", "3"}));
    // One day and 123 hundredths.
    EXPECT_EQ(texts(ticks), std::vector<std::string>({"1", "0", "0", "1", "23"}));

    mac[5]->setText("5F");
    ip[3]->setText("9");
    ticks[3]->setText("2");
    const std::size_t before = pdus().size();
    EXPECT_TRUE(b->Set(false, true, "1,2,3"));
    EXPECT_EQ(pdusSince(before),
              std::vector<std::string>({"set 1.3.6.1.4.1.32473.99.3.4.0=4x:001a2b3c4d5f "
                                        "1.3.6.1.4.1.32473.99.3.5.0=64:10.1.2.9 "
                                        "1.3.6.1.4.1.32473.99.3.6.0=67:8640223"}));

    // Too few edits for an address.
    try {
        b->BindEdits(2, "%i%i%i", edits(&window, 2));
        FAIL() << "three conversions took two edits";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -522);
    }
}

// A field of a value spread over several edits is taken as it is or not at all: no number is
// cut at a letter or wrapped into the octet, and no field shifts the ones after it.
TEST_F(BindingScalar, BadTextInOneOfSeveralEditsSendsNothing) {
    struct Case {
        int descriptor;  // in kParts: 1 MAC, 2 IP address, 3 TimeTicks
        int edit;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {2, 0, "300", " Please enter a valid IP address!"},
        {2, 3, "", " Please enter a valid IP address!"},
        {2, 1, "1x", " Please enter a valid IP address!"},
        {1, 2, "2B3", "Bad value of the associated SNMP variable's (partial) data!"},
        {1, 5, "5G", "Bad value of the associated SNMP variable's (partial) data!"},
        {3, 1, "24", " Please enter a number between 0 and 23!"},
        {3, 2, "", " Empty value is not allowed!"},
        {3, 0, "498", " Please enter a number between 0 and 497!"},
        {3, 3, "1x", " Please enter a number between 0 and 59!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("descriptor ") + std::to_string(c.descriptor) + " edit " +
                     std::to_string(c.edit) + " '" + c.typed + "'");
        auto b = bind(kParts, vlScalar, 0, false);
        const auto mac = edits(&window, 6);
        const auto ip = edits(&window, 4);
        const auto ticks = edits(&window, 5);
        b->BindEdits(1, "%s%s%s%s%s%s", mac);
        b->BindEdits(2, "%s%s%s%s", ip);
        b->BindEdits(3, "%s%s%s%s%s", ticks);
        ASSERT_TRUE(b->Get());
        const std::vector<QLineEdit*>& fields = c.descriptor == 1   ? mac
                                                : c.descriptor == 2 ? ip
                                                                    : ticks;
        fields[static_cast<std::size_t>(c.edit)]->setText(c.typed);
        const std::size_t before = pdus().size();
        try {
            b->Set(false, true, std::to_string(c.descriptor));
            ADD_FAILURE() << "nothing refused";
        } catch (const NmSNMPException& e) {
            EXPECT_EQ(e.text(), c.message);
        }
        EXPECT_TRUE(pdusSince(before).empty());
    }

    // DateAndTime in ten edits: each field in its range, the direction "+" or "-".
    const struct {
        int edit;
        const char* typed;
        const char* message;
    } dates[] = {
        {1, "13", " Please enter a number between 1 and 12!"},
        {1, "300", " Please enter a number between 1 and 12!"},
        {6, "10", " Please enter a number between 0 and 9!"},
        {7, "x", "Bad value of the associated SNMP variable's (partial) data!"},
        {8, "", " Empty value is not allowed!"},
    };
    const char* good[10] = {"2009", "6", "15", "13", "30", "15", "0", "+", "8", "0"};
    for (const auto& d : dates) {
        SCOPED_TRACE(std::string("date field ") + std::to_string(d.edit) + " '" + d.typed + "'");
        auto b = bind(kDateInFlags, vlScalar, 0, false);
        const auto fields = edits(&window, 10);
        b->BindEdits(0, "%s%s%s%s%s%s%s%s%s%s", fields);
        for (int i = 0; i < 10; ++i)
            fields[static_cast<std::size_t>(i)]->setText(i == d.edit ? d.typed : good[i]);
        const std::size_t before = pdus().size();
        try {
            b->Set(false, true, "0");
            ADD_FAILURE() << "nothing refused";
        } catch (const NmSNMPException& e) {
            EXPECT_EQ(e.text(), d.message);
        }
        EXPECT_TRUE(pdusSince(before).empty());
    }
    auto b = bind(kDateInFlags, vlScalar, 0, false);
    const auto fields = edits(&window, 10);
    b->BindEdits(0, "%s%s%s%s%s%s%s%s%s%s", fields);
    for (int i = 0; i < 10; ++i)
        fields[static_cast<std::size_t>(i)]->setText(good[i]);
    const std::size_t before = pdus().size();
    EXPECT_TRUE(b->Set(false, true, "0"));
    EXPECT_EQ(pdusSince(before), std::vector<std::string>(
                                     {"set 1.3.6.1.4.1.32473.99.3.2.0=4x:07d9060f0d1e0f002b0800"}));
}
