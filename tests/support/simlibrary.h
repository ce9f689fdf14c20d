#pragma once
// For test binaries that talk to the simulator through the SNMP library: one private
// simulator for the binary, started before the first test, and the library started once
// (its boots counter file in a temporary folder); plus waiting on the message loop.
#include <functional>

#include "simharness.h"

namespace trqtest {

// Registers the environment; options() is called when the binary's tests start, started()
// (when given) once the simulator answers and the library runs. Use it to initialise a
// namespace-scope variable in one source file of the binary.
bool UseSimulatorWithLibrary(std::function<SimOptions()> options,
                             std::function<void(SimProcess&)> started = {});

// The binary's simulator (valid once the environment is set up).
SimProcess& LibrarySim();

// Aims every request built from now on at the simulator, over SNMPv2c with its read and
// write communities, as start-up does from the command line.
void AimDefaultsAt(SimProcess& simulator);

// Runs the message loop (the library's event timer pumps the engine) until done() or the
// time is up (a ceiling for a loaded machine, never a wait); the result of done().
bool waitUntil(const std::function<bool()>& done, int milliseconds = 60000);

// Runs the message loop for that long (lets queued events and replies through).
void pump(int milliseconds);

} // namespace trqtest
