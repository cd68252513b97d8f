// Sibling tool command lines, and the two menu entries starting stand-in tools found on PATH.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "command_line.h"
#include "main_form.h"
#include "message_box.h"
#include "sibling_tools.h"
#include "snmp_types.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

using corvane::test::TempDir;

// Puts a folder first on PATH for the lifetime of the guard.
class PathGuard {
  public:
    explicit PathGuard(const std::string& path) : old_(qgetenv("PATH")) {
        qputenv("PATH", QByteArray::fromStdString(path));
    }
    ~PathGuard() { qputenv("PATH", old_); }

  private:
    QByteArray old_;
};

LaunchParameters keptFrom(const std::vector<std::string>& args) {
    ResetDefaultTarget();
    LaunchParameters kept;
    ParseCommandLine(args, kept);
    return kept;
}

// A program that writes the arguments it received to NAME.args in its folder, one a line;
// the file appears whole, by renaming.
void writeStandIn(const std::string& dir, const std::string& name) {
    const std::string path = dir + "/" + name;
    std::ofstream(path) << "#!/bin/sh\n"
                        << "printf '%s\\n' \"$@\" > '" << path << ".part'\n"
                        << "mv '" << path << ".part' '" << path << ".args'\n";
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

QStringList argumentsReceived(const std::string& dir, const std::string& name) {
    const QString file = QString::fromStdString(dir + "/" + name + ".args");
    (void)QTest::qWaitFor([&] { return QFile::exists(file); }, 10000);
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {"(nothing received)"};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QAction* menuAction(QMenuBar* bar, const QStringList& path) {
    QList<QAction*> actions = bar->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == caption)
                found = a;
        if (!found)
            return nullptr;
        actions = found->menu() ? found->menu()->actions() : QList<QAction*>{};
    }
    return found;
}

}  // namespace

TEST(SiblingTools, CommandLines) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* tool;
        const char* expected;
        QStringList words = {};  // as the text splits; empty: the expected text cut at its blanks
    } cases[] = {
        {"address and communities",
         {"/I192.0.2.10", "/Rmeadow2", "/Wthistle2"},
         "/TRmon_AlarmEvent",
         "Rmon /I192.0.2.10 /Rmeadow2 /Wthistle2 /TRmon_AlarmEvent"},
        {"nothing given: empty kept texts, not the defaults",
         {"/v1"},
         "/TMIB_IFCounters",
         "MIB /I /R /W /TMIB_IFCounters"},
        {"a port kept under /v3 is not passed once the version is 1",
         {"/I192.0.2.10", "/v3", "/t1161", "/v1", "/Rr", "/Ww"},
         "/TMIB_IFCounters",
         "MIB /I192.0.2.10 /Rr /Ww /TMIB_IFCounters"},
        {"SNMPv3: every switch in order, no communities",
         {"/I192.0.2.10", "/Rmeadow2", "/Wthistle2", "/v3", "/t1161", "/cbridge", "/d80001F88804",
          "/m3", "/l3", "/nadmin", "/Aauth-phrase", "/Ppriv-phrase", "/a5", "/p4"},
         "/TMIB_IFCounters",
         "MIB /I192.0.2.10 /t1161 /v3 /d80001F88804 /m3 /nadmin /l3 /a5 /p4 /Aauth-phrase "
         "/Ppriv-phrase /cbridge /TMIB_IFCounters"},
        {"SNMPv3 without /c ends in /c and an empty value",
         {"/I192.0.2.10", "/v3", "/nadmin", "/l1"},
         "/TRmon_AlarmEvent",
         "Rmon /I192.0.2.10 /t /v3 /d /m /nadmin /l1 /a /p /A /P /c /TRmon_AlarmEvent"},
        {"an argument without _ names no program",
         {"/I192.0.2.10", "/Rr", "/Ww"},
         "/TMIBIFCounters",
         " /I192.0.2.10 /Rr /Ww /TMIBIFCounters"},
        {"values with blanks and double quotes survive the split",
         {"/I192.0.2.10", "/v3", "/nnight shift", "/Aa \"quoted\" phrase", "/P\"", "/c\"ctx"},
         "/TRmon_AlarmEvent",
         R"(Rmon /I192.0.2.10 /t /v3 /d /m /n"night shift" /l /a /p /A"a """quoted""" phrase" )"
         R"(/P""""" /c""""ctx" /TRmon_AlarmEvent)",
         {"Rmon", "/I192.0.2.10", "/t", "/v3", "/d", "/m", "/nnight shift", "/l", "/a", "/p",
          "/Aa \"quoted\" phrase", "/P\"", "/c\"ctx", "/TRmon_AlarmEvent"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = SiblingCommandLine(keptFrom(c.args), c.tool);
        EXPECT_EQ(text, c.expected);
        const QStringList words =
            c.words.isEmpty() ? QString(c.expected).split(' ', Qt::SkipEmptyParts) : c.words;
        EXPECT_EQ(QProcess::splitCommand(QString::fromStdString(text)), words);
    }
    // Nothing is started for a text that begins with a switch.
    EXPECT_FALSE(LaunchSiblingTool(keptFrom({"/I192.0.2.10"}), "/TMIBIFCounters"));
}

TEST(SiblingTools, MenuEntriesStartTheToolsFoundOnPath) {
    TempDir dir;
    writeStandIn(dir.path(), "MIB");
    writeStandIn(dir.path(), "Rmon");
    PathGuard path(dir.path() + ":" + qgetenv("PATH").toStdString());
    int messages = 0;
    SetMessageHandler([&](const MessageRequest&) { return bool(++messages); });

    TMainForm form({"/I192.0.2.10", "/Rgreen meadow", "/Wthistle2"}, dir.path());
    QAction* counters = menuAction(form.menuBar(), {"System", "MIB II", "IF Counter Table"});
    QAction* alarms = menuAction(form.menuBar(), {"Monitoring", "RMON", "Alarm/Event Table"});
    ASSERT_NE(counters, nullptr);
    ASSERT_NE(alarms, nullptr);
    EXPECT_TRUE(counters->isEnabled());
    EXPECT_TRUE(alarms->isEnabled());
    counters->trigger();
    alarms->trigger();
    EXPECT_EQ(argumentsReceived(dir.path(), "MIB"),
              QStringList({"/I192.0.2.10", "/Rgreen meadow", "/Wthistle2", "/TMIB_IFCounters"}));
    EXPECT_EQ(argumentsReceived(dir.path(), "Rmon"),
              QStringList({"/I192.0.2.10", "/Rgreen meadow", "/Wthistle2", "/TRmon_AlarmEvent"}));

    // Not installed: nothing starts and nothing is said.
    fs::remove(dir.path() + "/Rmon");
    fs::remove(dir.path() + "/Rmon.args");
    {
        PathGuard only(dir.path());
        EXPECT_FALSE(LaunchSiblingTool(form.launchParameters, "/TRmon_AlarmEvent"));
        alarms->trigger();
    }
    EXPECT_EQ(messages, 0);
    SetMessageHandler({});
}
