#pragma once
// An array that owns its elements: emptying or destroying it deletes them. The base of the
// model arrays (domains, variables, constraints, constants, templates, solution columns).
// Element pointers stay valid while other elements are added or removed.

#include "platform/FatalError.hpp"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace TavWorkbench {

template <class T> class OwningArray {
public:
    OwningArray() = default;
    OwningArray(const OwningArray&) = delete;
    OwningArray& operator=(const OwningArray&) = delete;
    OwningArray(OwningArray&&) noexcept = default;
    OwningArray& operator=(OwningArray&&) noexcept = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    bool IsEmpty() const { return m_items.empty(); }
    // Element `index`; throws Platform::InternalError when out of range.
    T* GetAt(int index) const {
        CheckIndex(index);
        return m_items[static_cast<std::size_t>(index)].get();
    }
    T* operator[](int index) const { return GetAt(index); }

    // Appends an element (taking it over); returns its index.
    int Add(std::unique_ptr<T> item) {
        m_items.push_back(std::move(item));
        return GetSize() - 1;
    }
    // Deletes element `index` and puts `item` in its place.
    void ReplaceAt(int index, std::unique_ptr<T> item) {
        CheckIndex(index);
        m_items[static_cast<std::size_t>(index)] = std::move(item);
    }
    // Deletes element `index`; later elements move down by one.
    void RemoveAt(int index) {
        CheckIndex(index);
        m_items.erase(m_items.begin() + index);
    }
    // Deletes every element.
    void RemoveAll() { m_items.clear(); }
    // Deletes this array's elements, then takes over every element of `other` in order; `other`
    // is left empty.
    void TakeFrom(OwningArray& other) {
        if (&other == this) return;
        m_items = std::move(other.m_items);
        other.m_items.clear();
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    void CheckIndex(int index) const {
        if (index < 0 || index >= GetSize()) throw Platform::InternalError("model array index out of range");
    }

    std::vector<std::unique_ptr<T>> m_items;
};

} // namespace TavWorkbench
