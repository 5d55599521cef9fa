#include "localsearch/Obj.hpp"

#include "localsearch/ModelState.hpp"

#include <cstddef>
#include <new>

namespace GLSLib {

namespace {

// Each block starts with a header naming the registry that records it, so that deleting one
// object finds its problem without any search. The header keeps the object maximally aligned.
struct alignas(std::max_align_t) BlockHeader {
    ObjRegistry* registry;
};

BlockHeader* HeaderOf(void* object) {
    return reinterpret_cast<BlockHeader*>(static_cast<char*>(object) - sizeof(BlockHeader));
}

} // namespace

void* Obj::operator new(std::size_t size) {
    void* block = ::operator new(sizeof(BlockHeader) + size);
    void* object = static_cast<char*>(block) + sizeof(BlockHeader);
    ObjRegistry& registry = CurrentState().registry;
    new (block) BlockHeader{&registry};
    try {
        registry.Insert(object);
    } catch (...) {
        ::operator delete(block);
        throw;
    }
    return object;
}

void Obj::operator delete(void* p) noexcept {
    if (p == nullptr) return;
    BlockHeader* header = HeaderOf(p);
    header->registry->Erase(p);
    ::operator delete(static_cast<void*>(header));
}

void Obj::DeleteAll() {
    CurrentState().registry.DeleteAll();
}

std::size_t Obj::RegistrySize() {
    return LiveObjectCount();
}

void Obj::SetNumericFeatureParam(GGLS* engine) {
    CurrentState().values.currentEngine = engine;
}

GGLS* Obj::GetNumericFeatureParam() {
    return CurrentState().values.currentEngine;
}

} // namespace GLSLib
