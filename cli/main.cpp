#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  return tavro::cli::RunCli(std::vector<std::string>(argv, argv + argc), std::cin, std::cout,
                            std::cerr);
}
