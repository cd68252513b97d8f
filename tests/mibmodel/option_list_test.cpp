// Option lists of all three kinds, both case modes, the selection rule and number lists.
#include <gtest/gtest.h>

#include "nm_num_list.h"
#include "nm_option_list.h"

namespace {

const OptionEntry kAdmin[] = {{1, "up"}, {2, "down"}, {3, "testing"}, {0, nullptr}};
const OptionEntry kProtocols[] = {
    {"1.3.6.1.6.3.10.1.1.1", "none"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {nullptr, nullptr}};
const OptionEntry kPrefixes[] = {{"1.3.6.1.2.1.2", "interfaces"}, {nullptr, nullptr}};

struct MapCase {
    const char* name;
    std::uint32_t kind;
    bool caseSensitive;
    const char* value;  // stored value text
    const char* label;  // expected word for it
};

void PrintTo(const MapCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionListMapping : public testing::TestWithParam<MapCase> {};

const OptionEntry* tableFor(std::uint32_t kind) {
    return kind == okInteger ? kAdmin : kind == okText ? kProtocols : kPrefixes;
}

TEST_P(OptionListMapping, ValueToLabelAndBack) {
    const MapCase& c = GetParam();
    const NmOptionList list(tableFor(c.kind), c.kind, c.caseSensitive);
    EXPECT_EQ(list.ValueToLabel(c.value), c.label);
    EXPECT_EQ(list.LabelToValue(c.label), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    OptionList, OptionListMapping,
    testing::Values(MapCase{"IntegerKnown", okInteger, false, "2", "down"},
                    MapCase{"IntegerUnknownPassesThrough", okInteger, false, "7", "7"},
                    MapCase{"IntegerNullPassesThrough", okInteger, false, "(NULL)", "(NULL)"},
                    MapCase{"TextKnown", okText, false, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                    MapCase{"TextUnknown", okText, true, "1.3.6.1.6.3.10.1.1.9",
                            "1.3.6.1.6.3.10.1.1.9"},
                    MapCase{"PrefixReplacesFront", okPrefix, false, "1.3.6.1.2.1.2.2.1.1.3",
                            "interfaces.2.1.1.3"},
                    MapCase{"PrefixUnknown", okPrefix, true, "1.3.6.1.4.1", "1.3.6.1.4.1"}),
    [](const testing::TestParamInfo<MapCase>& info) { return info.param.name; });

TEST(OptionList, CaseModesOfLabelsAndTextValues) {
    const NmOptionList loose(kAdmin, okInteger, false);
    const NmOptionList strict(kAdmin, okInteger, true);
    EXPECT_EQ(loose.IndexOfLabel("UP"), 0);
    EXPECT_EQ(strict.IndexOfLabel("UP"), -1);
    EXPECT_EQ(strict.IndexOfLabel("up"), 0);
    EXPECT_EQ(loose.LabelToValue("Testing"), "3");

    const NmOptionList textLoose(kProtocols, okText, false);
    const NmOptionList textStrict(kProtocols, okText, true);
    EXPECT_EQ(textLoose.LabelToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(textStrict.LabelToValue("md5"), "md5");
    // Kind 2 compares whole texts, so a longer text does not match.
    EXPECT_EQ(textLoose.IndexOfValue("1.3.6.1.6.3.10.1.1.2.0"), -1);

    const NmOptionList prefixLoose(kPrefixes, okPrefix, false);
    EXPECT_EQ(prefixLoose.LabelToValue("INTERFACES.5"), "1.3.6.1.2.1.2.5");
    EXPECT_EQ(prefixLoose.IndexOfLabel("inter"), -1);  // shorter than the label
}

TEST(OptionList, IntegerValueLookupNeverRaises) {
    const NmOptionList list(kAdmin);
    for (const char* text : {"up", "", "(NULL)", "1x", " 1", "99999999999", "-"})
        EXPECT_EQ(list.IndexOfValue(text), -1) << text;
    EXPECT_EQ(list.IndexOfValue("+3"), 2);
    EXPECT_EQ(list.IndexOfValue("-0"), -1);
}

TEST(OptionList, AppendAndLabelsKeepOrder) {
    const OptionEntry more[] = {{5, "dormant"}, {0, nullptr}};
    NmOptionList list(kAdmin);
    list.Append(more);
    list.Append(nullptr);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(3).Integer, 5);
    EXPECT_EQ(list.Labels(), (std::vector<std::string>{"up", "down", "testing", "dormant"}));
    EXPECT_EQ(NmOptionList(kAdmin + 3).Count(), 0);  // only the end record
}

TEST(OptionList, SelectionPrefersLabelThenValue) {
    const OptionEntry odd[] = {{2, "1"}, {1, "one"}, {0, nullptr}};
    const NmOptionList list(odd);
    EXPECT_EQ(OptionSelectionIndex(&list, "1"), 0);  // a label wins over the value 1
    EXPECT_EQ(OptionSelectionIndex(&list, "one"), 1);
    EXPECT_EQ(OptionSelectionIndex(&list, "2"), 0);    // no label "2": the value 2
    EXPECT_EQ(OptionSelectionIndex(&list, "zz"), -1);  // no selection
    EXPECT_EQ(OptionSelectionIndex(nullptr, "1"), -1);
    const NmOptionList admin(kAdmin);
    EXPECT_EQ(OptionSelectionIndex(&admin, "2"), 1);
}

struct NumCase {
    const char* text;
    char delimiter;
    std::vector<int> items;
};

TEST(NumList, ParseWithoutValidation) {
    const NumCase cases[] = {
        {"", '.', {}},
        {"5", '.', {5}},
        {"10.1.2.3", '.', {10, 1, 2, 3}},
        {"1,,3", ',', {1, 0, 3}},
        {"1,2,", ',', {1, 2, 0}},
        {"2.7,4", ',', {2, 4}},   // a fraction is truncated
        {"a", '.', {'a' - '0'}},  // other characters count as digits
        {"-1", ',', {('-' - '0') * 10 + 1}},
    };
    for (const NumCase& c : cases) {
        NmNumList<int> list;
        list.Delimiter = c.delimiter;
        EXPECT_EQ(list.Parse(c.text).Items(), c.items) << c.text;
    }
}

TEST(NumList, IndexOfAndRange) {
    NmNumList<int> ints;
    ints.Delimiter = ',';
    ints.Parse("4,2,4");
    EXPECT_EQ(ints.IndexOf(4), 0);
    EXPECT_EQ(ints.IndexOf(2), 1);
    EXPECT_EQ(ints.IndexOf(3), -1);

    NmNumList<unsigned int> dotted;
    EXPECT_FALSE(dotted.Parse("10.300.1.1").AllInRange(0, 255));
    EXPECT_TRUE(dotted.Parse("10.30.1.1").AllInRange(0, 255));
    EXPECT_TRUE(dotted.Parse("").AllInRange(1, 2));
    // Long digit runs wrap at 32 bits instead of overflowing.
    EXPECT_EQ(dotted.Parse("4294967296").Item(0), 0u);
}

}  // namespace
