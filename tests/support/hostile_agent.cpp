// hostile-agent: an SNMPv1/v2c agent on a loopback UDP port that answers from a .snmprec
// profile with one fault, for tests of how the manager copes with broken switches.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hostile_ber.h"
#include "store.h"

namespace corvane::test {
namespace {

using sim::Store;
using sim::Value;

enum class Mode { Normal, Cycle, Backwards, Fewer, More, WrongId, ErrorStatus, Truncate, Silence };

struct ModeName {
    Mode mode;
    const char* name;
};
const ModeName kModes[] = {
    {Mode::Normal, "normal"},
    {Mode::Cycle, "cycle"},
    {Mode::Backwards, "backwards"},
    {Mode::Fewer, "fewer"},
    {Mode::More, "more"},
    {Mode::WrongId, "wrong-id"},
    {Mode::ErrorStatus, "error-status"},
    {Mode::Truncate, "truncate"},
    {Mode::Silence, "silence"},
};

struct Options {
    std::string profile;
    long port = 0;
    std::string readCommunity = "meadow";
    std::string writeCommunity = "thistle";
    Mode mode = Mode::Normal;
    std::optional<ber::Arcs> oid;  // the column (cycle, backwards) or the requests' prefix
    long rows = 5;                 // cycle: back to row 1 after this row; backwards: from it on
    bool rowsGiven = false;
    long keep = 1;       // fewer
    long extra = 1;      // more
    long idOffset = 1;   // wrong-id
    long status = 5;     // error-status (genErr)
    long index = 1;      // error-status
    long keepBytes = 0;  // truncate; 0: half the datagram
    long from = 1;       // first candidate request the fault hits
    long times = 0;      // how many it hits; 0: all from then on
    long delayMs = 0;    // every answer this late
    std::string log;
};

volatile sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

const char* const kUsage =
    "usage: hostile-agent --profile FILE --mode MODE [--port N] [--community RO/RW]\n"
    "                     [--oid OID] [--from N] [--times N] [--delay MS] [--log FILE]\n"
    "                     [mode options]\n"
    "Answers SNMPv1/v2c get, get-next and get-bulk on 127.0.0.1 from a .snmprec profile,\n"
    "with one fault. Sets are answered notWritable (SNMPv1: noSuchName).\n"
    "\n"
    "modes:\n"
    "  normal        no fault\n"
    "  cycle         get-next in column --oid goes back to its first row after row --rows\n"
    "                (default 5), for ever\n"
    "  backwards     get-next in column --oid from its row --rows (default 2) on answers the\n"
    "                row before the one asked\n"
    "  fewer         responses carry only the first --keep varbinds (default 1)\n"
    "  more          responses carry --extra varbinds more (default 1): the objects that\n"
    "                follow the last one\n"
    "  wrong-id      responses carry the request ID plus --id-offset (default 1)\n"
    "  error-status  responses carry error-status --status (default 5, genErr) and\n"
    "                error-index --index (default 1), with the request's varbinds\n"
    "  truncate      responses are cut to --keep-bytes octets (default: half)\n"
    "  silence       no response at all\n"
    "\n"
    "A request is a candidate when the fault changes its answer and, with --oid in a mode\n"
    "other than cycle and backwards, when it names an OID under --oid. Candidates count\n"
    "from 1; the fault hits candidates --from (default 1) on, --times of them (default 0:\n"
    "all). So --mode silence --from 11 answers ten requests and then falls silent, and\n"
    "--times 3 makes it a pause of three requests.\n"
    "\n"
    "--delay MS sends every answer MS milliseconds late (0 to 60000), as a real network\n"
    "would, without holding up other requests.\n"
    "--log FILE appends one line per request with a valid community, flushed at once:\n"
    "  N TYPE REQUEST-ID OID... [fault]\n"
    "The ready line is: hostile-agent ready on udp:127.0.0.1:PORT mode MODE (N objects)\n";

bool number(const std::string& name, const char* text, long min, long max, long& out) {
    char* end = nullptr;
    errno = 0;
    out = std::strtol(text, &end, 10);
    if (errno == 0 && end != text && *end == '\0' && out >= min && out <= max) {
        return true;
    }
    std::fprintf(stderr, "hostile-agent: %s wants a whole number from %ld to %ld, not '%s'\n",
                 name.c_str(), min, max, text);
    return false;
}

bool parseArgs(int argc, char** argv, Options& o) {
    bool modeGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "hostile-agent: %s needs a value\n", a.c_str());
            return false;
        }
        const char* v = argv[++i];
        bool ok = true;
        if (a == "--profile") {
            o.profile = v;
        } else if (a == "--port") {
            ok = number(a, v, 0, 65535, o.port);
        } else if (a == "--community") {
            std::string s = v;
            size_t slash = s.find('/');
            ok = slash != std::string::npos && slash > 0 && slash + 1 < s.size();
            if (ok) {
                o.readCommunity = s.substr(0, slash);
                o.writeCommunity = s.substr(slash + 1);
            } else {
                std::fprintf(stderr, "hostile-agent: --community wants RO/RW\n");
            }
        } else if (a == "--mode") {
            auto it = std::find_if(std::begin(kModes), std::end(kModes), [&](const ModeName& m) {
                return m.name == std::string_view(v);
            });
            ok = !modeGiven && it != std::end(kModes);
            if (ok) {
                o.mode = it->mode;
                modeGiven = true;
            } else {
                std::fprintf(stderr,
                             "hostile-agent: --mode wants one of the modes once, not '%s'\n", v);
            }
        } else if (a == "--oid") {
            o.oid = ber::parseOidText(v);
            ok = o.oid && ber::oidContent(*o.oid);
            if (!ok) {
                std::fprintf(stderr, "hostile-agent: --oid wants an OID, not '%s'\n", v);
            }
        } else if (a == "--rows") {
            ok = number(a, v, 1, 1000000, o.rows);
            o.rowsGiven = true;
        } else if (a == "--keep") {
            ok = number(a, v, 0, 1000000, o.keep);
        } else if (a == "--extra") {
            ok = number(a, v, 1, 1000, o.extra);
        } else if (a == "--id-offset") {
            ok = number(a, v, -1000000, 1000000, o.idOffset);
        } else if (a == "--status") {
            ok = number(a, v, 0, 255, o.status);
        } else if (a == "--index") {
            ok = number(a, v, 0, 1000000, o.index);
        } else if (a == "--keep-bytes") {
            ok = number(a, v, 0, 65535, o.keepBytes);
        } else if (a == "--from") {
            ok = number(a, v, 1, 1000000000, o.from);
        } else if (a == "--times") {
            ok = number(a, v, 0, 1000000000, o.times);
        } else if (a == "--delay") {
            ok = number(a, v, 0, 60000, o.delayMs);
        } else if (a == "--log") {
            o.log = v;
        } else {
            std::fprintf(stderr, "hostile-agent: unknown option %s\n", a.c_str());
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    if (o.profile.empty() || !modeGiven) {
        std::fputs(kUsage, stderr);
        return false;
    }
    if ((o.mode == Mode::Cycle || o.mode == Mode::Backwards) && !o.oid) {
        std::fprintf(stderr, "hostile-agent: --mode cycle and backwards need --oid COLUMN\n");
        return false;
    }
    if (o.mode == Mode::Backwards && !o.rowsGiven) {
        o.rows = 2;
    }
    return true;
}

// --- The agent ------------------------------------------------------------------------

class Agent {
  public:
    Agent(Options o, Store store) : o_(std::move(o)), store_(std::move(store)) {}
    ~Agent() {
        if (log_) {
            std::fclose(log_);
        }
    }

