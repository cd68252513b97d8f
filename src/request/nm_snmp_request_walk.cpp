// Table walks of the request engine: get-bulk (SNMPv2c, SNMPv3) or get-next requests, rows put
// together from the answers, smaller requests after a refused get-bulk, and the rows handed out
// one per call, synchronously or through the handler.
#include <QTimer>
#include <algorithm>

#include "messages.h"
#include "nm_snmp_request.h"
#include "request_log.h"

namespace {

const char* const kNotDone = "(NOTDONE)";
constexpr int kNoSuchName = 2;  // the agent's error-status at the end of an SNMPv1 view

// An answer fits one Ethernet frame: 1500 octets less the IP and UDP headers.
constexpr int kFramePayload = 1472;
constexpr int kMostRepetitions = 64;
// Answers that bring neither a row nor a column end cannot go on for ever.
constexpr int kMostQuietAnswers = 64;
// OIDs in status texts are cut to this many characters.
constexpr std::size_t kOidTextLength = 64;

int berArcLength(std::uint32_t arc) {
    int n = 1;
    while (arc >>= 7)
        ++n;
    return n;
}

int berArcsLength(const Oid& arcs) {
    int n = 0;
    for (std::uint32_t arc : arcs)
        n += berArcLength(arc);
    return n;
}

int berOidLength(const Oid& oid) {
    if (oid.size() < 2)
        return static_cast<int>(oid.size());
    int n = berArcLength(oid[0] * 40 + oid[1]);
    for (std::size_t i = 2; i < oid.size(); ++i)
        n += berArcLength(oid[i]);
    return n;
}

// Octets of an ordinary value of a syntax, tag and length included.
int ordinaryValueLength(std::uint32_t syntax) {
    switch (syntax) {
        case synBoolean:
        case synInteger:
        case synCounter32:
        case synGauge32:
        case synTimeTicks:
        case synUInteger32:
        case synIpAddress:
        case synIpAddress2:
        case synPartBool8:
        case synPartInt8:
        case synPartUInt8:
        case synPartBool16:
        case synPartUInt16:
        case synPartUInt16b:
            return 6;
        case synCounter64:
        case synMacAddress:
        case synDateAndTime:
        case synDateTimeValue:
            return 11;
        case synNull:
            return 2;
        default:  // texts, octet strings, OIDs, port lists: a short one
            return 24;
    }
}

std::string shortOid(const Oid& oid) {
    std::string text = oidToString(oid);
    if (text.size() > kOidTextLength)
        text = text.substr(0, kOidTextLength - 3) + "...";
    return text;
}

}  // namespace

void NmSNMPRequest::startWalk(bool fromCursors) {
    const std::uint64_t generation = walk_.generation + 1;
    walk_ = Walk{};
    walk_.generation = generation;
    walk_.started = true;
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        SNMPVarItem& item = VarList.Item(i);
        WalkColumn column;
        column.base = oidFromString(VarList.BaseOid(i));
        column.cursor = column.base;
        if (fromCursors) {
            Oid cursor;
            if (parseOid(item.Cursor, cursor))
                column.cursor = cursor;
        } else {
            item.Cursor.clear();
        }
        walk_.items.push_back(i);
        walk_.columns.push_back(std::move(column));
    }
    walk_.endShown.assign(walk_.columns.size(), false);
    walk_.finished = walk_.columns.empty();
}

int NmSNMPRequest::walkRepetitions() const {
    if (Security.Version == 0 || MaxRepetitions == 0 || getNextOnly_)
        return 0;
    int m = MaxRepetitions > 0 ? MaxRepetitions : estimatedRepetitions();
    if (bulkCeiling_ > 0)
        m = std::min(m, bulkCeiling_);
    return std::max(m, 1);
}

int NmSNMPRequest::estimatedRepetitions() const {
    int overhead = 0;
    if (Security.Version == 3)
        overhead = 160 + static_cast<int>(Security.SecurityName.size() + Scope.ContextName.size() +
                                          Scope.ContextEngineID.size());
    else
        overhead = 32 + static_cast<int>(Security.ReadCommunity.size());
    const int suffix = static_cast<int>(
        std::max<std::size_t>(walk_.suffixOctets, 2 * std::max(1, VarList.IndexCount)));
    int row = 0;
    for (std::size_t c = 0; c < walk_.columns.size(); ++c) {
        if (walk_.columns[c].ended)
            continue;
        // A binding's sequence and the OID's tag and length, the OID, the value.
        row += 4 + berOidLength(walk_.columns[c].base) + suffix +
               ordinaryValueLength(VarList.Item(walk_.items[c]).Syntax);
    }
    if (row <= 0)
        return kMostRepetitions;
    return std::clamp((kFramePayload - overhead) / row, 1, kMostRepetitions);
}

