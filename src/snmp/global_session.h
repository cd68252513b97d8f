// Creation of the process-wide session with its SNMPv3 engine identity and boots counter.
#pragma once

#include <string>

inline constexpr const char* kLocalEngineId = "NmSNMP_PP_Application";
inline constexpr const char* kBootCounterFile = "NmSNMP_PP_BootCounter";

// Creates GlobalSession, counts this start in the boot-counter file in the folder (the working
// directory when empty), sets the default target and starts the event pump. Raises -506, -507
// or -508 with the built-in texts.
void InitGlobalSession(const std::string& folder);

// The counter file path for a folder, as InitGlobalSession builds it.
std::string bootCounterPath(const std::string& folder);
