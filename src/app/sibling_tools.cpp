// Sibling tool command lines and their start.
#include "sibling_tools.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace {

// A value as the splitter reads it back whole: blanks would otherwise cut it in two and a
// double quote would start a quoted run. Inside quotes, three double quotes stand for one.
std::string quoted(const std::string& value) {
    const QString text = QString::fromLocal8Bit(value.c_str());
    const bool plain =
        std::none_of(text.begin(), text.end(), [](QChar c) { return c.isSpace() || c == u'"'; });
    if (plain)
        return value;
    std::string out = "\"";
    for (char c : value)
        out += c == '"' ? std::string("\"\"\"") : std::string(1, c);
    return out + "\"";
}

std::string programName(const std::string& toolArgument) {
    const std::size_t bar = toolArgument.find('_');
    if (bar == std::string::npos || bar <= 2)
        return {};
    return toolArgument.substr(2, bar - 2);
}

}  // namespace

std::string SiblingCommandLine(const LaunchParameters& kept, const std::string& toolArgument) {
    std::string text = programName(toolArgument) + " /I" + quoted(kept.Address);
    auto add = [&text](const char* sw, const std::string& value) {
        text += std::string(" ") + sw + quoted(value);
    };
    if (kept.Version == "3") {
        add("/t", kept.Port);
        add("/v", kept.Version);
        add("/d", kept.ContextEngineID);
        add("/m", kept.SecurityModel);
        add("/n", kept.SecurityName);
        add("/l", kept.SecurityLevel);
        add("/a", kept.AuthProtocol);
        add("/p", kept.PrivProtocol);
        add("/A", kept.AuthPassword);
        add("/P", kept.PrivPassword);
        add("/c", kept.ContextName);
    } else {
        add("/R", kept.ReadCommunity);
        add("/W", kept.WriteCommunity);
    }
    return text + " " + toolArgument;
}

bool LaunchSiblingTool(const LaunchParameters& kept, const std::string& toolArgument) {
    // Without a program name the first switch would be taken for a program path.
    if (programName(toolArgument).empty())
        return false;
    QStringList words = QProcess::splitCommand(
        QString::fromLocal8Bit(SiblingCommandLine(kept, toolArgument).c_str()));
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    return QProcess::startDetached(program, words);
}
