// Building, copying and the derived tests of the working variable list.
#include <gtest/gtest.h>

#include "nm_snmp_var_list.h"

namespace {

const OptionEntry kRowStatus[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const NmOptionList kRowStatusList(kRowStatus);
const std::string kInitial = "7";

const SNMPVarDescriptor kStaticVlan[] = {
    {" ", "VLAN Index", synGauge32, vfIndex},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", synDisplayString, vfRead | vfWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", synBits, 0x06},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", synInteger, 0x06, &kRowStatusList},
    {nullptr},
};

const SNMPVarDescriptor kMixed[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", synInteger, vfRead},
    {"1.3.6.1.2.1.2.2.1.2", "Description", synDisplayString, vfRead},
    {"1.3.6.1.4.1.32473.1", "Write Only", synInteger, vfWrite, nullptr, "r", "w", "t", &kInitial,
     &kInitial},
    {"1.3.6.1.4.1.32473.2", "Shown", synInteger, vfShow},
    {nullptr},
};

TEST(VarList, BuildsItemsUntilNullOid) {
    const NmSNMPVarList list(kMixed, vlTable, 2);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Item(1).Caption, "Description");
    EXPECT_EQ(list.Item(2).ReadExpr, "r");
    EXPECT_EQ(list.Item(2).Value, "7");
    EXPECT_EQ(list.Item(2).Cursor, "7");
    EXPECT_EQ(list.Item(0).Value, "");
    EXPECT_TRUE(list.InstanceSuffix.empty());
    EXPECT_TRUE(list.Name.empty());

    const SNMPVarDescriptor empty[] = {{nullptr}};
    EXPECT_EQ(NmSNMPVarList(empty, vlScalar, 0).Count(), 0);
    EXPECT_EQ(NmSNMPVarList(nullptr, vlScalar, 0).Count(), 0);
    NmSNMPVarList appended(kStaticVlan, vlTableRows, 1);
    appended.Append(kMixed);
    EXPECT_EQ(appended.Count(), 8);
    EXPECT_EQ(appended.Item(4).Oid, "1.3.6.1.2.1.2.2.1.1");
}

TEST(VarList, DerivedTestsFollowFlagsKindAndIndexCount) {
    const NmSNMPVarList table(kMixed, vlTable, 2);
    // Index columns of a table count as settable even when they are read-only.
    EXPECT_TRUE(table.IsSettable(0));
    EXPECT_TRUE(table.IsSettable(1));
    EXPECT_TRUE(table.IsReadable(0));
    EXPECT_FALSE(table.IsReadable(2));
    EXPECT_TRUE(table.IsHiddenColumn(2));  // write-only
    EXPECT_FALSE(table.IsVisibleColumn(2));
    EXPECT_TRUE(table.IsVisibleColumn(3));  // shown without being fetched
    EXPECT_EQ(table.VisibleColumnCount(), 3);
    EXPECT_EQ(table.HiddenColumnCount(), 1);

    const NmSNMPVarList rows(kStaticVlan, vlTableRows, 1);
    const NmSNMPVarList scalar(kStaticVlan, vlScalar, 1);
    EXPECT_TRUE(rows.IsSettable(0));
    EXPECT_FALSE(scalar.IsSettable(0));
    EXPECT_TRUE(rows.IsVisibleColumn(2));
    EXPECT_FALSE(rows.IsHiddenColumn(2));
    EXPECT_FALSE(rows.IsImplied(0));
}

TEST(VarList, RuntimeBitsExcludeAndHide) {
    NmSNMPVarList list(kStaticVlan, vlTableRows, 1);
    list.Item(1).Flags |= vfExcluded;
    EXPECT_FALSE(list.IsReadable(1));
    EXPECT_FALSE(list.IsSettable(1));
    EXPECT_TRUE(list.IsHiddenColumn(1));
    list.Item(1).Flags &= ~vfExcluded;
    EXPECT_TRUE(list.IsReadable(1));
    EXPECT_TRUE(list.IsSettable(1));

    list.Item(0).Flags |= vfHidden;
    EXPECT_FALSE(list.IsVisibleColumn(0));
    EXPECT_TRUE(list.IsHiddenColumn(0));
    EXPECT_TRUE(list.IsSettable(0));

    list.Item(0).Flags = vfIndex | vfImplied;
    EXPECT_TRUE(list.IsImplied(0));
}

TEST(VarList, AppendInstanceAndBaseOid) {
    const SNMPVarDescriptor counters[] = {
        {"1.3.6.1.2.1.10.7.9.1.2", "Frames", synCounter32, vfRead}, {nullptr}};
    NmSNMPVarList list(counters, vlInstances, 0);
    list.AppendInstance("5");
    EXPECT_EQ(list.Item(0).Oid, "1.3.6.1.2.1.10.7.9.1.2.5");
    EXPECT_EQ(list.BaseOid(0), "1.3.6.1.2.1.10.7.9.1.2.5");
    list.InstanceSuffix = "1.2";
    EXPECT_EQ(list.BaseOid(0), "1.3.6.1.2.1.10.7.9.1.2.5.1.2");
}

TEST(VarList, CopiesAreDeepAndKeepTheTargetsSuffix) {
    NmSNMPVarList source(kStaticVlan, vlTableRows, 1);
    source.Name = "Static VLAN";
    source.InstanceSuffix = "9";
    source.Item(1).Value = "blue";
    source.Item(1).Cursor = "1.3.6.1.2.1.17.7.1.4.3.1.1.5";
    source.Item(3).Flags |= vfExcluded;

    NmSNMPVarList copy(source);
    EXPECT_TRUE(copy.InstanceSuffix.empty());
    EXPECT_EQ(copy.Name, "Static VLAN");
    EXPECT_EQ(copy.Kind, vlTableRows);
    EXPECT_EQ(copy.IndexCount, 1);
    EXPECT_EQ(copy.Item(1).Value, "blue");
    EXPECT_EQ(copy.Item(3).Options, &kRowStatusList);

    NmSNMPVarList target(kMixed, vlScalar, 0);
    target.InstanceSuffix = "3";
    target = source;
    EXPECT_EQ(target.InstanceSuffix, "3");
    EXPECT_EQ(target.Count(), 4);
    EXPECT_EQ(target.Item(1).Cursor, "1.3.6.1.2.1.17.7.1.4.3.1.1.5");

    // A snapshot restores the former values and flags.
    source.Item(1).Value = "red";
    source.Item(3).Flags &= ~vfExcluded;
    source = copy;
    EXPECT_EQ(source.Item(1).Value, "blue");
    EXPECT_TRUE(source.Item(3).Flags & vfExcluded);
    EXPECT_EQ(source.InstanceSuffix, "9");
}

TEST(VarList, OwnedOptionListsOutliveTheSourceList) {
    const NmOptionList* options = nullptr;
    NmSNMPVarList copy;
    {
        NmSNMPVarList list(kStaticVlan, vlTableRows, 1);
        options = list.AdoptOptionList(std::make_unique<NmOptionList>(kRowStatus));
        list.Item(3).Options = options;
        copy = list;
    }
    ASSERT_EQ(copy.Item(3).Options, options);
    EXPECT_EQ(copy.Item(3).Options->ValueToLabel("4"), "createAndGo");
}

}  // namespace
