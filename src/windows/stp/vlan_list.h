// The VLAN range fields of the MSTP instance table: each field holds a 512-bit map (64 octets,
// shown as hexadecimal text) that the window shows and edits as a VLAN list such as 1-3,5,7-8.
// Field k (1 to 8) covers the VLANs 512 * (k - 1) + 1 to 512 * k.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

inline constexpr int kVlansPerField = 512;
inline constexpr std::size_t kMaxVlanListLength = 2047;

int VlanFieldFirst(int field);
int VlanFieldLast(int field);
// "1-512", "513-1024", ...: the field's caption, which is its range.
std::string VlanFieldCaption(int field);

// The VLAN list of a bit map: runs of set bits as first-last, single VLANs alone, separated by
// ","; "0" when no bit is set. A single trailing hexadecimal digit is ignored; a text that is
// not hexadecimal (such as "(NOTDONE)") is returned as it is.
std::string BitmapToVlanList(const std::string& hex, int field);

// A VLAN list the field cannot take. The text names the field and its range.
class VlanListError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The bit map of a VLAN list as 128 upper-case hexadecimal digits. Empty items are skipped, so
// an empty list clears the field. The list is checked whole first: every item a whole number
// or a range first-last that does not run backwards, every VLAN inside the field's range, at
// most kMaxVlanListLength characters; otherwise VlanListError.
std::string VlanListToBitmap(const std::string& list, int field);
