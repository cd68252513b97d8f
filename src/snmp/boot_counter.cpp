// Engine-boots counter file: read, counted and written under an exclusive lock; written through
// a temporary file where the folder allows it, in place where only the file is writable.
#include "boot_counter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

namespace {

std::string toHex(const std::string& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : octets) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool isHex(const std::string& s) {
    if (s.empty() || s.size() % 2)
        return false;
    for (char c : s)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool sameHex(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

struct Entry {
    std::string hexId;
    std::uint32_t boots;
};

// Parses the whole content; -4 on the first malformed non-blank line.
int parseEntries(std::istream& in, std::vector<Entry>& entries) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        std::istringstream fields(line);
        std::string id, extra;
        unsigned long long count = 0;
        if (!(fields >> id >> count) || (fields >> extra) || !isHex(id) || count > 0xffffffffULL)
            return kBootCounterMalformed;
        entries.push_back({id, static_cast<std::uint32_t>(count)});
    }
    return kBootCounterOk;
}

int readEntries(const std::string& file, std::vector<Entry>& entries) {
    std::ifstream in(file);
    if (!in)
        return kBootCounterCannotOpen;
    return parseEntries(in, entries);
}

std::string render(const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& e : entries)
        text += e.hexId + " " + std::to_string(e.boots) + "\n";
    return text;
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n =
            ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool readAll(int fd, std::string& text) {
    text.clear();
    char buf[4096];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        text.append(buf, static_cast<std::size_t>(n));
        at += n;
    }
}

// The counter file, open and exclusively locked until destruction. The lock guards one inode:
// a program that got the lock after another one had renamed a new file over the path opens the
// path again.
class LockedFile {
  public:
    explicit LockedFile(const std::string& path) {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < deadline) {
            fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            readable_ = fd_ >= 0;
            if (fd_ < 0 && errno == EACCES) {
                // Writable but not readable: the count starts again from 0.
                fd_ = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            }
            if (fd_ < 0)
                return;
            bool locked = false;
            while (!(locked = ::flock(fd_, LOCK_EX | LOCK_NB) == 0) && Clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            struct stat opened {};
            struct stat named {};
            if (locked && ::fstat(fd_, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
                opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
                mode_ = opened.st_mode & 07777;
                return;
            }
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~LockedFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    bool readable() const { return readable_; }
    int fd() const { return fd_; }
    mode_t mode() const { return mode_; }

  private:
    int fd_ = -1;
    bool readable_ = false;
    mode_t mode_ = 0644;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file renamed over the old one, so that a crash never leaves half a counter; false when
// the folder does not take a new file.
bool replaceAtomically(const std::string& path, mode_t mode, const std::string& text) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0;
    ok = ok && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool writeInPlace(int fd, const std::string& text) {
    return writeAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 &&
           ::fsync(fd) == 0;
}

// Runs change on the engine's count under the lock and writes the file. change gets the stored
// count (0 without an entry) and returns the new one.
int updateCounter(const std::string& file, const std::string& engineId,
                  const std::function<std::uint32_t(std::uint32_t)>& change, std::uint32_t& boots) {
    if (engineId.size() > kMaxEngineIdLength)
        return kBootCounterEngineIdTooLong;
    LockedFile locked(file);
    if (!locked.ok()) {
        // Not writable: a damaged file is still reported as such.
        std::vector<Entry> entries;
        if (readEntries(file, entries) == kBootCounterMalformed)
            return kBootCounterMalformed;
        return kBootCounterWriteFailed;
    }
    std::vector<Entry> entries;
    if (locked.readable()) {
        std::string content;
        if (!readAll(locked.fd(), content))
            return kBootCounterWriteFailed;
        std::istringstream in(content);
        if (parseEntries(in, entries) == kBootCounterMalformed)
            return kBootCounterMalformed;
    }
    const std::string hex = toHex(engineId);
    std::uint32_t stored = 0;
    bool found = false;
    for (const Entry& e : entries) {
        if (sameHex(e.hexId, hex)) {
            stored = e.boots;
            found = true;
            break;
        }
    }
    boots = change(stored);
    for (Entry& e : entries)
        if (sameHex(e.hexId, hex))
            e.boots = boots;
    if (!found)
        entries.push_back({hex, boots});
    const std::string text = render(entries);
    if (replaceAtomically(file, locked.mode(), text) || writeInPlace(locked.fd(), text))
        return kBootCounterOk;
    return kBootCounterWriteFailed;
}

}  // namespace

int getBootCounter(const std::string& file, const std::string& engineId, std::uint32_t& boots) {
    boots = 0;
    if (engineId.size() > kMaxEngineIdLength)
        return kBootCounterEngineIdTooLong;
    std::vector<Entry> entries;
    if (int rc = readEntries(file, entries); rc != kBootCounterOk)
        return rc;
    const std::string hex = toHex(engineId);
    for (const Entry& e : entries) {
        if (sameHex(e.hexId, hex)) {
            boots = e.boots;
            return kBootCounterOk;
        }
    }
    return kBootCounterNoEntry;
}

int saveBootCounter(const std::string& file, const std::string& engineId, std::uint32_t boots) {
    std::uint32_t saved = 0;
    return updateCounter(
        file, engineId, [boots](std::uint32_t) { return boots; }, saved);
}

int incrementBootCounter(const std::string& file, const std::string& engineId,
                         std::uint32_t& boots) {
    std::uint32_t counted = 0;
    const int rc = updateCounter(
        file, engineId,
        [](std::uint32_t stored) {
            return stored >= kMaxEngineBoots ? kMaxEngineBoots : stored + 1;
        },
        counted);
    if (rc == kBootCounterOk)
        boots = counted;
    return rc;
}
