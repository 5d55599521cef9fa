#include "localsearch/Obj.hpp"

#include "localsearch/ModelState.hpp"

#include <cstddef>
#include <new>

namespace GLSLib {

void* Obj::operator new(std::size_t size) {
    void* block = ::operator new(sizeof(ObjHeader) + size);
    auto* header = new (block) ObjHeader{nullptr, 0};
    try {
        CurrentState().registry.Insert(header);
    } catch (...) {
        ::operator delete(block);
        throw;
    }
    return header->Object();
}

void Obj::operator delete(void* p) noexcept {
    if (p == nullptr) return;
    ObjHeader* header = ObjHeader::Of(p);
    header->registry->Erase(header);
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
