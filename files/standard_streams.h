// The program's standard streams and command line as the system hands them
// over: read from a descriptor, written as bytes, named in UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tavro::files {

// Standard input and output carry bytes as they are: on Windows no line
// break becomes CR LF on its way out (or the reverse on the way in), so a
// program's output is the same bytes on every system. Called first thing in
// main; does nothing where the system keeps bytes as they are anyway.
void UseBinaryStandardStreams();

// Reads at most `size` bytes from the open descriptor `fd` into `buffer`:
// the number read, 0 at the end of the input, or -1 with errno set.
std::ptrdiff_t ReadDescriptor(int fd, char* buffer, std::size_t size);

// The program's arguments in UTF-8 (on Windows taken from the system's
// UTF-16 command line, as `argv` holds them in the user's code page).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace tavro::files
