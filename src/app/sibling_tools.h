// The suite's sibling tools (interface-counter monitor, RMON alarm/event tool), started with the
// agent parameters this program was given.
#pragma once

#include <string>

#include "command_line.h"

// The command text for a tool argument such as "/TMIB_IFCounters": the program named between the
// argument's third character and its first "_", the address, then the SNMPv3 switches (version
// "3") or the two communities, and last the argument itself. A value holding blanks or double
// quotes is quoted so that splitting the text gives it back whole.
std::string SiblingCommandLine(const LaunchParameters& kept, const std::string& toolArgument);

// Starts the command text as a detached process; the program is looked up on PATH. A start
// that fails is ignored by the caller: the result only says whether a process was started.
bool LaunchSiblingTool(const LaunchParameters& kept, const std::string& toolArgument);
