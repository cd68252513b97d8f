// Get and set cycles of a binding, in synchronous and asynchronous mode, and their reports.
#include "nm_snmp_request2_controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "binding_log.h"
#include "bounded_wait.h"
#include "message_box.h"
#include "messages.h"
#include "scope_exit.h"

namespace {

// Collects the error record a synchronous call reports, and passes it on to the request's
// own error function.
class ErrorCapture {
  public:
    explicit ErrorCapture(NmSNMPRequest& request) : request_(request), saved_(request.OnError) {
        request_.OnError = [this](NmSNMPError* e) {
            captured = true;
            last = *e;
            if (saved_)
                saved_(e);
        };
    }
    ~ErrorCapture() { request_.OnError = saved_; }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    bool captured = false;
    NmSNMPError last;

  private:
    NmSNMPRequest& request_;
    std::function<void(NmSNMPError*)> saved_;
};

}  // namespace

NmSNMPRequest2Controls::NmSNMPRequest2Controls(QWidget* form) : Form(form) {}

NmSNMPRequest2Controls::~NmSNMPRequest2Controls() {
    Shutdown();
}

void NmSNMPRequest2Controls::Shutdown() {
    // The reply handlers share alive_: from now on a reply finds nobody and is dropped.
    *alive_ = false;
    Request.Active = false;
}

bool NmSNMPRequest2Controls::StopAndWait(std::chrono::milliseconds limit) {
    Request.Active = false;
    return WaitUntil([this] { return !Busy; }, limit);
}

ErrorReport NmSNMPRequest2Controls::MessagePath() {
    return [this](const std::string& text) { reportException(text); };
}

ErrorReport NmSNMPRequest2Controls::StatusLine() {
    return [this](const std::string& text) { ShowStatus(text); };
}

void NmSNMPRequest2Controls::SetStatusTarget(QWidget* target) {
    if (target && !qobject_cast<QPlainTextEdit*>(target) && !qobject_cast<QStatusBar*>(target) &&
        !qobject_cast<QLabel*>(target))
        raiseNmSnmpError(nmBadControlType);
    statusTarget_ = target;
}

void NmSNMPRequest2Controls::ShowStatus(const std::string& message) {
    const QString line =
        QString::fromStdString(ComposeStatusLine(LastOp, Request.VarList.Name, message));
    if (auto* memo = qobject_cast<QPlainTextEdit*>(statusTarget_.data()))
        memo->appendPlainText(line);
    else if (auto* bar = qobject_cast<QStatusBar*>(statusTarget_.data()))
        bar->showMessage(line);
    else if (auto* panel = qobject_cast<QLabel*>(statusTarget_.data()))
        panel->setText(line);
}

void NmSNMPRequest2Controls::ShowMessageText(const std::string& text, bool error) {
    ShowMessage(error ? MessageKind::Error : MessageKind::Information, QString::fromStdString(text),
                Form.data());
}

void NmSNMPRequest2Controls::DoGetReport(NmSNMPError& error) {
    LastOp = 0;
    if (statusTarget_)
        ShowStatus(error.Text);
    else
        ShowMessageText(error.Text, error.Code != 0);
}

void NmSNMPRequest2Controls::DoSetReport(NmSNMPError& error) {
    LastOp = 1;
    if (error.Code != 0)
        ShowMessageText(error.Text, true);
    else if (statusTarget_)
        ShowStatus(error.Text);
    else
        ShowMessageText(error.Text, false);
}

NmSNMPRequest::Handler NmSNMPRequest2Controls::replyHandler(
    void (NmSNMPRequest2Controls::*member)(NmSNMPError&)) {
    return [this, member, alive = alive_](NmSNMPError& e, NmSNMPVarList&) {
        if (*alive)
            (this->*member)(e);
    };
}

bool NmSNMPRequest2Controls::acceptRow() {
    return Request.AcceptRow(Request.RowFilter);
}

// ---- get ----

bool NmSNMPRequest2Controls::Get() {
    qCDebug(lcBinding, "get %s, %s", Request.VarList.Name.c_str(),
            Async ? "asynchronous" : "synchronous");
    LastOp = 0;
    DoBeforeGet();
    RowCount = 0;
    if (Async) {
        Busy = true;
        if (!Request.Active) {
            ReadStopped();
            Busy = false;
            return false;
        }
        bool ok = false;
        {
            const ScopeFail raised([&] {
                ReadStopped();
                Busy = false;
            });
            Request.GetAsync(ok, replyHandler(&NmSNMPRequest2Controls::onGetReply), this, true);
        }
        if (!ok) {
            ReadStopped();
            Busy = false;
        }
        return ok;
    }

    Busy = true;
    const bool wasActive = Request.Active;
    ErrorCapture capture(Request);
    bool ok = false;
    {
        const ScopeFail raised([&] {
            ReadStopped();
            Busy = false;
        });
        if (Request.VarList.IsTableKind()) {
            // Each step either reads a row or ends the walk; an inactive request ends it too.
            for (bool first = true;; first = false) {
                if (!Request.Get(ok, first))
                    break;
                if (ok && acceptRow()) {
                    DoRow();
                    ++RowCount;
                }
            }
        } else {
            Request.Get(ok, true);
            if (ok && acceptRow()) {
                DoRow();
                ++RowCount;
            }
        }
    }
    // An SNMPv1 agent ends a walk with noSuchName: not ok, but no error either.
    const bool succeeded = wasActive && Request.Active && !capture.captured;
    ReadStopped();
    DoAfterGet();
    Busy = false;
    if (statusTarget_) {
        if (succeeded)
            ShowStatus(nmSnmpText(0));
        else if (capture.captured)
            DoGetReport(capture.last);  // a failed read must not leave an old "Ok." standing
    }
    return succeeded;
}

