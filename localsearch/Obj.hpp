#pragma once
// Root of every object of the local-search problem model. Objects are created on the heap
// through Obj's allocation operator, which records them in the registry of the problem current
// on the creating thread (ModelState); the problem frees them all when it is destroyed.
// Nobody else owns model objects.

#include <cstddef>
#include <ostream>

namespace GLSLib {

class GGLS;

class Obj {
public:
    // Raised by an integer expression whose value is undefined (division by zero, index out of
    // range, an unassigned variable). Constraints turn it into their maximum violation.
    class Undef {};

    virtual ~Obj() = default;
    // Writes the object in its printed form; returns the stream.
    virtual std::ostream& Print(std::ostream& os) const = 0;

    // Allocates a block and records it in the registry of the current problem (CurrentState).
    static void* operator new(std::size_t size);
    // Removes p from the registry it was recorded in and frees it; null does nothing.
    static void operator delete(void* p) noexcept;

    // Deletes every object of the problem current on this thread (the default registry when
    // none is) through its virtual destructor; that registry ends empty.
    static void DeleteAll();
    // Number of live objects in the process, every problem's registry counted.
    static std::size_t RegistrySize();

    // Stores the engine that numeric features of the current problem created from now on
    // refer to.
    static void SetNumericFeatureParam(GGLS* engine);
    // The engine stored by SetNumericFeatureParam for the current problem; null when none.
    static GGLS* GetNumericFeatureParam();
};

// Writes o through its Print.
inline std::ostream& operator<<(std::ostream& os, const Obj& o) {
    return o.Print(os);
}

} // namespace GLSLib
