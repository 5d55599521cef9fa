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

void ObjRegistry::Insert(ObjHeader* header) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_live.push_back(header);
    header->registry = this;
    header->slot = m_live.size() - 1;
    g_liveObjects.fetch_add(1, std::memory_order_relaxed);
}

void ObjRegistry::Erase(ObjHeader* header) noexcept {
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::size_t slot = header->slot;
    if (slot >= m_live.size() || m_live[slot] != header) return;
    m_live[slot] = m_live.back();
    m_live[slot]->slot = slot;
    m_live.pop_back();
    g_liveObjects.fetch_sub(1, std::memory_order_relaxed);
}

void ObjRegistry::DeleteAll() {
    // Newest first: the allocator takes blocks back in the reverse of the order it gave them
    // out, which on a model of millions of objects is several times faster than any other order.
    for (;;) {
        Obj* next = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_live.empty()) break;
            next = static_cast<Obj*>(m_live.back()->Object());
        }
        delete next; // the destructor frees only the object's own storage
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_live.shrink_to_fit();
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
