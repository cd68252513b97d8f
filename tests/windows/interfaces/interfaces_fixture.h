// Shared fixture of the interface window tests: a switch (corvane-sim with a PDU log, or another
// agent) as the default target, the windows opened as their menu entries open them, and message
// boxes answered and recorded.
#pragma once

#include <gtest/gtest.h>

#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "dedicated_windows.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmp_types.h"

namespace interfaces_test {

inline const MenuEntry& entryFor(const std::string& windowClass) {
    for (const MenuEntry& e : menuCatalogue())
        if (e.Window && windowClass == e.Window)
            return e;
    throw std::runtime_error("no menu entry opens " + windowClass);
}

class InterfaceWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageHandler([this](const MessageRequest& r) {
            shown << r.text;
            return true;
        });
    }
    void TearDown() override {
        SetMessageHandler({});
        ResetDefaultTarget();
    }

    // corvane-sim with a PDU log of its own, made the default target.
    void startSim(std::vector<std::string> extra = {}, const std::string& profile = "corvane-b") {
        sim_.reset();
        log_ = folder_.path().toStdString() + "/pdus-" + std::to_string(++agents_) + ".log";
        extra.insert(extra.end(), {"--log-pdus", log_});
        sim_ = std::make_unique<corvane::test::SimProcess>(profile, extra);
        ASSERT_TRUE(sim_->ready());
        aimAt(sim_->port());
    }
    static void aimAt(std::uint16_t port) {
        ResetDefaultTarget();
        DefaultDevice = {"127.0.0.1", port};
    }

    // The window of a menu entry, shown, with the caption the main window would give it.
    template <class Window>
    std::unique_ptr<Window> open(const std::string& windowClass) {
        const MenuEntry& entry = entryFor(windowClass);
        const DedicatedWindowContext context{
            entry, QString::fromUtf8(entry.Title) + QStringLiteral("127.0.0.1"), nullptr, shared_};
        auto window = std::make_unique<Window>(context);
        window->show();
        return window;
    }

    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_); }
    // The PDUs of one type ("get", "set", ...), without the type.
    std::vector<std::string> pdus(const std::string& type) const {
        std::vector<std::string> found;
        for (const std::string& line : pdus())
            if (line.rfind(type + " ", 0) == 0)
                found.push_back(line.substr(type.size() + 1));
        return found;
    }

    static bool waitIdle(const NmSNMPRequest2Edits* b, int ms = 10000) {
        return QTest::qWaitFor([b] { return !b->Busy; }, ms);
    }
    static QString status(const QStatusBar* bar) { return bar->currentMessage(); }

    QStringList shown;  // message boxes, in order
    std::unique_ptr<corvane::test::SimProcess> sim_;
    std::string log_;
    QTemporaryDir folder_;
    static inline SharedBindings shared_;
    static inline int agents_ = 0;
};

}  // namespace interfaces_test