SnmpPdu NmSNMPRequest::walkPdu(PduType& type) {
    SnmpPdu pdu;
    preparePdu(pdu, Security, Scope);
    walk_.sent.clear();
    for (std::size_t c = 0; c < walk_.columns.size(); ++c) {
        if (walk_.columns[c].ended)
            continue;
        walk_.sent.push_back(c);
        pdu.vbs.push_back({walk_.columns[c].cursor, SnmpValue::null()});
    }
    walk_.repetitions = walkRepetitions();
    type = walk_.repetitions > 0 ? PduType::GetBulk : PduType::GetNext;
    pdu.nonRepeaters = 0;
    pdu.maxRepetitions = walk_.repetitions;
    return pdu;
}

void NmSNMPRequest::fallBack() {
    // Half the rows, down to one, then get-next; the request keeps what worked.
    if (walk_.repetitions > 1)
        bulkCeiling_ = walk_.repetitions / 2;
    else
        getNextOnly_ = true;
    qCDebug(lcRequest, "get-bulk of %d rows refused: %s", walk_.repetitions,
            getNextOnly_ ? "get-next from now on"
                         : ("at most " + std::to_string(bulkCeiling_) + " rows").c_str());
}

NmSNMPRequest::WalkOutcome NmSNMPRequest::takeWalkAnswer(const SnmpResponse& response, int status,
                                                         int& code, std::string& text) {
    TranslateStatus(status, code, text);
    const bool bulk = walk_.repetitions > 0;
    if (status != 0) {
        const bool agentStatus = status >= 1 && status <= 18;
        if (agentStatus && bulk) {
            fallBack();
            return WalkOutcome::Retry;
        }
        if (status == kNoSuchName) {
            // SNMPv1 ends a column at the end of the agent's view this way: that column is
            // done, the others go on. An index that names no column ends them all.
            const int k = response.errorIndex - 1;
            if (k >= 0 && static_cast<std::size_t>(k) < walk_.sent.size()) {
                walk_.columns[walk_.sent[static_cast<std::size_t>(k)]].ended = true;
            } else {
                for (WalkColumn& c : walk_.columns)
                    c.ended = true;
            }
            if (std::all_of(walk_.columns.begin(), walk_.columns.end(),
                            [](const WalkColumn& c) { return c.ended; })) {
                walk_.finished = true;
                walk_.endedByNoSuchName = true;
            }
            return WalkOutcome::Retry;
        }
        return WalkOutcome::Failed;
    }
    // A get-next answer holds one binding per column asked, a get-bulk answer at most the
    // repetitions asked for: more, or a get-next answer with fewer, is not this request's.
    const std::size_t most =
        walk_.sent.size() * static_cast<std::size_t>(std::max(1, walk_.repetitions));
    if (response.vbs.size() > most || (!bulk && response.vbs.size() != walk_.sent.size())) {
        code = kAnswerMismatch;
        text = nmSnmpText(code);
        return WalkOutcome::Failed;
    }
    WalkAssembly assembly = assembleRows(walk_.columns, response.vbs);
    if (assembly.refused) {
        // The rows before the fault are good; they come out before the failure.
        for (WalkRow& row : assembly.rows)
            walk_.rows.push_back(std::move(row));
        code = kWalkNotIncreasing;
        text = replaceAll(replaceAll(nmSnmpText(code), "[ANSWER]", shortOid(assembly.answered)),
                          "[ASKED]", shortOid(assembly.asked));
        return WalkOutcome::Failed;
    }
    for (WalkRow& row : assembly.rows) {
        walk_.suffixOctets =
            std::max(walk_.suffixOctets, static_cast<std::size_t>(berArcsLength(row.suffix)));
        walk_.rows.push_back(std::move(row));
    }
    walk_.finished = std::all_of(walk_.columns.begin(), walk_.columns.end(),
                                 [](const WalkColumn& c) { return c.ended; });
    if (assembly.progressed) {
        walk_.quiet = 0;
        return WalkOutcome::Rows;
    }
    if (bulk) {
        fallBack();
        return WalkOutcome::Retry;
    }
    code = kAnswerMismatch;
    text = nmSnmpText(code);
    return WalkOutcome::Failed;
}