    bool openLog() {
        if (!o_.log.empty()) {
            log_ = std::fopen(o_.log.c_str(), "a");
        }
        return o_.log.empty() || log_;
    }

    // The datagram to send back, or nothing.
    std::optional<std::string> answer(const ber::Message& req) {
        bool write = req.community == o_.writeCommunity;
        if (!write && req.community != o_.readCommunity) {
            return std::nullopt;  // a wrong community goes unanswered
        }
        ++requests_;
        auto normal = serve(req, false);
        std::optional<ber::Message> faulty;
        bool candidate = false;
        if (normal && o_.mode != Mode::Normal) {
            faulty = fault(req, *normal);
            // These change every answer; the others only some.
            bool always = o_.mode == Mode::WrongId || o_.mode == Mode::ErrorStatus ||
                          o_.mode == Mode::Truncate || o_.mode == Mode::Silence;
            candidate = always || faulty != normal;
            if (o_.oid && o_.mode != Mode::Cycle && o_.mode != Mode::Backwards) {
                candidate = candidate && std::any_of(req.varbinds.begin(), req.varbinds.end(),
                                                     [&](const ber::VarBind& vb) {
                                                         return sim::hasPrefix(vb.name, *o_.oid);
                                                     });
            }
        }
        bool hit = false;
        if (candidate) {
            ++candidates_;
            long n = static_cast<long>(candidates_);
            hit = n >= o_.from && (o_.times == 0 || n < o_.from + o_.times);
        }
        logRequest(req, hit);
        if (!normal) {
            return std::nullopt;
        }
        if (!hit) {
            return ber::encode(*normal);
        }
        if (o_.mode == Mode::Silence) {
            return std::nullopt;
        }
        std::string datagram = ber::encode(*faulty);
        if (o_.mode == Mode::Truncate) {
            size_t keep =
                o_.keepBytes > 0 ? static_cast<size_t>(o_.keepBytes) : datagram.size() / 2;
            datagram.resize(std::min(keep, datagram.size() - 1));
        }
        return datagram;
    }

