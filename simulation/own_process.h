// What the simulation helper asks of the system about its own process: its
// size, its heap, and starting itself afresh.
#pragma once

namespace tavro::simulation {

// The helper's resident memory in kilobytes (the working set on Windows);
// 0 when the system does not say.
long OwnResidentKilobytes();

// One heap for every thread: with an arena per thread (glibc's default) the
// resident size jumps by most of a megabyte now and then. Called first
// thing in main.
void ShareOneHeap();

// Gives the heap's free memory back to the system, so that a long-lived
// helper stays at its size.
void ReleaseFreeMemory();

// A crash ends the helper at once, its caller told by its end: no dialog
// (Windows' error reporting, or a debugger Wine starts) waits for a user
// first. Called first thing in main.
void EndAtOnceOnACrash();

// Starts the running program afresh in this same process with `argv`, its
// standard streams kept: returns only when that cannot be done (always on
// Windows, which replaces no running program; the caller carries on as it
// is).
void RestartOwnProgram(char** argv);

}  // namespace tavro::simulation
