#pragma once
// Variable-ordering heuristics: each picks the position of the next variable to label among the
// problem's decision variables followed (unless mainListOnly) by its induced variables. A
// position p >= the decision count names induced entry p - decision count. Each is handed the
// search's own generator; only the random ordering draws from it.

namespace Platform {
class Random;
}

namespace GFCLib {

class CSP;

using VariableChooser = int (*)(CSP* problem, int level, bool mainListOnly, Platform::Random& random);

// First free variable in list order; level when none is free.
int NaturalOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random& random);
// A uniformly drawn free decision variable, or, once they are all bound and unless
// mainListOnly, a drawn free induced variable (one number of random per call); -1 when none
// is free.
int RandomOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random& random);
// The free candidate with the fewest values left (earliest on ties); -1 when none is free.
int SmallestDomainScan(CSP* problem, int level, bool mainListOnly);
// The position of the first free induced variable; level when none is free.
int FirstFreeInduced(CSP* problem, int level);
// Smallest domain among the decision variables; then, unless mainListOnly, the first free
// induced variable (level when none); -1 when mainListOnly and no decision variable is free.
int SmallestDomainOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random& random);

} // namespace GFCLib
