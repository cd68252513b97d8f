// The engine-boots counter file and InitGlobalSession's use of it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "boot_counter.h"
#include "global_session.h"
#include "messages.h"
#include "session.h"

namespace fs = std::filesystem;

namespace {

class TempDir {
  public:
    TempDir() {
        char tmpl[] = "/tmp/corvane-boots-XXXXXX";
        path_ = ::mkdtemp(tmpl);
    }
    ~TempDir() { fs::remove_all(path_); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* kEngineHex = "4E6D534E4D505F50505F4170706C69636174696F6E";

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
