// The engine-boots counter file and InitGlobalSession's use of it.
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <thread>

#include "boot_counter.h"
#include "global_session.h"
#include "messages.h"
#include "session.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

using corvane::test::TempDir;

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* kEngineHex = "4E6D534E4D505F50505F4170706C69636174696F6E";

constexpr uid_t kNobody = 65534;

// Waits for a child process, at most 20 s; a child that takes longer is killed.
int waitChild(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What InitGlobalSession did in a child process.
struct StartOutcome {
    std::string skip;  // why the child could not be set up as the case needs
    int code = 0;      // the error raised, 0 for none
    std::uint32_t boots = 0;
};

// Runs InitGlobalSession(folder) in a child process that setup prepares first (another user, a
// mount namespace of its own); setup returns an empty text, or why it could not.
StartOutcome startInChild(const std::string& folder, const std::function<std::string()>& setup) {
    struct Report {
        char skip[160];
        int code;
        std::uint32_t boots;
    };
    int fds[2];
    if (::pipe(fds) != 0)
        return {"no pipe"};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        Report r{};
        const std::string why = setup();
        std::snprintf(r.skip, sizeof r.skip, "%s", why.c_str());
        if (why.empty()) {
            try {
                InitGlobalSession(folder);
                r.boots = GlobalSession->localEngineBoots();
            } catch (const NmSNMPException& e) {
                r.code = e.code();
            }
        }
        const bool sent = ::write(fds[1], &r, sizeof r) == static_cast<ssize_t>(sizeof r);
        ::_exit(sent ? 0 : 1);
    }
    ::close(fds[1]);
    Report r{};
    const bool got = ::read(fds[0], &r, sizeof r) == static_cast<ssize_t>(sizeof r);
    ::close(fds[0]);
    if (waitChild(pid) != 0 || !got)
        return {"the child process failed"};
    return {r.skip, r.code, r.boots};
}

std::string errnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

std::string becomeNobody() {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        return errnoText("cannot switch to the user nobody");
    return {};
}

// The file read-only through a bind mount in a mount namespace of the child's own, so that
// even root cannot write it and nothing is left mounted afterwards.
std::function<std::string()> readOnlyBind(const std::string& file) {
    return [file] {
        if (::unshare(CLONE_NEWNS) != 0)
            return errnoText("no mount namespace");
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(file.c_str(), file.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, file.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            return errnoText("no read-only bind mount");
        return std::string();
    };
}

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(BootCounter, FirstRunCreatesTheFileWithOneBoot) {
    TempDir dir;
    InitGlobalSession(dir.path());
    EXPECT_EQ(readAll(dir.path() + "/NmSNMP_PP_BootCounter"), std::string(kEngineHex) + " 1\n");
    EXPECT_EQ(GlobalSession->localEngineBoots(), 1u);
    InitGlobalSession(dir.path() + "/");  // a trailing separator is not doubled
    EXPECT_EQ(readAll(dir.path() + "/NmSNMP_PP_BootCounter"), std::string(kEngineHex) + " 2\n");
    EXPECT_EQ(GlobalSession->localEngineBoots(), 2u);
}

TEST(BootCounter, OtherEnginesLinesAreKept) {
    TempDir dir;
    const std::string file = dir.path() + "/NmSNMP_PP_BootCounter";
    std::ofstream(file) << "800000020109840301 41\n";
    std::uint32_t boots = 99;
    EXPECT_EQ(getBootCounter(file, kLocalEngineId, boots), kBootCounterNoEntry);
    EXPECT_EQ(boots, 0u);
    InitGlobalSession(dir.path());
    EXPECT_EQ(readAll(file), "800000020109840301 41\n" + std::string(kEngineHex) + " 1\n");
    EXPECT_EQ(getBootCounter(file, kLocalEngineId, boots), kBootCounterOk);
    EXPECT_EQ(boots, 1u);
}

TEST(BootCounter, ReadResults) {
    TempDir dir;
    const std::string file = dir.path() + "/counter";
    std::uint32_t boots = 7;
    EXPECT_EQ(getBootCounter(file, "x", boots), kBootCounterCannotOpen);
    EXPECT_EQ(boots, 0u);
    EXPECT_EQ(getBootCounter(file, std::string(33, 'e'), boots), kBootCounterEngineIdTooLong);
    std::ofstream(file) << "not-hex 3\n";
    EXPECT_EQ(getBootCounter(file, "x", boots), kBootCounterMalformed);
}

TEST(BootCounter, StartupErrorsCarryTheirTexts) {
    TempDir dir;
    // A folder that is really a file: nothing can be written below it.
    const std::string notAFolder = dir.path() + "/plain-file";
    std::ofstream(notAFolder) << "x";
    try {
        InitGlobalSession(notAFolder);
        FAIL() << "no error raised";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -508);
        EXPECT_EQ(e.text(), "Error when saving SNMP engine boots counter!");
    }

    std::ofstream(dir.path() + "/NmSNMP_PP_BootCounter") << "4E6D zz\n";
    try {
        InitGlobalSession(dir.path());
        FAIL() << "no error raised";
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -507);
        EXPECT_EQ(e.text(), "Error when loading SNMP engine boots counter!");
    }
    // The damaged file is left as it was.
    EXPECT_EQ(readAll(dir.path() + "/NmSNMP_PP_BootCounter"), "4E6D zz\n");
}

