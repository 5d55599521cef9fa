#pragma once
// An array of the problem model (domains, variables, constraints, constants): it owns its
// elements and tells the model's observers of every change. Its elements are read-only through
// it: an element changes by ReplaceAt with an edited copy, so no change goes unannounced.
// Element pointers stay valid while other elements are added or removed.

#include "workbench/model/ModelAnnouncer.hpp"
#include "workbench/model/OwningArray.hpp"

#include <cstddef>
#include <iterator>
#include <memory>

namespace TavWorkbench {

template <class T> class ModelArray {
    using Items = OwningArray<T>;
    using Base = decltype(std::declval<const Items&>().begin());

public:
    // Walks the elements in order, each as a pointer to const.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = const T*;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = const T*;

        const_iterator() = default;
        explicit const_iterator(Base at) : m_at(at) {}
        const T* operator*() const { return m_at->get(); }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_at;
            return before;
        }
        bool operator==(const const_iterator& other) const = default;

    private:
        Base m_at{};
    };

    explicit ModelArray(ModelKind kind) : m_kind(kind) {}
    ModelArray(const ModelArray&) = delete;
    ModelArray& operator=(const ModelArray&) = delete;

    int GetSize() const { return m_items.GetSize(); }
    bool IsEmpty() const { return m_items.IsEmpty(); }
    // Element `index`; throws Platform::InternalError when out of range.
    const T* GetAt(int index) const { return m_items.GetAt(index); }
    const T* operator[](int index) const { return GetAt(index); }
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

    // Appends an element (taking it over); returns its index.
    int Add(std::unique_ptr<T> item) {
        const int index = m_items.Add(std::move(item));
        if (m_announcer != nullptr) m_announcer->Added(m_kind, index);
        return index;
    }
    // Deletes element `index` and puts `item` in its place; throws Platform::InternalError when
    // out of range.
    void ReplaceAt(int index, std::unique_ptr<T> item) {
        m_items.ReplaceAt(index, std::move(item));
        if (m_announcer != nullptr) m_announcer->Changed(m_kind, index);
    }
    // Deletes element `index`; later elements move down by one.
    void RemoveAt(int index) {
        m_items.RemoveAt(index);
        if (m_announcer != nullptr) m_announcer->Removed(m_kind, index);
    }
    // Deletes every element.
    void RemoveAll() {
        if (m_items.IsEmpty()) return;
        m_items.RemoveAll();
        if (m_announcer != nullptr) m_announcer->Reset();
    }
    // Deletes this array's elements, then takes over every element of `other` in order; `other`
    // is left empty. Both models' observers hear a reset.
    void TakeFrom(ModelArray& other) {
        if (&other == this) return;
        m_items.TakeFrom(other.m_items);
        if (other.m_announcer != nullptr) other.m_announcer->Reset();
        if (m_announcer != nullptr) m_announcer->Reset();
    }

    // The model that owns the array tells its observers through `announcer` (null: nobody).
    void SetAnnouncer(ModelAnnouncer* announcer) { m_announcer = announcer; }

private:
    Items m_items;
    ModelKind m_kind;
    ModelAnnouncer* m_announcer = nullptr;
};

} // namespace TavWorkbench
