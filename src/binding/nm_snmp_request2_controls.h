// The base binding: owns one request, runs the get and set cycles in either mode and reports
// their outcome in a status line or a message box. Derived classes fill the virtual slots.
#pragma once

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "error_boundary.h"
#include "nm_snmp_request.h"

class NmSNMPRequest2Controls {
  public:
    using EndHandler = std::function<void(NmSNMPError&)>;

    explicit NmSNMPRequest2Controls(QWidget* form);
    // Stops the request; replies still on their way are dropped (the request's own destructor
    // lets them arrive, bounded).
    virtual ~NmSNMPRequest2Controls();
    NmSNMPRequest2Controls(const NmSNMPRequest2Controls&) = delete;
    NmSNMPRequest2Controls& operator=(const NmSNMPRequest2Controls&) = delete;

    NmSNMPRequest Request;
    // Asynchronous get ended or failed; replaces the report of a failed get.
    EndHandler OnEndGet;
    // Asynchronous set ended; replaces the set report.
    EndHandler OnEndSet;
    bool Async = true;
    bool Busy = false;
    QPointer<QWidget> Form;
    int RowCount = 0;
    int LastOp = 0;  // 0 after a get started, 1 after a set started
    bool RefreshAfterSet = true;

    // A QPlainTextEdit (one line per status), a QStatusBar (its message) or a QLabel; null
    // for none. Other widgets raise "Bad type of the associated visual control!".
    void SetStatusTarget(QWidget* target);
    QWidget* StatusTarget() const { return statusTarget_; }

    // True when the read succeeded (synchronous) or was started (asynchronous).
    bool Get();
    // selection: descriptor positions separated by "," (empty: every writable one); values,
    // when given, are the texts of the selected descriptors in selection order.
    bool Set(bool refresh, bool collect, const std::string& selection = {},
             const std::vector<std::string>* values = nullptr);

    void ShowStatus(const std::string& message);

    // The binding's message path, for the error boundary (Guarded): the status line, or a
    // message box owned by the form when there is no status target.
    ErrorReport MessagePath();
    // The status line alone.
    ErrorReport StatusLine();

    // How long closing a window waits for a stopped read: the outstanding reply comes within the
    // request's time-out (2 s with the defaults); the limit only guards against a binding that
    // never clears Busy.
    static constexpr std::chrono::milliseconds kStopWait{10000};
    // Clears the request's Active flag and waits (WaitUntil) until the binding is no longer
    // Busy; false when the limit passed first.
    bool StopAndWait(std::chrono::milliseconds limit = kStopWait);

  protected:
    // Virtual slots, in order; the base leaves all but the reports empty.
    virtual void DoBeforeGet() {}
    virtual void DoBeforeSet() {}
    virtual void DoRow() {}
    virtual void DoCollect() {}
    virtual void DoGetReport(NmSNMPError& error);
    virtual void DoSetReport(NmSNMPError& error);
    virtual void DoAfterGet() {}
    virtual void DoAfterSet() {}
    // Called whenever a read stops, on every path, before Busy clears.
    virtual void ReadStopped() {}

    // Sets the request inactive; replies that arrive later are ignored. Derived destructors call
    // it first so that no reply reaches a half-destroyed object.
    void Shutdown();

    void ShowMessageText(const std::string& text, bool error);
    // An error that no caller can catch: to the status line, else a message box.
    void reportException(const std::string& text);

  private:
    NmSNMPRequest::Handler replyHandler(void (NmSNMPRequest2Controls::*member)(NmSNMPError&));
    bool acceptRow();
    void startNextRow();
    void onGetReply(NmSNMPError& error);
    void continueGet(NmSNMPError& error);
    void finishGet();
    void failGet(NmSNMPError& error);
    void onSetReply(NmSNMPError& error);
    void finishSet(NmSNMPError& error);
    void refreshAfterSet();

    QPointer<QWidget> statusTarget_;
    // Shared with the reply handlers so that a reply after destruction does nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
