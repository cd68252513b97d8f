// The request cycle around the session: PDU building in three modes, absorbing answers into the
// list's items, walk ends, reporting, and the asynchronous completion.
#include "nm_snmp_request.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "bounded_wait.h"
#include "expression.h"
#include "messages.h"
#include "nm_num_list.h"
#include "scope_exit.h"
#include "value_conversion.h"

namespace {

constexpr int kNoSuchName = -102;
const char* const kNotDone = "(NOTDONE)";

bool isBooleanSyntax(std::uint32_t s) {
    return s == synBoolean || s == synPartBool8 || s == synPartBool16;
}
bool isIntegerSyntax(std::uint32_t s) {
    switch (s) {
        case synInteger:
        case synCounter32:
        case synGauge32:
        case synUInteger32:
        case synPartInt8:
        case synPartUInt8:
        case synPartUInt16:
        case synPartUInt16b:
            return true;
        default:
            return false;
    }
}
// The bindings that were sent, with null values: what a failed exchange leaves.
std::vector<VarBind> nullAnswer(const std::vector<VarBind>& sent) {
    std::vector<VarBind> answer;
    for (const VarBind& vb : sent)
        answer.push_back({vb.oid, SnmpValue::null()});
    return answer;
}

std::vector<VarBind> answerOf(const SnmpResponse& response, int status, const SnmpPdu& sent) {
    if (!response.vbs.empty() || status == 0)
        return response.vbs;
    return nullAnswer(sent.vbs);
}

// An answer to a get names the objects asked, in their order; one to a get-next as many
// objects, each past the one asked. Anything else is no data for these items.
bool answerFits(PduType type, const std::vector<VarBind>& asked,
                const std::vector<VarBind>& answer) {
    if (answer.size() != asked.size())
        return false;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        if (type == PduType::Get ? answer[i].oid != asked[i].oid
                                 : !oidLess(asked[i].oid, answer[i].oid))
            return false;
    }
    return true;
}

bool isDateSyntax(std::uint32_t s) {
    return s == synDateAndTime || s == synDateTimeValue;
}

}  // namespace

struct NmSNMPRequest::ReplyContext {
    bool readBack = false;
    Handler handler;
    // A read: its kind and the bindings it asked for, to judge the answer by.
    bool read = false;
    PduType type = PduType::Get;
    std::vector<VarBind> asked;
};

NmSNMPRequest::NmSNMPRequest()
    : Timeout(DefaultTimeout),
      Device(DefaultDevice),
      Scope(DefaultScope),
      Security(DefaultSecurity),
      MaxRepetitions(DefaultMaxRepetitions) {}

NmSNMPRequest::~NmSNMPRequest() {
    Active = false;
    // The event pump delivers what is outstanding; with the default time-out and retries no
    // reply takes longer than the limit.
    WaitUntil([this] { return PendingReplies <= 0; }, std::chrono::milliseconds(6000));
    // A reply that outlives the wait finds nobody.
    if (GlobalSession)
        GlobalSession->forgetOwner(this);
    *alive_ = false;
}

SnmpTarget NmSNMPRequest::target() const {
    return prepareTarget(Device, Security, Timeout, Retries);
}

std::string NmSNMPRequest::RowIndexText() {
    std::string text;
    for (int i = 0; i < VarList.IndexCount && i < VarList.Count(); ++i) {
        if (i)
            text += '.';
        text += EncodeIndex(i);
    }
    return text;
}

SnmpPdu NmSNMPRequest::buildPdu(BuildMode mode) {
    SnmpPdu pdu;
    preparePdu(pdu, Security, Scope);
    const std::uint8_t kind = VarList.Kind;
    std::string rowIndex;
    bool rowIndexBuilt = false;
    for (int i = 0; i < VarList.Count(); ++i) {
        SNMPVarItem& item = VarList.Item(i);
        const std::string base = VarList.BaseOid(i);
        std::string oidText;
        SnmpValue value;
        switch (mode) {
            case BuildMode::Read:
                if (!VarList.IsReadable(i))
                    continue;
                item.Cursor.clear();
                oidText = kind == vlScalar ? base + ".0" : base;
                break;
            case BuildMode::Continue:
                if (!VarList.IsReadable(i))
                    continue;
                if (kind == vlScalar || kind == vlInstances)
                    raiseNmSnmpError(nmGetNextOnScalars);
                oidText = item.Cursor;
                break;
            case BuildMode::Write:
                if (VarList.IsTableKind() && i < VarList.IndexCount)
                    continue;
                if (!VarList.IsSettable(i))
                    continue;
                if (kind == vlScalar) {
                    oidText = base + ".0";
                } else if (kind == vlInstances) {
                    oidText = base;
                } else if (VarList.IsTableKind()) {
                    if (!rowIndexBuilt) {
                        rowIndex = RowIndexText();
                        rowIndexBuilt = true;
                    }
                    oidText = base + "." + rowIndex;
                } else {
                    raiseNmSnmpError(nmBadListKind);
                }
                value = TextToSent(i);
                break;
        }
        VarBind vb;
        vb.oid = oidFromString(oidText);
        vb.value = value;
        pdu.vbs.push_back(std::move(vb));
    }
    return pdu;
}

