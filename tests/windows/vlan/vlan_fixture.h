// Shared fixture of the VLAN window tests: corvane-sim with a PDU log as the default agent,
// the windows' menu entries, and the message boxes answered and recorded by the test.
#pragma once

#include <gtest/gtest.h>

#include <QStatusBar>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dedicated_form.h"
#include "dedicated_windows.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmp_types.h"

namespace vlan_test {

inline const MenuEntry& entryOf(const char* windowClass) {
    for (const MenuEntry& e : menuCatalogue())
        if (e.Window && std::string(e.Window) == windowClass)
            return e;
    throw std::runtime_error(std::string("no menu entry opens ") + windowClass);
}

inline QString captionOf(const MenuEntry& entry) {
    return QString::fromUtf8(entry.Title) + "127.0.0.1";
}

inline QString statusOf(QStatusBar* bar) {
    return bar->currentMessage();
}

// The profile's instances under a column, in profile order: "instance|TYPE|VALUE" without the
// column.
inline std::vector<std::string> profileColumn(const std::string& profile,
                                              const std::string& column) {
    std::ifstream in(corvane::test::SimProcess::profilePath(profile));
    std::vector<std::string> rows;
    const std::string prefix = column + ".";
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0)
            rows.push_back(line.substr(prefix.size()));
    return rows;
}

// The value and the instance of "instance|TYPE|VALUE".
inline std::string valueOf(const std::string& row) {
    return row.substr(row.rfind('|') + 1);
}
inline std::string instanceOf(const std::string& row) {
    return row.substr(0, row.find('|'));
}

// The profile's value of one instance of a column; empty when there is none.
inline std::string profileValue(const std::string& profile, const std::string& column,
                                const std::string& instance) {
    for (const std::string& row : profileColumn(profile, column))
        if (instanceOf(row) == instance)
            return valueOf(row);
    return {};
}

class VlanWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back(r.text);
            return true;
        });
    }
    void TearDown() override {
        SetMessageHandler({});
        ResetDefaultTarget();
    }

    // Starts the agent on a free port and makes it the default agent of new windows.
    void startAgent(const std::string& profile, std::vector<std::string> extra = {}) {
        agent_.reset();
        log_ = folder_.path().toStdString() + "/pdus-" + std::to_string(++agents_) + ".log";
        extra.insert(extra.end(), {"--log-pdus", log_});
        agent_ = std::make_unique<corvane::test::SimProcess>(profile, extra);
        ASSERT_TRUE(agent_->ready());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = agent_->port();
    }

    // The PDUs the agent received, one line each: "TYPE OID[=TAG:VALUE] ...".
    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_); }
    std::vector<std::string> pdusOf(const std::string& type, std::size_t from = 0) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            if (all[i].rfind(type + " ", 0) == 0)
                out.push_back(all[i]);
        return out;
    }
    // True when a request named the column or one of its instances.
    bool anyPduNames(const std::string& column) const {
        for (const std::string& line : pdus()) {
            std::istringstream words(line);
            for (std::string w; words >> w;) {
                const std::string oid = w.substr(0, w.find('='));
                if (oid == column || oid.rfind(column + ".", 0) == 0)
                    return true;
            }
        }
        return false;
    }

    // Waits until the window's bindings are idle and a read status stands in the bar.
    static bool waitRead(TDedicatedForm& form, QStatusBar* bar, int ms = 15000) {
        return QTest::qWaitFor(
            [&] {
                for (const auto& b : form.Bindings())
                    if (b->Busy)
                        return false;
                return statusOf(bar).startsWith("Get:");
            },
            ms);
    }

    DedicatedWindowContext contextOf(const char* windowClass) {
        return {entryOf(windowClass), captionOf(entryOf(windowClass)), nullptr, shared_};
    }

    std::vector<QString> shown;
    QTemporaryDir folder_;
    std::unique_ptr<corvane::test::SimProcess> agent_;
    std::string log_;
    SharedBindings shared_;
    static inline int agents_ = 0;
};

}  // namespace vlan_test
