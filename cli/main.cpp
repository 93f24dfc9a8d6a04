// tavro-cli's entry point: the command line over standard input and output.
#include <iostream>

#include "cli/command_line.h"
#include "cli/standard_input.h"

int main(int argc, char** argv) {
  tavro::cli::DescriptorInput standardInput(0);
  std::istream in(&standardInput);
  return tavro::cli::RunCli(std::vector<std::string>(argv, argv + argc), in, std::cout, std::cerr);
}
