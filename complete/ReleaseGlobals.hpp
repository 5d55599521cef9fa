#pragma once
// A fresh start for the problems built on this thread.

namespace GFCLib {

// Frees the integer, finite and set domain domain descriptions of the current registry (re-creating
// "BoolDomain") and resets its variable and constraint id counters to 0, so the next problem
// starts afresh. Every variable made over the freed domain descriptions must be gone first.
void ReleaseGlobals();

} // namespace GFCLib
