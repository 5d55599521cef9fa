#pragma once
// Reference-counted pointer of the language layer: an object pointer whose count lives in the
// object itself (the object derives from ReferenceCounter), so an object and its count are one
// allocation and a pointer is one word. Counts are atomic, so copies may be made and dropped on
// several threads at once. Converting between pointer types shares the object: an up-cast always
// keeps it, a down-cast keeps it only when the object is of the target class (checked),
// otherwise the result is empty.
// As with shared pointers, distinct RPtr objects may share an object across threads, but one
// RPtr object must not be assigned on one thread while another thread reads it.

#include <atomic>
#include <cstddef>
#include <type_traits>
#include <utility>

namespace TavLanguage {

// The count of an object held by RPtr, kept inside the object. Invariant: the first RPtr made
// from a new object brings the count to 1, and the object is deleted, through the one virtual
// operation, exactly when the count returns to 0.
class ReferenceCounter {
public:
    ReferenceCounter() = default;
    ReferenceCounter(const ReferenceCounter&) = delete;
    ReferenceCounter& operator=(const ReferenceCounter&) = delete;
    virtual ~ReferenceCounter() = default;

    // Deletes the counted object (the object this count belongs to).
    virtual void DeleteObject() { delete this; }

    void AddReference() const { m_count.fetch_add(1, std::memory_order_relaxed); }
    // Removes one reference; true when it was the last one.
    bool RemoveReference() const { return m_count.fetch_sub(1, std::memory_order_acq_rel) == 1; }
    long GetCount() const { return m_count.load(std::memory_order_acquire); }

private:
    // An int keeps the count beside the first member of a derived object, in the word after
    // the virtual table pointer.
    mutable std::atomic<int> m_count{0};
};

template <class T> class RPtr {
public:
    RPtr() noexcept = default;
    RPtr(std::nullptr_t) noexcept {}

    // Takes ownership of a freshly created object (null gives an empty pointer).
    explicit RPtr(T* object) noexcept : m_object(object) { Acquire(); }

    RPtr(const RPtr& other) noexcept : m_object(other.m_object) { Acquire(); }
    RPtr(RPtr&& other) noexcept : m_object(other.m_object) { other.m_object = nullptr; }

    // Up-casts keep the object; down-casts keep it only when the object is a T.
    template <class U> RPtr(const RPtr<U>& other) noexcept {
        m_object = Convert(other.m_object);
        Acquire();
    }
    template <class U> RPtr(RPtr<U>&& other) noexcept {
        m_object = Convert(other.m_object);
        if (m_object != nullptr) other.m_object = nullptr;
    }

    ~RPtr() { Release(); }

    RPtr& operator=(const RPtr& other) noexcept {
        RPtr copy(other);
        Swap(copy);
        return *this;
    }
    RPtr& operator=(RPtr&& other) noexcept {
        RPtr moved(std::move(other));
        Swap(moved);
        return *this;
    }
    template <class U> RPtr& operator=(const RPtr<U>& other) noexcept {
        RPtr converted(other);
        Swap(converted);
        return *this;
    }
    RPtr& operator=(std::nullptr_t) noexcept {
        Reset();
        return *this;
    }

    // Drops this reference; the pointer is empty afterwards.
    void Reset() noexcept {
        RPtr empty;
        Swap(empty);
    }
    void Swap(RPtr& other) noexcept {
        std::swap(m_object, other.m_object);
    }

    T* Get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    T& operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }
    bool IsNull() const noexcept { return m_object == nullptr; }
    // Number of RPtr sharing the object (0 when empty).
    long GetCount() const noexcept { return m_object != nullptr ? Counter()->GetCount() : 0; }

    template <class U> bool operator==(const RPtr<U>& other) const noexcept {
        return static_cast<const void*>(m_object) == static_cast<const void*>(other.Get());
    }
    bool operator==(std::nullptr_t) const noexcept { return m_object == nullptr; }

private:
    template <class U> friend class RPtr;

    template <class U> static T* Convert(U* object) noexcept {
        if (object == nullptr) return nullptr;
        if constexpr (std::is_convertible_v<U*, T*>) {
            return object;
        } else {
            return dynamic_cast<T*>(object);
        }
    }
    ReferenceCounter* Counter() const noexcept {
        static_assert(std::is_base_of_v<ReferenceCounter, T>, "RPtr holds objects derived from ReferenceCounter");
        return m_object;
    }
    void Acquire() noexcept {
        if (m_object != nullptr) Counter()->AddReference();
    }
    void Release() noexcept {
        if (m_object != nullptr && Counter()->RemoveReference()) Counter()->DeleteObject();
        m_object = nullptr;
    }

    T* m_object = nullptr;
};

// Creates an object and its first reference in one step.
template <class T, class... Args> RPtr<T> MakeR(Args&&... args) {
    return RPtr<T>(new T(std::forward<Args>(args)...));
}

} // namespace TavLanguage