TEST(BootCounter, EightProgramsStartedAtOnceEachCountOnce) {
    TempDir dir;
    const std::string file = dir.path() + "/NmSNMP_PP_BootCounter";
    std::ofstream(file) << "800000020109840301 41\n";
    std::set<std::uint32_t> counted;
    constexpr int kRounds = 3;
    constexpr int kPrograms = 8;
    for (int round = 0; round < kRounds; ++round) {
        int go[2], results[2];
        ASSERT_EQ(::pipe(go), 0);
        ASSERT_EQ(::pipe(results), 0);
        std::vector<pid_t> children;
        for (int i = 0; i < kPrograms; ++i) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(go[1]);
                char c;
                (void)::read(go[0], &c, 1);  // returns when the parent lets them all go
                std::uint32_t boots = 0;
                const int rc = incrementBootCounter(file, kLocalEngineId, boots);
                const std::uint32_t report[2] = {static_cast<std::uint32_t>(rc), boots};
                ::_exit(::write(results[1], report, sizeof report) == sizeof report ? 0 : 1);
            }
            children.push_back(pid);
        }
        ::close(go[0]);
        ::close(go[1]);
        ::close(results[1]);
        for (pid_t pid : children)
            EXPECT_EQ(waitChild(pid), 0);
        std::uint32_t report[2];
        int reports = 0;
        while (::read(results[0], report, sizeof report) == sizeof report) {
            EXPECT_EQ(report[0], 0u);
            counted.insert(report[1]);
            ++reports;
        }
        ::close(results[0]);
        EXPECT_EQ(reports, kPrograms);
    }
    // Every program got a count of its own, and the file holds the last one.
    EXPECT_EQ(counted.size(), static_cast<std::size_t>(kRounds * kPrograms));
    EXPECT_EQ(*counted.begin(), 1u);
    EXPECT_EQ(*counted.rbegin(), static_cast<std::uint32_t>(kRounds * kPrograms));
    EXPECT_EQ(readAll(file), "800000020109840301 41\n" + std::string(kEngineHex) + " 24\n");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>({"NmSNMP_PP_BootCounter"}));
}

TEST(BootCounter, StaysAtTheLargestCountOnceThere) {
    const struct {
        const char* stored;
        std::uint32_t next;
    } cases[] = {
        {"41", 42},
        {"2147483646", 2147483647},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"4294967295", 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TempDir dir;
        const std::string file = dir.path() + "/NmSNMP_PP_BootCounter";
        std::ofstream(file) << kEngineHex << " " << c.stored << "\n";
        InitGlobalSession(dir.path());
        EXPECT_EQ(GlobalSession->localEngineBoots(), c.next);
        EXPECT_EQ(readAll(file), std::string(kEngineHex) + " " + std::to_string(c.next) + "\n");
    }
}

// Who may write the file and its folder decides how the count is written, or whether start-up
// stops. Tests run as root, so the cases are made with the user nobody or a read-only bind.
TEST(BootCounter, WritesWhereItMayAndRefusesAFileItCannotWrite) {
    enum class Written { Refused, InPlace, Replaced };
    const struct {
        const char* name;
        mode_t folderMode;
        mode_t fileMode;
        bool nobodyOwnsFile;
        bool readOnlyBind;  // else the user nobody
        Written written;
    } cases[] = {
        {"read-only file, writable folder", 0777, 0444, false, false, Written::Refused},
        {"read-only bind mount, root", 0755, 0644, false, true, Written::Refused},
        {"writable file, read-only folder", 0755, 0640, true, false, Written::InPlace},
        {"writable file and folder", 0777, 0640, true, false, Written::Replaced},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string file = dir.path() + "/NmSNMP_PP_BootCounter";
        const std::string before = "800000020109840301 41\n" + std::string(kEngineHex) + " 6\n";
        std::ofstream(file) << before;
        ASSERT_EQ(::chmod(file.c_str(), c.fileMode), 0);
        ASSERT_EQ(::chmod(dir.path().c_str(), c.folderMode), 0);
        if (c.nobodyOwnsFile) {
            ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
        }
        const ino_t inode = inodeOf(file);

        const StartOutcome out =
            startInChild(dir.path(), c.readOnlyBind ? readOnlyBind(file) : becomeNobody);
        if (!out.skip.empty())
            GTEST_SKIP() << c.name << ": " << out.skip;

        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.fileMode);  // a replaced file keeps the old one's mode
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>({"NmSNMP_PP_BootCounter"}));
        if (c.written == Written::Refused) {
            EXPECT_EQ(out.code, -508);
            EXPECT_EQ(readAll(file), before);
            EXPECT_EQ(inodeOf(file), inode);
            continue;
        }
        EXPECT_EQ(out.code, 0);
        EXPECT_EQ(out.boots, 7u);
        EXPECT_EQ(readAll(file), "800000020109840301 41\n" + std::string(kEngineHex) + " 7\n");
        EXPECT_EQ(inodeOf(file) == inode, c.written == Written::InPlace);
    }
}
