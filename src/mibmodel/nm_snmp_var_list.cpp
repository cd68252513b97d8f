// Building, copying and querying the working variable list.
#include "nm_snmp_var_list.h"

NmSNMPVarList::NmSNMPVarList(const SNMPVarDescriptor* table, std::uint8_t kind, int indexCount)
    : IndexCount(indexCount), Kind(kind) {
    Append(table);
}

NmSNMPVarList::NmSNMPVarList(const NmSNMPVarList& other) {
    *this = other;
}

NmSNMPVarList& NmSNMPVarList::operator=(const NmSNMPVarList& other) {
    if (this == &other)
        return *this;
    Kind = other.Kind;
    IndexCount = other.IndexCount;
    Name = other.Name;
    items_ = other.items_;
    ownedOptions_ = other.ownedOptions_;
    return *this;
}

void NmSNMPVarList::Append(const SNMPVarDescriptor* table) {
    if (!table)
        return;
    std::size_t n = 0;
    while (table[n].Oid)
        ++n;
    items_.reserve(items_.size() + n);
    for (std::size_t k = 0; k < n; ++k) {
        const SNMPVarDescriptor& d = table[k];
        SNMPVarItem item;
        item.Oid = d.Oid;
        if (d.Caption)
            item.Caption = d.Caption;
        item.Syntax = d.Syntax;
        item.Flags = d.Flags;
        item.Options = d.Options;
        if (d.ReadExpr)
            item.ReadExpr = d.ReadExpr;
        if (d.WriteExpr)
            item.WriteExpr = d.WriteExpr;
        if (d.Text3)
            item.Text3 = d.Text3;
        if (d.InitValue)
            item.Value = *d.InitValue;
        if (d.InitCursor)
            item.Cursor = *d.InitCursor;
        items_.push_back(std::move(item));
    }
}

void NmSNMPVarList::AppendInstance(const std::string& suffix) {
    for (SNMPVarItem& item : items_)
        item.Oid += "." + suffix;
}

bool NmSNMPVarList::IsImplied(int i) const {
    return (Item(i).Flags & vfImplied) != 0;
}

bool NmSNMPVarList::IsReadable(int i) const {
    const std::uint32_t f = Item(i).Flags;
    return !(f & vfExcluded) && (f & vfRead);
}

bool NmSNMPVarList::IsSettable(int i) const {
    const std::uint32_t f = Item(i).Flags;
    if (f & vfExcluded)
        return false;
    return (f & vfWrite) || (IsTableKind() && i < IndexCount);
}

bool NmSNMPVarList::IsVisibleColumn(int i) const {
    const std::uint32_t f = Item(i).Flags;
    return !(f & (vfExcluded | vfHidden)) && (f & (vfIndex | vfShow | vfRead));
}

bool NmSNMPVarList::IsHiddenColumn(int i) const {
    const std::uint32_t f = Item(i).Flags;
    return f == vfWrite || (f & (vfExcluded | vfHidden));
}

int NmSNMPVarList::VisibleColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsVisibleColumn(i))
            ++n;
    return n;
}

int NmSNMPVarList::HiddenColumnCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (IsHiddenColumn(i))
            ++n;
    return n;
}

std::string NmSNMPVarList::BaseOid(int i) const {
    const std::string& oid = Item(i).Oid;
    return InstanceSuffix.empty() ? oid : oid + "." + InstanceSuffix;
}

const NmOptionList* NmSNMPVarList::AdoptOptionList(std::unique_ptr<NmOptionList> list) {
    ownedOptions_.push_back(std::shared_ptr<const NmOptionList>(std::move(list)));
    return ownedOptions_.back().get();
}
