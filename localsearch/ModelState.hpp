#pragma once
// What one local-search problem keeps besides its lists: the registry of its model objects,
// its tuning values and counters, and its random sequence. Each GLSCSP holds one, so several
// problems (and the engines searching them) live side by side, on one thread or on several;
// a new problem always starts from the values below.
//
// Objects of the model find their problem when they are created: the problem current on the
// creating thread (see CurrentState and ModelScope), or a process-wide default state for
// objects made while no problem is current (only tests and tools do that).

#include "platform/Random.hpp"

#include <atomic>
#include <climits>
#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

namespace GLSLib {

class GGLS;
class Obj;
class ObjRegistry;

// Most individuals (population or pool) a genetic-algorithm engine creates.
constexpr int kGaReservedIndividuals = 1000;

// The tuning values and counters of one problem, at their starting values.
struct ModelValues {
    // Weight of every hard constraint's penalty feature (engines raise it during set-up).
    int constraintWeight = 1000;
    // Weight of penalties in guided local search (solver parameter 1).
    int lambda = 1;
    // Weight W of the objective's violation (solver parameter 6 of the engines).
    int objectiveWeight = 1;
    // Best objective value seen by Minimise; INT_MAX until a value has been seen.
    int bestObjective = INT_MAX;
    // The engine searching the problem, which numeric features ask; null when none.
    GGLS* currentEngine = nullptr;
    // Next id of a variable, a constraint and a feature.
    int variableCount = 0;
    int constraintCount = 0;
    int featureCount = 0;

    // ---- Genetic algorithm and tabu search settings (GGA_ND, TABU) ----
    // Individuals per generation and parents per generation (GGA_ND parameters 1 and 4);
    // both at most kGaReservedIndividuals, the pool at least 3 and at most the population.
    int gaPopulationSize = 500;
    int gaPoolSize = 100;
    // Fraction of the variables changed by one mutation (parameter 3), in [0, 1].
    float gaMutationRate = 0.3f;
    // Generations of one run (parameter 5) and generations without improvement tolerated
    // before a penalty step (parameter 6).
    int gaMaxGenerations = 150;
    int gaStallLimit = 3;
    // Starting cost of every (variable, value) feature (parameter 7) and the weight of the
    // penalty term in the fitness (parameter 8).
    int gaFeatureCost = 1;
    int gaLambda = 1;
    // Probability of breeding a child by crossover rather than by mutation.
    float gaCrossoverRate = 0.5f;
    // Seed given to the problem's generator whenever a population is created.
    unsigned gaSeed = 345654;
    // Random part (a draw modulo the range, range >= 1) and fixed part of a tabu tenure.
    int tabuTenureRange = 20;
    int tabuTenureBase = 10;
};

// The block of every model object starts with this header, which names the registry that
// records the object and its place there, so that deleting one object takes it out of its
// registry without any search. It keeps the object maximally aligned.
struct alignas(std::max_align_t) ObjHeader {
    ObjRegistry* registry;
    std::size_t slot;

    void* Object() { return reinterpret_cast<char*>(this) + sizeof(ObjHeader); }
    static ObjHeader* Of(void* object) {
        return reinterpret_cast<ObjHeader*>(static_cast<char*>(object) - sizeof(ObjHeader));
    }
};

// The objects of one problem. Every object is recorded in exactly one registry, the one of
// the state current when it was allocated; the registry frees what it still holds when asked
// or when it is destroyed, newest first. Guarded, so that a model built on one thread may be
// freed on another (the model itself is used by one thread at a time).
// Invariant: m_live[h->slot] == h for every recorded header h.
class ObjRegistry {
public:
    ObjRegistry() = default;
    ~ObjRegistry() { DeleteAll(); }
    ObjRegistry(const ObjRegistry&) = delete;
    ObjRegistry& operator=(const ObjRegistry&) = delete;

    // Records the object of header (which it points at this registry); throws std::bad_alloc.
    void Insert(ObjHeader* header);
    // Forgets the object of header, which this registry records.
    void Erase(ObjHeader* header) noexcept;
    // Deletes every recorded object through its virtual destructor; ends empty.
    void DeleteAll();
    std::size_t Size() const;

private:
    mutable std::mutex m_mutex;
    std::vector<ObjHeader*> m_live;
};

class ModelState {
public:
    ModelState() = default;
    ModelState(const ModelState&) = delete;
    ModelState& operator=(const ModelState&) = delete;

    ModelValues values;
    ObjRegistry registry;
    // The problem's random sequence; starts as if seeded with 1.
    Platform::Random random;

    // A closed state belongs to a problem that no longer exists: nothing is built into it.
    bool IsClosed() const { return m_closed.load(std::memory_order_acquire); }
    void Close() { m_closed.store(true, std::memory_order_release); }

private:
    std::atomic<bool> m_closed{false};
};

// The state of the problem current on this thread: the innermost open one made current by a
// GLSCSP's construction or by a ModelScope; the process-wide default state when none is.
ModelState& CurrentState();
// Makes state the current one of this thread (innermost) until PopState(state).
void PushState(const std::shared_ptr<ModelState>& state);
// Removes the innermost entry of state from this thread's current states (if any).
void PopState(const ModelState* state);
// The process-wide default state (objects made while no problem is current).
ModelState& DefaultState();
// Live objects in every registry of the process.
std::size_t LiveObjectCount();

} // namespace GLSLib