std::string NmSNMPRequest::shownRowText() {
    try {
        return RowIndexText();
    } catch (const NmSNMPException&) {
        return {};
    }
}

void NmSNMPRequest::applyNextRow() {
    WalkRow row = std::move(walk_.rows.front());
    walk_.rows.pop_front();
    ++walk_.delivered;
    // An ended column restarts from the row before; coded before this row changes the index.
    const std::string previousRow = shownRowText();
    for (std::size_t c = 0; c < walk_.columns.size(); ++c) {
        const int i = walk_.items[c];
        SNMPVarItem& item = VarList.Item(i);
        switch (row.cells[c]) {
            case WalkCell::Value:
                ReceivedToText(i, row.values[c]);
                item.Cursor = oidToString(row.values[c].oid);
                break;
            case WalkCell::EndsHere:
                item.Cursor = VarList.BaseOid(i) + (previousRow.empty() ? "" : "." + previousRow);
                walk_.endShown[c] = true;
                item.Value = kNotDone;
                break;
            case WalkCell::Missing:
            case WalkCell::Ended:
                item.Value = kNotDone;
                break;
        }
    }
    DecodeRow(oidToString(row.suffix));
    for (int i = 0; i < VarList.Count(); ++i)
        ApplyExpression(i, true);
}

void NmSNMPRequest::endWalkValues() {
    const std::string previousRow = shownRowText();
    for (std::size_t c = 0; c < walk_.columns.size(); ++c) {
        const int i = walk_.items[c];
        SNMPVarItem& item = VarList.Item(i);
        item.Value = kNotDone;
        if (!walk_.endShown[c]) {
            item.Cursor = VarList.BaseOid(i) + (previousRow.empty() ? "" : "." + previousRow);
            walk_.endShown[c] = true;
        }
    }
}

bool NmSNMPRequest::walkGet(bool& ok, bool first) {
    if (first || !walk_.started)
        startWalk(!first);
    for (;;) {
        if (!walk_.rows.empty()) {
            if (walk_.delivered >= kMaxWalkRows) {
                walk_.rows.clear();
                walk_.failed = false;
                walk_.finished = true;
                ok = false;
                report(kWalkTooLong, replaceAll(nmSnmpText(kWalkTooLong), "[COUNT]",
                                                std::to_string(walk_.delivered)));
                return false;
            }
            applyNextRow();
            return true;
        }
        if (walk_.failed) {
            // The rows the failing answer brought before its fault have been handed out.
            walk_.failed = false;
            walk_.finished = true;
            ok = false;
            report(walk_.failure.Code, walk_.failure.Text);
            endWalkValues();
            return false;
        }
        if (walk_.finished) {
            endWalkValues();
            if (walk_.endedByNoSuchName)
                ok = false;
            return false;
        }
        int code = 0;
        std::string text;
        WalkOutcome outcome = WalkOutcome::Failed;
        if (++walk_.quiet > kMostQuietAnswers) {
            code = kAnswerMismatch;
            text = nmSnmpText(code);
        } else {
            const SnmpTarget t = target();
            PduType type;
            const SnmpPdu pdu = walkPdu(type);
            SnmpResponse response;
            const int status = GlobalSession->syncRequest(type, t, pdu, response);
            walk_.agent = response.agent;
            outcome = takeWalkAnswer(response, status, code, text);
        }
        if (outcome == WalkOutcome::Failed)
            failWalk(code, text);
    }
}

void NmSNMPRequest::walkGetAsync(bool& ok, Handler handler, bool first) {
    if (first || !walk_.started)
        startWalk(!first);
    walk_.handler = std::move(handler);
    if (!walk_.rows.empty() || walk_.finished || walk_.failed) {
        // Nothing to ask: the handler runs from the event loop, as for an answer.
        ++PendingReplies;
        if (dispatchDepth_ > 0) {
            dispatchAgain_ = true;
        } else {
            QTimer::singleShot(0, [this, alive = alive_] {
                if (*alive)
                    dispatchWalk();
            });
        }
        return;
    }
    int code = 0;
    std::string text;
    ok = sendWalk(code, text);
    if (!ok)
        report(code, text);
}

