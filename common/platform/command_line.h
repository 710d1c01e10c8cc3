// The program's command-line arguments as UTF-8, without the program name: Windows hands main()
// its arguments in the ANSI code page, which cannot hold every file name.
#pragma once

#include <string>
#include <vector>

namespace platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Standard input and output carry bytes as they are; Windows would turn their line ends and
// stop reading at a Ctrl+Z.
void UseBinaryStandardStreams();

}  // namespace platform
