// Static variable descriptors and the working variable list that requests and bindings use.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "nm_option_list.h"

// List kinds.
inline constexpr std::uint8_t vlScalar = 0;
inline constexpr std::uint8_t vlInstances = 1;
inline constexpr std::uint8_t vlTable = 2;
inline constexpr std::uint8_t vlTableRows = 3;

// Flag bits.
inline constexpr std::uint32_t vfIndex = 0x01;
inline constexpr std::uint32_t vfRead = 0x02;
inline constexpr std::uint32_t vfWrite = 0x04;
inline constexpr std::uint32_t vfShow = 0x08;
inline constexpr std::uint32_t vfHidden = 0x10;
inline constexpr std::uint32_t vfExcluded = 0x20;
inline constexpr std::uint32_t vfImplied = 0x40;

// Syntax codes: SMI tags up to 0x47, presentations of INTEGER or OCTET STRING above, and
// the 0xC1 to 0xC6 codes for a part of a value bound to a control.
inline constexpr std::uint32_t synBoolean = 0x01;
inline constexpr std::uint32_t synInteger = 0x02;
inline constexpr std::uint32_t synBits = 0x03;
inline constexpr std::uint32_t synOctets = 0x04;
inline constexpr std::uint32_t synNull = 0x05;
inline constexpr std::uint32_t synOid = 0x06;
inline constexpr std::uint32_t synIpAddress = 0x40;
inline constexpr std::uint32_t synCounter32 = 0x41;
inline constexpr std::uint32_t synGauge32 = 0x42;
inline constexpr std::uint32_t synTimeTicks = 0x43;
inline constexpr std::uint32_t synOpaque = 0x44;
inline constexpr std::uint32_t synIpAddress2 = 0x45;
inline constexpr std::uint32_t synCounter64 = 0x46;
inline constexpr std::uint32_t synUInteger32 = 0x47;
inline constexpr std::uint32_t synDouble = 0x48;
inline constexpr std::uint32_t synMacAddress = 0x49;
inline constexpr std::uint32_t synDateAndTime = 0x4a;
inline constexpr std::uint32_t synDateTimeValue = 0x4b;
inline constexpr std::uint32_t synDisplayString = 0x4c;
inline constexpr std::uint32_t synIpv6Address = 0x4d;
inline constexpr std::uint32_t synPortList = 0x4e;
inline constexpr std::uint32_t synInetAddress = 0x51;
inline constexpr std::uint32_t synPartBool8 = 0xC1;
inline constexpr std::uint32_t synPartInt8 = 0xC2;
inline constexpr std::uint32_t synPartUInt8 = 0xC3;
inline constexpr std::uint32_t synPartBool16 = 0xC4;
inline constexpr std::uint32_t synPartUInt16 = 0xC5;
inline constexpr std::uint32_t synPartUInt16b = 0xC6;

// Static descriptor record; tables are arrays of it ended by a record with a null Oid.
// Trailing fields may be left out of an initializer.
struct SNMPVarDescriptor {
    const char* Oid = nullptr;
    const char* Caption = nullptr;
    std::uint32_t Syntax = 0;
    std::uint32_t Flags = 0;
    const NmOptionList* Options = nullptr;
    const char* ReadExpr = nullptr;
    const char* WriteExpr = nullptr;
    const char* Text3 = nullptr;
    const std::string* InitValue = nullptr;
    const std::string* InitCursor = nullptr;
};

// The list's own working copy of one descriptor.
struct SNMPVarItem {
    std::string Oid;
    std::string Caption;
    std::uint32_t Syntax = 0;
    std::uint32_t Flags = 0;
    const NmOptionList* Options = nullptr;  // not owned
    std::string ReadExpr;                   // empty: none
    std::string WriteExpr;
    std::string Text3;
    std::string Value;   // display text
    std::string Cursor;  // instance OID last received
};

class NmSNMPVarList {
  public:
    std::string InstanceSuffix;
    std::int32_t IndexCount = 0;
    std::uint8_t Kind = vlScalar;
    std::string Name;

    NmSNMPVarList() = default;
    NmSNMPVarList(const SNMPVarDescriptor* table, std::uint8_t kind, int indexCount);
    // Copies start with an empty InstanceSuffix; assignment keeps the target's.
    NmSNMPVarList(const NmSNMPVarList& other);
    NmSNMPVarList& operator=(const NmSNMPVarList& other);
    ~NmSNMPVarList() = default;

    void Append(const SNMPVarDescriptor* table);
    void AppendInstance(const std::string& suffix);

    int Count() const { return static_cast<int>(items_.size()); }
    SNMPVarItem& Item(int i) { return items_[static_cast<std::size_t>(i)]; }
    const SNMPVarItem& Item(int i) const { return items_[static_cast<std::size_t>(i)]; }

    bool IsImplied(int i) const;
    bool IsReadable(int i) const;
    bool IsSettable(int i) const;
    bool IsVisibleColumn(int i) const;
    bool IsHiddenColumn(int i) const;
    int VisibleColumnCount() const;
    int HiddenColumnCount() const;

    bool IsTableKind() const { return Kind == vlTable || Kind == vlTableRows; }
    // The item's OID followed by "." and InstanceSuffix when that is not empty.
    std::string BaseOid(int i) const;

    // Takes ownership of an option list that lives as long as this list and its copies.
    const NmOptionList* AdoptOptionList(std::unique_ptr<NmOptionList> list);

  private:
    std::vector<SNMPVarItem> items_;
    std::vector<std::shared_ptr<const NmOptionList>> ownedOptions_;
};