bool NmSNMPRequest::sendWalk(int& code, std::string& text) {
    if (++walk_.quiet > kMostQuietAnswers) {
        code = kAnswerMismatch;
        text = nmSnmpText(code);
        return false;
    }
    const SnmpTarget t = target();
    PduType type;
    const SnmpPdu pdu = walkPdu(type);
    const std::uint64_t generation = walk_.generation;
    const int status = GlobalSession->asyncRequest(
        type, t, pdu, [this, generation](const SnmpResponse& r) { completeWalk(generation, r); },
        this);
    if (status != 0) {
        TranslateStatus(status, code, text);
        return false;
    }
    ++PendingReplies;
    return true;
}

void NmSNMPRequest::failWalk(int code, const std::string& text, int errorIndex) {
    qCDebug(lcRequest, "walk of %s failed after %ld rows: %d", VarList.Name.c_str(),
            walk_.delivered, code);
    walk_.failed = true;
    walk_.failure = NmSNMPError{};
    walk_.failure.Code = code;
    walk_.failure.Text = text;
    walk_.failure.ErrorIndex = errorIndex;
}

void NmSNMPRequest::completeWalk(std::uint64_t generation, const SnmpResponse& response) {
    if (generation != walk_.generation) {
        --PendingReplies;  // a walk that has been started over since
        return;
    }
    walk_.agent = response.agent;
    try {
        int code = 0;
        std::string text;
        const WalkOutcome outcome = takeWalkAnswer(response, response.status, code, text);
        if (outcome == WalkOutcome::Failed) {
            failWalk(code, text, response.errorIndex);
        } else if (walk_.rows.empty() && !walk_.finished) {
            // Nothing to hand out yet (a smaller request, or a column's end alone): ask again.
            if (!Active) {
                failWalk(kRequestInactive, nmSnmpText(kRequestInactive));
            } else if (sendWalk(code, text)) {
                --PendingReplies;  // this answer is done; the new request counts instead
                return;
            } else {
                failWalk(code, text);
            }
        }
    } catch (const NmSNMPException& e) {
        failWalk(e.code(), e.text());
    }
    dispatchWalk();
}

void NmSNMPRequest::dispatchWalk() {
    // A handler that asks for the next row while rows are waiting gets it from this loop, not
    // from a call inside its own.
    const std::shared_ptr<bool> alive = alive_;
    do {
        dispatchAgain_ = false;
        ++dispatchDepth_;
        deliverWalkStep();
        if (!*alive)
            return;
        --dispatchDepth_;
    } while (dispatchAgain_);
}

void NmSNMPRequest::deliverWalkStep() {
    NmSNMPError record;
    record.Agent = walk_.agent;
    record.Code = 0;
    record.Text = nmSnmpText(0);
    record.Finished = true;
    try {
        if (!walk_.rows.empty()) {
            if (walk_.delivered >= kMaxWalkRows) {
                walk_.rows.clear();
                walk_.failed = false;
                walk_.finished = true;
                record.Code = kWalkTooLong;
                record.Text = replaceAll(nmSnmpText(kWalkTooLong), "[COUNT]",
                                         std::to_string(walk_.delivered));
            } else {
                applyNextRow();
                record.Finished = false;
            }
        } else if (walk_.failed) {
            // After the rows the failing answer brought before its fault.
            const NmSNMPDevice agent = record.Agent;
            record = walk_.failure;
            record.Agent = agent;
            record.Finished = true;
            walk_.failed = false;
            walk_.finished = true;
        }
    } catch (const NmSNMPException& e) {
        // Nothing above the event loop could catch it: it becomes the answer's outcome.
        walk_.rows.clear();
        walk_.failed = false;
        walk_.finished = true;
        record.Code = e.code();
        record.Text = e.text();
        record.Finished = true;
    }
    const Handler handler = walk_.handler;
    const std::shared_ptr<bool> alive = alive_;
    if (handler)
        handler(record, VarList);
    if (*alive)
        --PendingReplies;
}
