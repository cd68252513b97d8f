// sim_bench: get-next rate of corvane-sim against snmpd's own, both walked with snmpwalk.
//
//   sim_bench [--rows N] [--rounds R]
//
// Serves a generated table of N rows (default 10000) and five columns from corvane-sim,
// walks it with "snmpwalk -v2c -Cc" (one get-next per object), walks snmpd's own MIB the
// same way, and prints both rates. The best of R rounds (default 3) counts for each.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sim_process.h"

using corvane::test::CommandResult;
using corvane::test::runCommand;
using corvane::test::SimProcess;
using Clock = std::chrono::steady_clock;

namespace {

void writeBigTable(const std::string& path, int rows) {
    std::ofstream out(path);
    out << "1.3.6.1.2.1.1.1.0|4|Corvane benchmark table of " << rows << " rows\n";
    out << "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.32473.99\n";
    const char* entry = "1.3.6.1.4.1.32473.99.1.1.";
    for (int col = 1; col <= 5; ++col) {
        for (int i = 1; i <= rows; ++i) {
            out << entry << col << '.' << i << '|';
            switch (col) {
                case 1:
                    out << "2|" << i;
                    break;
                case 2:
                    out << "4|row-" << i;
                    break;
                case 3:
                    out << "65|" << (i * 2654435761u) % 1000000000u;
                    break;
                case 4:
                    out << "66|" << i % 1000;
                    break;
                default:
                    out << "2|1";
                    break;
            }
            out << '\n';
        }
    }
}

struct Walk {
    size_t objects = 0;
    double seconds = 0;
    double rate() const { return seconds > 0 ? objects / seconds : 0; }
};

Walk walk(const std::string& address, const std::string& root) {
    auto start = Clock::now();
    CommandResult r = runCommand({"snmpwalk", "-v2c", "-c", "meadow", "-r", "1", "-t", "2", "-Cc",
                                  "-On", "-Oq", address, root},
                                 std::chrono::seconds(120));
    Walk w;
    w.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (r.exitCode != 0) {
        std::fprintf(stderr, "sim_bench: walk of %s failed: %s\n", address.c_str(), r.err.c_str());
        return {};
    }
    w.objects = static_cast<size_t>(std::count(r.out.begin(), r.out.end(), '\n'));
    return w;
}

// A free loopback UDP port, by binding port 0 and letting it go.
int freePort() {
    int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = -1;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0) {
        port = ntohs(a.sin_port);
    }
    close(s);
    return port;
}

// snmpd in the foreground, with a private configuration and state folder.
class Snmpd {
  public:
    Snmpd(const std::string& dir, int port) : address_("udp:127.0.0.1:" + std::to_string(port)) {
        std::string conf = dir + "/snmpd.conf";
        std::ofstream(conf) << "rocommunity meadow 127.0.0.1\n";
        pid_ = fork();
        if (pid_ == 0) {
            int devnull = open("/dev/null", O_RDWR);
            dup2(devnull, STDIN_FILENO);
            dup2(devnull, STDOUT_FILENO);
            dup2(devnull, STDERR_FILENO);
            setenv("SNMP_PERSISTENT_DIR", dir.c_str(), 1);
            execlp("snmpd", "snmpd", "-f", "-Lo", "-C", "-c", conf.c_str(), address_.c_str(),
                   static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Snmpd() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            for (int i = 0; i < 100 && waitpid(pid_, nullptr, WNOHANG) == 0; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            if (waitpid(pid_, nullptr, WNOHANG) == 0) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
            }
        }
    }
    // Waits, bounded, until snmpd answers.
    bool waitReady() const {
        for (int i = 0; i < 20 && pid_ > 0; ++i) {
            CommandResult r = runCommand({"snmpget", "-v2c", "-c", "meadow", "-r", "0", "-t", "1",
                                          address_, "1.3.6.1.2.1.1.3.0"},
                                         std::chrono::seconds(5));
            if (r.exitCode == 0) {
                return true;
            }
        }
        return false;
    }
    const std::string& address() const { return address_; }

  private:
    pid_t pid_ = -1;
    std::string address_;
};

}  // namespace

int main(int argc, char** argv) {
    int rows = 10000;
    int rounds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--rows")) {
            rows = std::max(1, std::atoi(argv[i + 1]));
        } else if (!std::strcmp(argv[i], "--rounds")) {
            rounds = std::clamp(std::atoi(argv[i + 1]), 1, 10);
        }
    }
    char tmpl[] = "/tmp/sim-bench-XXXXXX";
    if (!mkdtemp(tmpl)) {
        std::perror("sim_bench: mkdtemp");
        return 1;
    }
    std::string dir = tmpl;
    std::string profile = dir + "/big-table.snmprec";
    writeBigTable(profile, rows);

    int status = 1;
    {
        SimProcess sim(profile);
        int port = freePort();
        Snmpd snmpd(dir, port);
        if (!sim.ready()) {
            std::fprintf(stderr, "sim_bench: corvane-sim did not start\n");
        } else if (port < 0 || !snmpd.waitReady()) {
            std::fprintf(stderr, "sim_bench: snmpd did not start\n");
        } else {
            std::printf("corvane-sim: %d rows x 5 columns, started in %lld ms\n", rows,
                        static_cast<long long>(sim.startTime().count()));
            Walk bestSim, bestSnmpd;
            for (int round = 1; round <= rounds; ++round) {
                Walk s = walk(sim.address(), "1.3.6.1");
                Walk d = walk(snmpd.address(), "1.3.6.1");
                std::printf(
                    "round %d: corvane-sim %zu objects in %.2f s (%.0f req/s), "
                    "snmpd %zu objects in %.2f s (%.0f req/s)\n",
                    round, s.objects, s.seconds, s.rate(), d.objects, d.seconds, d.rate());
                if (s.rate() > bestSim.rate()) {
                    bestSim = s;
                }
                if (d.rate() > bestSnmpd.rate()) {
                    bestSnmpd = d;
                }
            }
            if (bestSim.objects > 0 && bestSnmpd.objects > 0) {
                std::printf("sim walk ratio: %.2f (corvane-sim %.0f req/s, snmpd %.0f req/s)\n",
                            bestSim.rate() / bestSnmpd.rate(), bestSim.rate(), bestSnmpd.rate());
                std::fflush(stdout);
                status = 0;
            }
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return status;
}
