// How a command of the barvella tool reports: it throws CommandFailure with one line saying
// what failed, and main prints it on stderr and exits 1.
#pragma once

#include <stdexcept>
#include <string>

class CommandFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text for the terminal: CP932 from the store or the pages comes out as UTF-8.
std::string TerminalText(const std::string& sjis);
