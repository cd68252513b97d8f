// The OAM binding variant: before a row reaches the list view, the octets of one column (the
// dot3 OAM functions supported) become the names of the functions.
#pragma once

#include "nm_snmp_request2_edits.h"

class NewRequest2EditsForOAM : public NmSNMPRequest2Edits {
  public:
    // column: the descriptor position of the functions-supported octets.
    NewRequest2EditsForOAM(QWidget* form, int column);

  protected:
    void DoRow() override;

  private:
    int column_;
};