bool NmSNMPRequest::chooseReadOperation(PduType& type) {
    switch (VarList.Kind) {
        case vlScalar:
            type = PduType::Get;
            return true;
        case vlInstances:
            type = GetNextForInstances ? PduType::GetNext : PduType::Get;
            return true;
        case vlTable:
        case vlTableRows:
            type = PduType::GetNext;
            return true;
        default:
            return false;
    }
}

void NmSNMPRequest::report(int code, const std::string& text) {
    ++ErrorSequence;
    NmSNMPError record;
    record.Code = code;
    record.Text = text;
    record.Sequence = ErrorSequence;
    if (OnError)
        OnError(&record);
}

bool NmSNMPRequest::IsColumnEnd(const std::string& base, const std::string& cursor,
                                const std::string& returned) {
    if (VarList.Kind == vlScalar || VarList.Kind == vlInstances)
        return false;
    const bool inside = returned.size() > base.size() + 1 &&
                        returned.compare(0, base.size(), base) == 0 && returned[base.size()] == '.';
    if (!inside)
        return true;
    return returned == cursor;  // no progress
}

bool NmSNMPRequest::absorb(const std::vector<VarBind>& answer, bool syncTableNoSuchName) {
    int n = 0, e = 0;
    std::string rowSuffix;
    // An ended column restarts from the row decoded out of the previous answer, coded before
    // this answer changes any value: an index column that ends itself would otherwise code
    // "(NOTDONE)" and send the walk back to the table's start.
    std::string previousRow;
    if (VarList.IsTableKind()) {
        try {
            previousRow = RowIndexText();
        } catch (const NmSNMPException&) {
            previousRow.clear();  // no row read yet: the column simply restarts
        }
    }
    for (int i = 0; i < VarList.Count(); ++i) {
        if (!VarList.IsReadable(i))
            continue;
        VarBind vb;
        if (static_cast<std::size_t>(n) < answer.size())
            vb = answer[static_cast<std::size_t>(n)];
        const std::string returned = oidToString(vb.oid);
        SNMPVarItem& item = VarList.Item(i);
        const std::string base = VarList.BaseOid(i);
        if (syncTableNoSuchName) {
            if (item.Cursor == returned)
                return false;  // the agent's view has ended
            int code = 0;
            std::string text;
            TranslateStatus(2, code, text);
            report(code, text);
        }
        const bool ended = IsColumnEnd(base, item.Cursor, returned);
        if (ended) {
            item.Value = kNotDone;
            item.Cursor = previousRow.empty() ? base : base + "." + previousRow;
            ++e;
        } else {
            ReceivedToText(i, vb);
            item.Cursor = returned;
        }
        // The row comes from a binding inside its own column: an ended column's answer
        // belongs to another column and would decode a wrong index.
        if (rowSuffix.empty() && !ended && returned.size() > base.size())
            rowSuffix = returned.substr(base.size() + 1);
        ++n;
    }
    if (e == n)
        return false;
    if (VarList.IsTableKind())
        DecodeRow(rowSuffix);
    for (int i = 0; i < VarList.Count(); ++i)
        ApplyExpression(i, true);
    return VarList.IsTableKind();
}

void NmSNMPRequest::DecodeRow(const std::string& suffix) {
    std::string rest = suffix;
    for (int i = 0; i < VarList.IndexCount && i < VarList.Count(); ++i) {
        if (rest.empty())
            raiseNmSnmpError(nmBadKeyCount);
        if (!VarList.IsReadable(i))
            VarList.Item(i).Cursor = VarList.BaseOid(i) + "." + rest;
        rest = DecodeIndex(i, rest);
    }
}