  private:
    using Iter = Store::const_iterator;

    static ber::VarBind varbind(const sim::Oid& name, const Value& v) {
        ber::VarBind vb{name, v.tag, {}};
        switch (v.tag) {
            case sim::kInteger:
                vb.content = ber::integerContent(v.asInt());
                break;
            case sim::kCounter32:
            case sim::kGauge32:
            case sim::kTimeTicks:
            case sim::kCounter64:
                vb.content = ber::unsignedContent(v.num);
                break;
            case sim::kObjectId: {
                auto arcs = ber::parseOidText(v.bytes);
                vb.content = arcs ? ber::oidContent(*arcs).value_or("") : "";
                break;
            }
            case sim::kNull:
                break;
            default:
                vb.content = v.bytes;
        }
        return vb;
    }

    static ber::VarBind exception(const ber::Arcs& name, uint8_t tag) {
        return ber::VarBind{name, tag, {}};
    }

    // The object after name; in cycle and backwards mode, when faulty, the column's rows
    // turn back.
    Iter next(const ber::Arcs& name, bool faulty) const {
        Iter natural = store_.upper_bound(name);
        if (!faulty || !o_.oid || !sim::hasPrefix(name, *o_.oid)) {
            return natural;
        }
        const ber::Arcs& column = *o_.oid;
        Iter first = store_.lower_bound(column);
        Iter end = first;
        long count = 0;
        while (end != store_.end() && sim::hasPrefix(end->first, column) && count < o_.rows) {
            ++end;
            ++count;
        }
        if (count == 0) {
            return natural;
        }
        Iter nth = std::prev(end);  // row --rows, or the last row when there are fewer
        if (sim::OidLess()(name, nth->first)) {
            return natural;
        }
        if (o_.mode == Mode::Cycle) {
            return first;
        }
        // Backwards: the row before the one asked.
        Iter at = store_.lower_bound(name);
        return at == first ? natural : std::prev(at);
    }

