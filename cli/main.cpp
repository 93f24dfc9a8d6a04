// tavro-cli's entry point: the command line over standard input and output.
#include <iostream>

#include "cli/command_line.h"
#include "cli/standard_input.h"
#include "files/standard_streams.h"

int main(int argc, char** argv) {
  tavro::files::UseBinaryStandardStreams();
  tavro::cli::DescriptorInput standardInput(0);
  std::istream in(&standardInput);
  return tavro::cli::RunCli(tavro::files::CommandLineArguments(argc, argv), in, std::cout,
                            std::cerr);
}
