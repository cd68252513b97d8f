// The request engine: reads (get, or a table walk one row per call) and writes (set) of a
// variable list, synchronous or asynchronous, with every outcome turned into a code and a text.
// Table walks use get-bulk with SNMPv2c and SNMPv3 and get-next with SNMPv1; one answer may
// carry several rows, which the following calls hand out without asking the agent again.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "nm_snmp_var_list.h"
#include "session.h"
#include "snmp_types.h"
#include "walk_assembly.h"

class NmSNMPRequest {
  public:
    // Called with the error record and the list once per answer (or time-out).
    using Handler = std::function<void(NmSNMPError&, NmSNMPVarList&)>;

    NmSNMPRequest();
    // Stops sending and waits (WaitUntil, at most 6000 ms) until the outstanding replies have
    // been handled.
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
    // Rows per get-bulk of a table walk: -1 chosen from the columns, 0 get-next walks
    // (DefaultMaxRepetitions when the request is made). SNMPv1 always walks with get-next.
    std::int32_t MaxRepetitions;

    // Synchronous read; first starts a read or walk, otherwise the walk goes on from the cursors.
    // Returns true when the answer carried a table row.
    bool Get(bool& ok, bool first);
    // The handler runs once per table row (Finished false), and once more at the end of a walk
    // or on a failure (Finished true); for other kinds once per answer.
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

    // The longest a walk may grow before it is stopped (-531).
    static constexpr long kMaxWalkRows = 1000000;

  private:
    enum class BuildMode { Read, Continue, Write };
    struct ReplyContext;
    enum class WalkOutcome { Rows, Retry, Failed };
    // The state of the table walk under way.
    struct Walk {
        bool started = false;
        bool finished = false;  // every column has left its table
        bool endedByNoSuchName = false;
        bool failed = false;  // a failure waits to be handed to the handler
        NmSNMPError failure;
        std::vector<int> items;  // the list position of each walk column
        std::vector<WalkColumn> columns;
        std::vector<bool> endShown;     // the column's end has been written into its item
        std::vector<std::size_t> sent;  // the columns the request in flight asked for
        int repetitions = 0;            // of the request in flight; 0 for get-next
        std::size_t suffixOctets = 0;   // longest row instance seen, encoded
        std::deque<WalkRow> rows;       // assembled, not yet handed out
        long delivered = 0;
        int quiet = 0;  // answers in a row that gave nothing
        std::uint64_t generation = 0;
        NmSNMPDevice agent;
        Handler handler;
    };

    // Table walks (nm_snmp_request_walk.cpp).
    void startWalk(bool fromCursors);
    bool walkGet(bool& ok, bool first);
    void walkGetAsync(bool& ok, Handler handler, bool first);
    int walkRepetitions() const;
    int estimatedRepetitions() const;
    SnmpPdu walkPdu(PduType& type);
    WalkOutcome takeWalkAnswer(const SnmpResponse& response, int status, int& code,
                               std::string& text);
    void fallBack();
    void applyNextRow();
    void endWalkValues();
    // The index of the row the values show, empty when it cannot be coded.
    std::string shownRowText();
    bool sendWalk(int& code, std::string& text);
    void completeWalk(std::uint64_t generation, const SnmpResponse& response);
    void dispatchWalk();
    void deliverWalkStep();
    void failWalk(int code, const std::string& text, int errorIndex = 0);

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

    Walk walk_;
    // After an agent refused a get-bulk: the most repetitions still tried (0: no limit), or
    // get-next alone. Kept for the request's later walks.
    int bulkCeiling_ = 0;
    bool getNextOnly_ = false;
    int dispatchDepth_ = 0;
    bool dispatchAgain_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
