#pragma once
// Growable, index-checked array of numbers: the common body of CVector and CIVector, shaped
// like the framework array the linear-programming code and the workbench's wizards were
// written against (GetSize, SetSize, RemoveAll, Add, GetAt, SetAt, operator[]).

#include "platform/FatalError.hpp"

#include <initializer_list>
#include <string>
#include <vector>

namespace LPLib {

// Invariant: GetSize() == number of stored elements; elements added by SetSize are T{} (0).
template <typename T> class NumArray {
public:
    NumArray() = default;
    // size elements, all 0; throws Platform::InternalError when size < 0.
    explicit NumArray(int size) { SetSize(size); }
    NumArray(std::initializer_list<T> values) : m_data(values) {}
    NumArray(const NumArray&) = default;
    NumArray(NumArray&&) noexcept = default;
    NumArray& operator=(const NumArray&) = default;
    NumArray& operator=(NumArray&&) noexcept = default;
    virtual ~NumArray() = default;

    // Number of elements.
    int GetSize() const { return static_cast<int>(m_data.size()); }
    bool IsEmpty() const { return m_data.empty(); }
    // Grows (new elements 0) or shrinks to size; throws Platform::InternalError when size < 0.
    void SetSize(int size) {
        if (size < 0) throw Platform::InternalError("Negative array size " + std::to_string(size));
        m_data.resize(static_cast<std::size_t>(size), T{});
    }
    // Empties the array.
    void RemoveAll() { m_data.clear(); }
    // Appends value; returns its index.
    int Add(T value) {
        m_data.push_back(value);
        return GetSize() - 1;
    }
    // Removes element index, moving the later ones down; throws Platform::InternalError when
    // index is out of range.
    void RemoveAt(int index) { m_data.erase(m_data.begin() + static_cast<std::ptrdiff_t>(check(index))); }

    // Element access; each throws Platform::InternalError when index is out of range.
    T GetAt(int index) const { return m_data[check(index)]; }
    void SetAt(int index, T value) { m_data[check(index)] = value; }
    T& operator[](int index) { return m_data[check(index)]; }
    const T& operator[](int index) const { return m_data[check(index)]; }

    // Unchecked contiguous storage of GetSize() elements, for inner loops.
    T* GetData() { return m_data.data(); }
    const T* GetData() const { return m_data.data(); }

    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

    bool operator==(const NumArray& other) const { return m_data == other.m_data; }

private:
    std::size_t check(int index) const {
        if (index < 0 || index >= GetSize())
            throw Platform::InternalError("Array index " + std::to_string(index) + " out of range (size " +
                                          std::to_string(GetSize()) + ")");
        return static_cast<std::size_t>(index);
    }

    std::vector<T> m_data;
};

} // namespace LPLib
