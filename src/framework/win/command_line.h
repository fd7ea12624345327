#pragma once
// Starting other programs from a GBK command line.

#include <string>
#include <string_view>

#include "framework/text.h"

// The command line as the wide API takes it: converted from GBK, so that a
// Chinese file name arrives intact whatever the system's ANSI code page is.
std::wstring WideCommandLine(std::string_view command);

// Starts the command line in a normal window without waiting for it; false
// when it cannot be started.
bool StartCommand(std::string_view command);
