#include "localsearch/Obj.hpp"

#include "localsearch/ClassWideValues.hpp"

#include <mutex>
#include <new>
#include <unordered_set>

namespace GLSLib {

namespace {

// The registry is guarded so that a model built on one thread and freed on another stays
// sound; the model itself is still used by one thread at a time.
struct Registry {
    std::mutex mutex;
    std::unordered_set<void*> live;
};

Registry& TheRegistry() {
    static Registry* registry = new Registry; // never destroyed: objects may outlive statics
    return *registry;
}

} // namespace

void* Obj::operator new(std::size_t size) {
    void* block = ::operator new(size);
    Registry& registry = TheRegistry();
    try {
        std::lock_guard<std::mutex> lock(registry.mutex);
        registry.live.insert(block);
    } catch (...) {
        ::operator delete(block);
        throw;
    }
    return block;
}

void Obj::operator delete(void* p) noexcept {
    if (p == nullptr) return;
    Registry& registry = TheRegistry();
    {
        std::lock_guard<std::mutex> lock(registry.mutex);
        registry.live.erase(p);
    }
    ::operator delete(p);
}

void Obj::DeleteAll() {
    Registry& registry = TheRegistry();
    for (;;) {
        Obj* next = nullptr;
        {
            std::lock_guard<std::mutex> lock(registry.mutex);
            if (registry.live.empty()) return;
            next = static_cast<Obj*>(*registry.live.begin());
        }
        delete next; // the destructor frees only the object's own storage
    }
}

std::size_t Obj::RegistrySize() {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    return registry.live.size();
}

void Obj::SetNumericFeatureParam(GGLS* engine) {
    ClassWide().currentEngine = engine;
}

GGLS* Obj::GetNumericFeatureParam() {
    return ClassWide().currentEngine;
}

} // namespace GLSLib
