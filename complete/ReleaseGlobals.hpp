#pragma once
// Process-wide state of the library: the domain-spec registries and the id counters.

namespace GFCLib {

// Frees the integer, finite and set domain-spec registries (re-creating "BoolDomain") and
// resets the variable and constraint id counters to 0, so the next problem starts afresh.
// Every variable made over the freed specs must be gone first.
void ReleaseGlobals();

} // namespace GFCLib
