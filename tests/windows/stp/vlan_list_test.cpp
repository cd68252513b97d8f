// The VLAN range fields' conversions between bit map and VLAN list, both ways, and the lists
// a field refuses.
#include <gtest/gtest.h>

#include <string>

#include "vlan_list.h"

namespace {

// A 64-octet map in hexadecimal with the given octets first, zeros after.
std::string mapOf(const std::string& head) {
    return head + std::string(128 - head.size(), '0');
}

TEST(VlanList, BitMapsShowAsVlanLists) {
    struct Case {
        std::string hex;
        int field;
        std::string list;
    };
    const Case cases[] = {
        {mapOf("EB"), 1, "1-3,5,7-8"},
        {mapOf("EB"), 2, "513-515,517,519-520"},
        {mapOf(""), 1, "0"},
        {"", 3, "0"},
        {"0070101", 1, "10-12,20"},                    // a single trailing digit is ignored
        {mapOf("EB") + "F", 1, "1-3,5,7-8"},           // so is one after the 64 octets
        {std::string(126, '0') + "03", 1, "511-512"},  // a run that reaches the last bit
        {std::string(128, 'F'), 8, "3585-4096"},
        {mapOf("8001"), 5, "2049,2064"},
        {"(NOTDONE)", 1, "(NOTDONE)"},  // no value: shown as it is
    };
    for (const Case& c : cases)
        EXPECT_EQ(BitmapToVlanList(c.hex, c.field), c.list) << c.hex << " in field " << c.field;
}

TEST(VlanList, VlanListsBecomeBitMapsAndBack) {
    struct Case {
        std::string list;
        int field;
        std::string hex;
    };
    const Case cases[] = {
        {"1-3,5,7-8", 1, mapOf("EB")},
        {"513-515,517,519-520", 2, mapOf("EB")},
        {"10-12,20", 1, mapOf("007010")},
        {"", 4, mapOf("")},
        {",,5,", 1, mapOf("08")},
        {" 7 - 8 , 1", 1, mapOf("83")},
        {"4094", 8, std::string(126, '0') + "04"},
    };
    for (const Case& c : cases) {
        const std::string hex = VlanListToBitmap(c.list, c.field);
        EXPECT_EQ(hex, c.hex) << "\"" << c.list << "\" in field " << c.field;
        EXPECT_EQ(hex.size(), 128u);
    }
    EXPECT_EQ(BitmapToVlanList(VlanListToBitmap("10-12,20", 1), 1), "10-12,20");
    EXPECT_EQ(BitmapToVlanList(VlanListToBitmap("3585-4096", 8), 8), "3585-4096");
}

// What the field cannot take is refused whole, with the field's caption and range named.
TEST(VlanList, ListsOutsideTheFieldOrUnreadableAreRefused) {
    struct Case {
        std::string list;
        int field;
        std::string says;
    };
    const Case cases[] = {
        {"600", 1, "takes the VLANs 1 to 512 only, not 600"},
        {"1-3,512,513", 1, "takes the VLANs 1 to 512 only, not 513"},
        {"5", 2, "takes the VLANs 513 to 1024 only, not 5"},
        {"0", 1, "takes the VLANs 1 to 512 only, not 0"},
        {"99999999999999999999", 1, "only, not 99999999999999999999"},
        {"12-10", 1, "holds the range 12-10, which runs backwards"},
        {"abc", 1, "cannot be read: \"abc\" is not a VLAN number"},
        {"5-", 1, "cannot be read: \"\" is not a VLAN number"},
        {"-5", 1, "cannot be read"},
        {"1-3-5", 1, "cannot be read: \"3-5\" is not a VLAN number"},
        {"1;2", 1, "cannot be read"},
        {std::string(2048, ','), 1, "is longer than 2047 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.substr(0, 40));
        try {
            VlanListToBitmap(c.list, c.field);
            ADD_FAILURE() << "accepted";
        } catch (const VlanListError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find("\"" + VlanFieldCaption(c.field) + "\""), std::string::npos)
                << text;
            EXPECT_NE(text.find(c.says), std::string::npos) << text;
        }
    }
    // At the limit the length is fine.
    EXPECT_NO_THROW(VlanListToBitmap(std::string(2047, ','), 1));
}

}  // namespace