bool NmSNMPRequest::Get(bool& ok, bool first) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    if (VarList.IsTableKind())
        return walkGet(ok, first);
    const SnmpTarget t = target();
    const SnmpPdu pdu = buildPdu(first ? BuildMode::Read : BuildMode::Continue);
    PduType type;
    if (!chooseReadOperation(type)) {
        report(nmBadListKind, nmSnmpText(nmBadListKind));
        ok = false;
        return false;
    }
    SnmpResponse response;
    const int status = GlobalSession->syncRequest(type, t, pdu, response);
    int code = 0;
    std::string text;
    TranslateStatus(status, code, text);
    const bool mismatch = code == 0 && !answerFits(type, pdu.vbs, response.vbs);
    if (mismatch) {
        code = kAnswerMismatch;
        text = nmSnmpText(code);
    }
    const bool tableNoSuchName = code == kNoSuchName && VarList.IsTableKind();
    if (code != 0) {
        ok = false;
        if (!tableNoSuchName)
            report(code, text);
    }
    return absorb(mismatch ? nullAnswer(pdu.vbs) : answerOf(response, status, pdu),
                  tableNoSuchName);
}

void NmSNMPRequest::GetAsync(bool& ok, Handler handler, void* owner, bool first) {
    (void)owner;
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    if (VarList.IsTableKind()) {
        walkGetAsync(ok, std::move(handler), first);
        return;
    }
    const SnmpTarget t = target();
    const SnmpPdu pdu = buildPdu(first ? BuildMode::Read : BuildMode::Continue);
    PduType type;
    if (!chooseReadOperation(type)) {
        report(nmBadListKind, nmSnmpText(nmBadListKind));
        ok = false;
        return;
    }
    ReplyContext context;
    context.readBack = true;
    context.handler = std::move(handler);
    context.read = true;
    context.type = type;
    context.asked = pdu.vbs;
    ok = sendAsync(type, t, pdu, std::move(context));
}

bool NmSNMPRequest::sendAsync(PduType type, const SnmpTarget& target, const SnmpPdu& pdu,
                              ReplyContext context) {
    const int status = GlobalSession->asyncRequest(
        type, target, pdu, [this, context](const SnmpResponse& r) { complete(context, r); }, this);
    if (status != 0) {
        int code = 0;
        std::string text;
        TranslateStatus(status, code, text);
        report(code, text);
        return false;
    }
    ++PendingReplies;
    return true;
}

void NmSNMPRequest::complete(const ReplyContext& context, const SnmpResponse& response) {
    NmSNMPError record;
    TranslateStatus(response.status, record.Code, record.Text);
    record.ErrorIndex = response.errorIndex;
    record.Agent = response.agent;
    record.Finished = true;
    const bool tableNoSuchName = record.Code == kNoSuchName && VarList.IsTableKind();
    try {
        if (tableNoSuchName) {
            for (int i = 0; i < VarList.Count(); ++i) {
                if (!VarList.IsReadable(i))
                    continue;
                const std::string returned =
                    response.vbs.empty() ? std::string() : oidToString(response.vbs[0].oid);
                if (VarList.Item(i).Cursor == returned) {
                    record.Code = 0;
                    record.Text = nmSnmpText(0);
                }
                break;
            }
        } else if (record.Code == 0 && context.read &&
                   !answerFits(context.type, context.asked, response.vbs)) {
            record.Code = kAnswerMismatch;
            record.Text = nmSnmpText(kAnswerMismatch);
        } else if (record.Code == 0 && context.readBack) {
            record.Finished = !absorb(response.vbs, false);
        }
    } catch (const NmSNMPException& e) {
        // Nothing above the event loop could catch it: it becomes the answer's outcome.
        record.Code = e.code();
        record.Text = e.text();
        record.Finished = true;
    }
    if (context.handler)
        context.handler(record, VarList);
    --PendingReplies;
}

void NmSNMPRequest::applySelection(const std::string& selection,
                                   const std::vector<std::string>* values) {
    if (!selection.empty()) {
        NmNumList<int> positions;
        positions.Delimiter = ',';
        positions.Parse(selection);
        for (int i = 0; i < VarList.Count(); ++i) {
            SNMPVarItem& item = VarList.Item(i);
            const int p = positions.IndexOf(i);
            if (p < 0) {
                item.Flags |= vfExcluded;
                continue;
            }
            item.Flags &= ~vfExcluded;
            if (values && static_cast<std::size_t>(p) < values->size())
                item.Value = (*values)[static_cast<std::size_t>(p)];
        }
    }
    for (int i = 0; i < VarList.Count(); ++i)
        ApplyExpression(i, false);
}

bool NmSNMPRequest::Set(bool& ok, NmSNMPError& error, bool readBack, const std::string& selection,
                        const std::vector<std::string>* values) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    SnmpTarget t;
    const SnmpPdu pdu = prepareWrite(selection, values, t);
    SnmpResponse response;
    const int status = GlobalSession->syncRequest(PduType::Set, t, pdu, response);
    int code = 0;
    std::string text;
    TranslateStatus(status, code, text);
    if (code != 0) {
        ok = false;
        ++ErrorSequence;
        error.Code = code;
        error.Sequence = ErrorSequence;
        error.Text = text;
    }
    return readBack && absorb(answerOf(response, status, pdu), false);
}

