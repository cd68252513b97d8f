// Shared fixture of the LLDP window tests: corvane-sim with a PDU log, windows opened with the
// context their menu entries give, message boxes answered and recorded by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dedicated_windows.h"
#include "menu_catalogue.h"
#include "message_box.h"
#include "modal_dialog.h"
#include "nm_snmp_request2_edits.h"
#include "pdu_log.h"
#include "sim_process.h"
#include "snmp_types.h"

namespace lldp_test {

inline const MenuEntry& entryOf(const std::string& windowClass) {
    for (const MenuEntry& e : menuCatalogue())
        if (e.Window && windowClass == e.Window)
            return e;
    throw std::runtime_error("no menu entry opens " + windowClass);
}

inline const SharedBindings& noSharedBindings() {
    static const SharedBindings shared;
    return shared;
}

inline DedicatedWindowContext contextOf(const std::string& windowClass) {
    const MenuEntry& entry = entryOf(windowClass);
    return {entry, QString::fromUtf8(entry.Title) + QStringLiteral("127.0.0.1"), nullptr,
            noSharedBindings()};
}

inline QString statusOf(const NmSNMPRequest2Edits* b) {
    auto* bar = qobject_cast<QStatusBar*>(b->StatusTarget());
    return bar ? bar->currentMessage() : QString();
}

// The column shown under a caption, -1 for none.
inline int columnOf(const QTreeWidget* view, const QString& caption) {
    for (int c = 0; c < view->columnCount(); ++c)
        if (view->headerItem()->text(c) == caption)
            return c;
    return -1;
}

inline QStringList cellsOf(const QTreeWidget* view, const QString& caption) {
    QStringList out;
    const int c = columnOf(view, caption);
    for (int r = 0; r < view->topLevelItemCount(); ++r)
        out << (c < 0 ? QString() : view->topLevelItem(r)->text(c));
    return out;
}

// The octets a set wrote, from the log's "4:text" or "4x:hex" notation, as upper-case hex.
inline std::string loggedOctets(const std::string& value) {
    static const char* digits = "0123456789ABCDEF";
    if (value.rfind("4x:", 0) == 0) {
        std::string hex = value.substr(3);
        for (char& c : hex)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return hex;
    }
    std::string hex;
    for (unsigned char c : value.substr(value.find(':') + 1)) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

// "OID=TAG:VALUE" pairs of a logged set.
inline std::map<std::string, std::string> setBindings(const std::string& line) {
    std::map<std::string, std::string> out;
    std::istringstream words(line);
    std::string word;
    words >> word;  // "set"
    while (words >> word) {
        const std::size_t eq = word.find('=');
        out[word.substr(0, eq)] = eq == std::string::npos ? std::string() : word.substr(eq + 1);
    }
    return out;
}

// The values a profile holds under a column, by instance: "OID|TAG|VALUE" lines.
inline std::map<std::string, std::string> profileColumn(const std::string& profile,
                                                        const std::string& column) {
    std::map<std::string, std::string> out;
    std::ifstream in(corvane::test::SimProcess::profilePath(profile));
    const std::string prefix = column + ".";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        const std::size_t a = line.find('|'), b = line.find('|', a + 1);
        out[line.substr(prefix.size(), a - prefix.size())] = line.substr(b + 1);
    }
    return out;
}

class LldpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startAgent();
        SetMessageHandler([this](const MessageRequest& r) {
            shown.push_back({r.kind, r.text});
            return true;
        });
    }
    void TearDown() override { SetMessageHandler({}); }

    void startAgent(std::vector<std::string> extra = {}, const std::string& profile = "corvane-b") {
        agent_.reset();
        profile_ = profile;
        log_ = folder_.filePath(QStringLiteral("pdus-%1.log").arg(++agents_)).toStdString();
        extra.insert(extra.end(), {"--log-pdus", log_});
        agent_ = std::make_unique<corvane::test::SimProcess>(profile, extra);
        ASSERT_TRUE(agent_->ready());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = agent_->port();
        DefaultSecurity.Version = 0;
    }

    // The window of a menu entry, shown, after its first read.
    template <class Window>
    std::unique_ptr<Window> open(const std::string& windowClass, bool waitRead = true) {
        auto w = std::make_unique<Window>(contextOf(windowClass));
        w->show();
        if (waitRead)
            waitIdle(w->Binding);
        return w;
    }

    // Until the binding's read or write has ended and its status line says so.
    static bool waitIdle(NmSNMPRequest2Edits* b, int ms = 15000) {
        QTest::qWait(0);
        return QTest::qWaitFor(
            [b] {
                const QString s = statusOf(b);
                return !b->Busy && (s.startsWith("Get:") || s.startsWith("Set:"));
            },
            ms);
    }

    std::vector<std::string> pdus() const { return corvane::test::readPduLog(log_); }
    std::vector<std::string> setsSince(std::size_t from) const {
        std::vector<std::string> out;
        const auto all = pdus();
        for (std::size_t i = from; i < all.size(); ++i)
            if (all[i].rfind("set ", 0) == 0)
                out.push_back(all[i]);
        return out;
    }
    // Requests that start a walk of the column (its OID without an instance).
    int walkStarts(const std::string& column) const {
        int n = 0;
        for (const std::string& line : pdus())
            n +=
                line.find(" " + column + " ") != std::string::npos ||
                (line.size() > column.size() && line.compare(line.size() - column.size() - 1,
                                                             std::string::npos, " " + column) == 0);
        return n;
    }

    struct Shown {
        MessageKind kind;
        QString text;
    };
    std::vector<Shown> shown;
    std::unique_ptr<corvane::test::SimProcess> agent_;
    std::string profile_;
    std::string log_;
    QTemporaryDir folder_;
    static inline int agents_ = 0;
};

}  // namespace lldp_test