    // The correct answer (with cycle and backwards: the faulty one when faulty is set);
    // nothing for what an agent drops.
    std::optional<ber::Message> serve(const ber::Message& req, bool faulty) const {
        ber::Message resp = req;
        resp.pduType = ber::kResponse;
        resp.errorStatus = 0;
        resp.errorIndex = 0;
        resp.varbinds.clear();
        const bool v1 = req.version == 0;
        auto failWith = [&](int status, size_t i) {
            resp.errorStatus = status;
            resp.errorIndex = static_cast<int64_t>(i + 1);
            resp.varbinds = req.varbinds;
            return resp;
        };
        auto nextOf = [&](const ber::Arcs& name, bool& ended) {
            Iter it = next(name, faulty);
            ended = it == store_.end();
            return ended ? exception(name, ber::kEndOfMibView) : varbind(it->first, it->second);
        };
        switch (req.pduType) {
            case ber::kGet:
                for (size_t i = 0; i < req.varbinds.size(); ++i) {
                    const ber::Arcs& name = req.varbinds[i].name;
                    auto it = store_.find(name);
                    if (it != store_.end()) {
                        resp.varbinds.push_back(varbind(it->first, it->second));
                        continue;
                    }
                    if (v1) {
                        return failWith(2, i);  // noSuchName
                    }
                    ber::Arcs parent(name.begin(), name.end() - 1);
                    auto near = store_.lower_bound(parent);
                    bool object = near != store_.end() && sim::hasPrefix(near->first, parent);
                    resp.varbinds.push_back(
                        exception(name, object ? ber::kNoSuchInstance : ber::kNoSuchObject));
                }
                return resp;
            case ber::kGetNext:
                for (size_t i = 0; i < req.varbinds.size(); ++i) {
                    bool ended = false;
                    resp.varbinds.push_back(nextOf(req.varbinds[i].name, ended));
                    if (ended && v1) {
                        return failWith(2, i);
                    }
                }
                return resp;
            case ber::kGetBulk: {
                if (v1) {
                    return std::nullopt;
                }
                size_t n = req.varbinds.size();
                size_t nonRepeaters =
                    static_cast<size_t>(std::clamp<int64_t>(req.errorStatus, 0, n));
                int64_t maxReps = std::clamp<int64_t>(req.errorIndex, 0, 10000);
                size_t bytes = 0;
                for (size_t i = 0; i < nonRepeaters; ++i) {
                    bool ended = false;
                    resp.varbinds.push_back(nextOf(req.varbinds[i].name, ended));
                }
                std::vector<ber::Arcs> cursors;
                for (size_t i = nonRepeaters; i < n; ++i) {
                    cursors.push_back(req.varbinds[i].name);
                }
                // Whole repetitions while the datagram stays well below the UDP limit.
                for (int64_t r = 0; r < maxReps && !cursors.empty() && bytes < 60000; ++r) {
                    bool allEnded = true;
                    for (ber::Arcs& cursor : cursors) {
                        bool ended = false;
                        ber::VarBind vb = nextOf(cursor, ended);
                        allEnded = allEnded && ended;
                        cursor = vb.name;
                        bytes +=
                            vb.content.size() + ber::oidContent(vb.name).value_or("").size() + 12;
                        resp.varbinds.push_back(std::move(vb));
                    }
                    if (allEnded) {
                        break;
                    }
                }
                return resp;
            }
            case ber::kSet:
                return failWith(v1 ? 2 : 17, 0);  // noSuchName, notWritable
            default:
                return std::nullopt;
        }
    }

    // The answer with this agent's fault applied (before any cut or silence).
    ber::Message fault(const ber::Message& req, const ber::Message& normal) const {
        ber::Message out = normal;
        switch (o_.mode) {
            case Mode::Normal:
                break;
            case Mode::Cycle:
            case Mode::Backwards:
                out = serve(req, true).value_or(normal);
                break;
            case Mode::Fewer:
                if (out.varbinds.size() > static_cast<size_t>(o_.keep)) {
                    out.varbinds.resize(static_cast<size_t>(o_.keep));
                }
                break;
            case Mode::More: {
                if (out.errorStatus != 0 || out.varbinds.empty()) {
                    break;
                }
                ber::Arcs last = out.varbinds.back().name;
                for (long i = 0; i < o_.extra; ++i) {
                    Iter it = store_.upper_bound(last);
                    if (it == store_.end()) {
                        break;
                    }
                    out.varbinds.push_back(varbind(it->first, it->second));
                    last = it->first;
                }
                break;
            }
            case Mode::WrongId:
                out.requestId = req.requestId + o_.idOffset;
                break;
            case Mode::ErrorStatus:
                out.errorStatus = o_.status;
                out.errorIndex = o_.index;
                out.varbinds = req.varbinds;
                break;
            case Mode::Truncate:
            case Mode::Silence:
                break;  // the datagram is cut or not sent
        }
        return out;
    }

