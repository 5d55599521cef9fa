#include "localsearch/ModelState.hpp"

#include "localsearch/Obj.hpp"

#include <vector>

namespace GLSLib {

namespace {

std::atomic<std::size_t> g_liveObjects{0};

// This thread's current states, innermost last. Entries hold their state alive, so a problem
// destroyed on another thread leaves a closed state here that the next lookup drops.
std::vector<std::shared_ptr<ModelState>>& ThreadStates() {
    thread_local std::vector<std::shared_ptr<ModelState>> states;
    return states;
}

} // namespace

void ObjRegistry::Insert(void* object) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_live.insert(object);
    g_liveObjects.fetch_add(1, std::memory_order_relaxed);
}

void ObjRegistry::Erase(void* object) noexcept {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_live.erase(object) > 0) g_liveObjects.fetch_sub(1, std::memory_order_relaxed);
}

void ObjRegistry::DeleteAll() {
    for (;;) {
        Obj* next = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_live.empty()) return;
            next = static_cast<Obj*>(*m_live.begin());
        }
        delete next; // the destructor frees only the object's own storage
    }
}

std::size_t ObjRegistry::Size() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_live.size();
}

ModelState& DefaultState() {
    static ModelState* state = new ModelState; // never destroyed: objects may outlive statics
    return *state;
}

ModelState& CurrentState() {
    std::vector<std::shared_ptr<ModelState>>& states = ThreadStates();
    while (!states.empty() && states.back()->IsClosed())
        states.pop_back();
    return states.empty() ? DefaultState() : *states.back();
}

void PushState(const std::shared_ptr<ModelState>& state) {
    ThreadStates().push_back(state);
}

void PopState(const ModelState* state) {
    std::vector<std::shared_ptr<ModelState>>& states = ThreadStates();
    for (auto it = states.rbegin(); it != states.rend(); ++it) {
        if (it->get() == state) {
            states.erase(std::next(it).base());
            return;
        }
    }
}

std::size_t LiveObjectCount() {
    return g_liveObjects.load(std::memory_order_relaxed);
}

} // namespace GLSLib
