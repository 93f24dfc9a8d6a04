// Where the files the simulation needs at run time are: the helper program
// and ngspice's start-up folder. An environment variable names them for a
// test or an unusual installation; otherwise they are found relative to the
// running program, so an installed tree can move; the build tree comes last.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tavro::simulation {

// The value of `variable` if set; else the first of `candidates` (relative to
// the running program's folder) under which `probe` exists (the candidate
// itself when `probe` is empty); else `fallback`.
std::string LocateFile(const char* variable, const std::vector<std::filesystem::path>& candidates,
                       const std::filesystem::path& probe, std::string fallback);

}  // namespace tavro::simulation