void NmSNMPRequest2Controls::onGetReply(NmSNMPError& error) {
    if (error.Code != 0) {
        failGet(error);
        return;
    }
    // A reply has no caller to raise to: a failure ends the read and is reported.
    const ErrorReport endRead = [this](const std::string& text) {
        ReadStopped();
        Busy = false;
        LastOp = 0;
        reportException(text);
    };
    Guarded([&] { continueGet(error); }, endRead);
}

void NmSNMPRequest2Controls::continueGet(NmSNMPError& error) {
    if (!Request.VarList.IsTableKind() || !error.Finished) {
        if (acceptRow()) {
            DoRow();
            ++RowCount;
        }
    }
    if (!Request.VarList.IsTableKind() || error.Finished) {
        finishGet();
        return;
    }
    if (Request.Active) {
        startNextRow();
        return;
    }
    ReadStopped();
    DoAfterGet();
    Busy = false;
    NmSNMPError stopped = error;
    stopped.Text = nmSnmpText(kRequestInactive);
    if (statusTarget_) {
        LastOp = 0;
        if (Request.OnError)
            Request.OnError(&stopped);
        else
            ShowStatus(stopped.Text);
    }
    if (OnEndGet)
        OnEndGet(stopped);
}

void NmSNMPRequest2Controls::startNextRow() {
    bool ok = false;
    ErrorCapture capture(Request);
    Request.GetAsync(ok, replyHandler(&NmSNMPRequest2Controls::onGetReply), this, false);
    if (ok)
        return;
    // Nothing else would ever end this read.
    NmSNMPError error = capture.last;
    if (!capture.captured)
        error.Text = nmSnmpText(kRequestInactive);
    failGet(error);
}

void NmSNMPRequest2Controls::finishGet() {
    qCDebug(lcBinding, "get %s done, %d rows", Request.VarList.Name.c_str(), RowCount);
    ReadStopped();
    DoAfterGet();
    Busy = false;
    NmSNMPError done;
    done.Text = nmSnmpText(0);
    done.Finished = true;
    if (statusTarget_) {
        LastOp = 0;
        ShowStatus(done.Text);
    }
    if (OnEndGet)
        OnEndGet(done);
}

void NmSNMPRequest2Controls::failGet(NmSNMPError& error) {
    qCDebug(lcBinding, "get %s failed after %d rows: %d", Request.VarList.Name.c_str(), RowCount,
            error.Code);
    ReadStopped();
    Busy = false;
    LastOp = 0;
    if (OnEndGet)
        OnEndGet(error);
    else
        DoGetReport(error);
}

void NmSNMPRequest2Controls::reportException(const std::string& text) {
    if (statusTarget_)
        ShowStatus(text);
    else
        ShowMessageText(text, true);
}

// ---- set ----

bool NmSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& selection,
                                 const std::vector<std::string>* values) {
    qCDebug(lcBinding, "set %s, %s", Request.VarList.Name.c_str(),
            Async ? "asynchronous" : "synchronous");
    LastOp = 1;
    RefreshAfterSet = refresh;
    DoBeforeSet();
    if (collect)
        DoCollect();
    if (Async) {
        Busy = true;
        if (!Request.Active) {
            Busy = false;
            return false;
        }
        bool ok = false;
        {
            const ScopeFail raised([&] { Busy = false; });
            Request.SetAsync(ok, replyHandler(&NmSNMPRequest2Controls::onSetReply), this, false,
                             selection, values);
        }
        if (!ok)
            Busy = false;
        return ok;
    }

    Busy = true;
    const bool wasActive = Request.Active;
    bool ok = false;
    NmSNMPError error;
    {
        const ScopeFail raised([&] { Busy = false; });
        Request.Set(ok, error, false, selection, values);
        DoAfterSet();
    }
    Busy = false;
    if (ok) {
        if (statusTarget_)
            ShowStatus(nmSnmpText(0));
    } else if (wasActive) {
        DoSetReport(error);
    }
    refreshAfterSet();
    return ok;
}

void NmSNMPRequest2Controls::onSetReply(NmSNMPError& error) {
    const ErrorReport endSet = [this](const std::string& text) {
        Busy = false;
        reportException(text);
    };
    Guarded([&] { finishSet(error); }, endSet);
}

void NmSNMPRequest2Controls::finishSet(NmSNMPError& error) {
    if (error.Code != 0) {
        Busy = false;
        LastOp = 1;
        if (OnEndSet)
            OnEndSet(error);
        else
            DoSetReport(error);
        return;
    }
    DoAfterSet();
    Busy = false;
    LastOp = 1;
    const std::shared_ptr<bool> alive = alive_;
    if (OnEndSet)
        OnEndSet(error);
    else
        DoSetReport(error);
    if (*alive)  // the handler may have closed the window
        refreshAfterSet();
}

void NmSNMPRequest2Controls::refreshAfterSet() {
    if (Request.VarList.IsTableKind() && RefreshAfterSet)
        Get();
}
