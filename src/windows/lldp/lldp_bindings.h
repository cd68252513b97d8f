// The LLDP binding variants: before a row reaches the list view the bit-map columns become the
// names of their set bits, and the configuration variants turn the TLV column's names back into
// its octet when a row is written.
#pragma once

#include <vector>

#include "lldp_bit_maps.h"
#include "nm_snmp_request2_edits.h"

class LldpBitMapBinding : public NmSNMPRequest2Edits {
  public:
    struct Column {
        int Position;
        LldpBitMap Names;
    };

    // decoded: the columns shown as names; encoded: the column written from its names (its
    // control is the window's TLV edit), -1 for a variant that writes nothing.
    LldpBitMapBinding(QWidget* form, std::vector<Column> decoded, int encoded = -1);

    int EncodedColumn() const { return encoded_; }
    LldpBitMap EncodedNames() const;

  protected:
    // Without a list view nothing happens: these variants only serve list windows.
    void DoRow() override;
    // The selected line and the editing area into the values, the TLV column as the edit's names
    // encoded to its bits.
    void DoCollect() override;

  private:
    std::vector<Column> decoded_;
    int encoded_;
};

// Port configuration: basic TLVs on column 2.
class NewRequest2Edits : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits(QWidget* form);
};

// 802.3 port configuration: 802.3 TLVs on column 1.
class LLDPDot3PortConfigNewRequest2Edits : public LldpBitMapBinding {
  public:
    explicit LLDPDot3PortConfigNewRequest2Edits(QWidget* form);
};

// MED port configuration: MED TLVs shown on columns 2 and 1, written on column 2.
class NewRequest2Edits5 : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits5(QWidget* form);
};

// Local link aggregation: aggregation status on column 1.
class NewRequest2Edits1 : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits1(QWidget* form);
};

// Remote link aggregation: aggregation status on column 3.
class NewRequest2Edits2 : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits2(QWidget* form);
};

// Remote systems: system capabilities on columns 10 and 11.
class NewRequest2Edits3 : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits3(QWidget* form);
};

// Remote MED capabilities: MED capabilities on columns 3 and 4.
class NewRequest2Edits8 : public LldpBitMapBinding {
  public:
    explicit NewRequest2Edits8(QWidget* form);
};
