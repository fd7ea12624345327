#pragma once
// What the statistics are measured against: other programs on the same file
// and the simplest in-process word counter.

#include <cstddef>
#include <string>
#include <string_view>

// Runs `command` through the shell; throws std::runtime_error when it fails.
void RunCommand(const std::string& command);

// A shell word for `text`, safe inside a command line.
std::string ShellQuote(std::string_view text);

// Counts the words between ASCII white space with a hash map and orders them
// by count, as a program written in a hurry would; the number of distinct words.
std::size_t NaiveCount(std::string_view text);
