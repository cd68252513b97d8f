// The request engine: reads (get, or a get-next walk one row per call) and writes (set) of a
// variable list, synchronous or asynchronous, with every outcome turned into a code and a text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "nm_snmp_var_list.h"
#include "session.h"
#include "snmp_types.h"

class NmSNMPRequest {
  public:
    // Called with the error record and the list once per answer (or time-out).
    using Handler = std::function<void(NmSNMPError&, NmSNMPVarList&)>;

    NmSNMPRequest();
    // Stops sending and waits (at most 6000 ms) until the outstanding replies have been handled.
    virtual ~NmSNMPRequest();
    NmSNMPRequest(const NmSNMPRequest&) = delete;
    NmSNMPRequest& operator=(const NmSNMPRequest&) = delete;

    std::function<void(NmSNMPError*)> OnError;
    bool GetNextForInstances = false;
    std::int32_t Timeout;
    std::int32_t Retries = 1;
    NmSNMPDevice Device;
    NmSNMPScope Scope;
    NmSNMPSecurity Security;
    NmSNMPVarList VarList;
    std::string RowFilter;
    bool Active = true;
    std::int32_t PendingReplies = 0;
    std::uint64_t ErrorSequence = 0;

    // Synchronous read; first starts a read or walk, otherwise the walk goes on from the cursors.
    // Returns true when the answer carried a table row.
    bool Get(bool& ok, bool first);
    void GetAsync(bool& ok, Handler handler, void* owner, bool first);
    // Synchronous write of the settable items, or of the items listed in selection ("2,0"),
    // with values parallel to it when given. The list is left as it was.
    bool Set(bool& ok, NmSNMPError& error, bool readBack, const std::string& selection,
             const std::vector<std::string>* values);
    void SetAsync(bool& ok, Handler handler, void* owner, bool readBack,
                  const std::string& selection, const std::vector<std::string>* values);

    // Overridable conversion and filter hooks, in slot order.
    virtual std::string SubstituteValues(const std::string& expression, const std::string& marker,
                                         bool quote);
    virtual std::string DecodeIndex(int position, const std::string& suffix);
    virtual std::string EncodeIndex(int position);
    virtual void ReceivedToText(int position, const VarBind& received);
    virtual SnmpValue TextToSent(int position);
    virtual void ApplyExpression(int position, bool afterRead);
    virtual bool AcceptRow(const std::string& filter);
    virtual bool IsColumnEnd(const std::string& base, const std::string& cursor,
                             const std::string& returned);

    // Decodes a row's instance suffix into the index items.
    void DecodeRow(const std::string& suffix);
    // The row index text: EncodeIndex of each index column, joined with ".".
    std::string RowIndexText();

  private:
    enum class BuildMode { Read, Continue, Write };
    struct ReplyContext;

    SnmpPdu buildPdu(BuildMode mode);
    bool chooseReadOperation(PduType& type);
    bool absorb(const std::vector<VarBind>& answer, bool syncTableNoSuchName);
    void report(int code, const std::string& text);
    void complete(const ReplyContext& context, const SnmpResponse& response);
    // Hands an asynchronous request over; false (and a report) when it could not be sent.
    bool sendAsync(PduType type, const SnmpTarget& target, const SnmpPdu& pdu,
                   ReplyContext context);
    // The write PDU for a selection; the list is as it was afterwards.
    SnmpPdu prepareWrite(const std::string& selection, const std::vector<std::string>* values,
                         SnmpTarget& target);
    // Marks the selection and puts the values in; the caller restores the list.
    void applySelection(const std::string& selection, const std::vector<std::string>* values);
    SnmpTarget target() const;
};
