// Running a command line through the shell in the end-to-end tests.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_support.h"

namespace testsupport {

// A command line run through the shell, and what it printed.
struct ShellOutcome {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

inline ShellOutcome RunShell(const std::string& command, const TempDirectory& scratch) {
    const std::string out = scratch.File("shell.out"), err = scratch.File("shell.err");
    const int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace testsupport
