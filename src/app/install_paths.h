// Where the installed program finds its data: the simulator's profiles and the message files
// live under the installation prefix, in the data folder beside the program's folder.
#pragma once

#include <QString>
#include <string>

// <prefix>/share/corvane for a program in <prefix>/bin (whether or not it exists).
QString InstalledDataDir();

// The folder whose errmsg/ the message files come from: the work folder (the working directory
// when empty) when it holds errmsg/, else the installed data folder when that does, else the
// work folder, which leaves the built-in texts.
std::string MessageFolder(const std::string& workFolder);