void NmSNMPRequest::SetAsync(bool& ok, Handler handler, void* owner, bool readBack,
                             const std::string& selection, const std::vector<std::string>* values) {
    (void)owner;
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    SnmpTarget t;
    const SnmpPdu pdu = prepareWrite(selection, values, t);
    ReplyContext context;
    context.readBack = readBack;
    context.handler = std::move(handler);
    ok = sendAsync(PduType::Set, t, pdu, std::move(context));
}

SnmpPdu NmSNMPRequest::prepareWrite(const std::string& selection,
                                    const std::vector<std::string>* values, SnmpTarget& t) {
    // The selection and its values last for this PDU only; an error must not leave items
    // excluded or with foreign values either.
    const NmSNMPVarList saved = VarList;
    const ScopeExit restore([&] { VarList = saved; });
    applySelection(selection, values);
    t = target();
    return buildPdu(BuildMode::Write);
}

std::string NmSNMPRequest::DecodeIndex(int position, const std::string& suffix) {
    return ::DecodeIndex(VarList, position, suffix);
}

std::string NmSNMPRequest::EncodeIndex(int position) {
    return ::EncodeIndex(VarList, position);
}

void NmSNMPRequest::ReceivedToText(int position, const VarBind& received) {
    ::ReceivedToText(VarList, position, received);
}

SnmpValue NmSNMPRequest::TextToSent(int position) {
    return ::TextToSent(VarList, position);
}

std::string NmSNMPRequest::SubstituteValues(const std::string& expression,
                                            const std::string& marker, bool quote) {
    std::string text = expression;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(marker, from);
        if (at == std::string::npos || marker.empty())
            return text;
        std::size_t end = at + marker.size();
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        if (end == at + marker.size()) {
            from = end;
            continue;
        }
        const int n = std::atoi(text.substr(at + marker.size(), end - at - marker.size()).c_str());
        if (n < 0 || n >= VarList.Count())
            raiseCommonError(-12);
        const SNMPVarItem& item = VarList.Item(n);
        if (item.Value == "(NULL)")
            raiseNmSnmpError(nmNullInExpression);
        std::string value = MapLabelToValue(item.Options, item.Value);
        std::string replacement;
        if (isBooleanSyntax(item.Syntax)) {
            replacement = value == "true" ? "1" : "0";
        } else if (isIntegerSyntax(item.Syntax) || item.Syntax == synCounter64) {
            replacement = value;
        } else if (item.Syntax == synTimeTicks) {
            replacement = std::to_string(TextToTimeTicks(value));
        } else if (isDateSyntax(item.Syntax)) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.10g", TextToDateTimeValue(value));
            replacement = buf;
        } else if (quote) {
            replacement = "\"" + value + "\"";
        } else {
            raiseNmSnmpError(nmBadExpressionSyntax);
        }
        text.replace(at, end - at, replacement);
        from = at + replacement.size();
    }
}

void NmSNMPRequest::ApplyExpression(int position, bool afterRead) {
    SNMPVarItem& item = VarList.Item(position);
    const std::string& expr = afterRead ? item.ReadExpr : item.WriteExpr;
    if (expr.empty())
        return;
    const double v = EvaluateArithmetic(SubstituteValues(expr, "$", false));
    std::string text;
    if (isBooleanSyntax(item.Syntax)) {
        text = v != 0 ? "true" : "false";
    } else if (isIntegerSyntax(item.Syntax)) {
        text = std::to_string(static_cast<long long>(std::llround(v)));
    } else if (item.Syntax == synCounter64) {
        text = Counter64ToText(static_cast<std::uint64_t>(std::llround(std::fabs(v))));
    } else if (item.Syntax == synTimeTicks) {
        text = TimeTicksToText(static_cast<std::uint32_t>(std::llround(std::fabs(v))));
    } else if (item.Syntax == synDouble) {
        text = DoubleToText(v);
    } else if (isDateSyntax(item.Syntax)) {
        text = DateTimeValueToText(v);
    } else {
        raiseNmSnmpError(nmBadExpressionSyntax);
    }
    item.Value = MapValueToLabel(item.Options, text);
}

bool NmSNMPRequest::AcceptRow(const std::string& filter) {
    if (filter.empty())
        return true;
    return EvaluateBoolean(SubstituteValues(filter, "$", true));
}