    void logRequest(const ber::Message& req, bool hit) {
        if (!log_) {
            return;
        }
        const char* type = req.pduType == ber::kGet       ? "get"
                           : req.pduType == ber::kGetNext ? "getnext"
                           : req.pduType == ber::kGetBulk ? "getbulk"
                           : req.pduType == ber::kSet     ? "set"
                                                          : "other";
        std::string line =
            std::to_string(requests_) + ' ' + type + ' ' + std::to_string(req.requestId);
        for (const ber::VarBind& vb : req.varbinds) {
            line += ' ' + ber::oidText(vb.name);
        }
        line += hit ? " fault\n" : "\n";
        std::fputs(line.c_str(), log_);
        std::fflush(log_);
    }

    Options o_;
    Store store_;
    FILE* log_ = nullptr;
    unsigned long requests_ = 0;
    unsigned long candidates_ = 0;
};

int run(int argc, char** argv) {
    Options o;
    if (!parseArgs(argc, argv, o)) {
        return 2;
    }
    std::string error;
    auto store = sim::loadSnmprec(o.profile, error);
    if (!store) {
        std::fprintf(stderr, "hostile-agent: %s\n", error.c_str());
        return 1;
    }
    size_t objects = store->size();
    const std::string modeName =
        std::find_if(std::begin(kModes), std::end(kModes), [&](const ModeName& m) {
            return m.mode == o.mode;
        })->name;
    Agent agent(o, std::move(*store));
    if (!agent.openLog()) {
        std::fprintf(stderr, "hostile-agent: cannot open %s\n", o.log.c_str());
        return 1;
    }
    int sock = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(static_cast<uint16_t>(o.port));
    socklen_t len = sizeof addr;
    if (sock < 0 || bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        std::fprintf(stderr, "hostile-agent: cannot listen on 127.0.0.1:%ld: %s\n", o.port,
                     std::strerror(errno));
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::printf("hostile-agent ready on udp:127.0.0.1:%u mode %s (%zu objects)\n",
                ntohs(addr.sin_port), modeName.c_str(), objects);
    std::fflush(stdout);
    // Answers wait here for their time when --delay is given; others are not held up.
    struct Pending {
        std::chrono::steady_clock::time_point due;
        std::string datagram;
        sockaddr_in to;
    };
    std::deque<Pending> pending;
    std::vector<char> buf(65536);
    while (!g_stop) {
        auto now = std::chrono::steady_clock::now();
        while (!pending.empty() && pending.front().due <= now) {
            const Pending& p = pending.front();
            sendto(sock, p.datagram.data(), p.datagram.size(), 0,
                   reinterpret_cast<const sockaddr*>(&p.to), sizeof p.to);
            pending.pop_front();
        }
        int wait = 200;
        if (!pending.empty()) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(pending.front().due - now);
            wait = static_cast<int>(std::clamp<long>(left.count() + 1, 1, 200));
        }
        pollfd pfd{sock, POLLIN, 0};
        if (poll(&pfd, 1, wait) <= 0) {
            continue;
        }
        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        ssize_t n =
            recvfrom(sock, buf.data(), buf.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (n <= 0) {
            continue;
        }
        auto req = ber::decode(std::string_view(buf.data(), static_cast<size_t>(n)));
        if (!req) {
            continue;  // not an SNMPv1/v2c message: dropped, as agents do
        }
        if (auto reply = agent.answer(*req)) {
            auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(o.delayMs);
            pending.push_back({due, std::move(*reply), from});
        }
    }
    close(sock);
    return 0;
}

}  // namespace
}  // namespace corvane::test

int main(int argc, char** argv) {
    return corvane::test::run(argc, argv);
}
