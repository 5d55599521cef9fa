#pragma once
// Packed set of bit positions: the storage of every finite domain and set value.
// Invariant: bits at positions >= BitCount() inside the last word are always zero, so whole-word
// operations (counting, comparing, complementing) never see stale bits.

#include <bit>
#include <cstdint>

namespace GFCLib {

class BitVector {
public:
    static constexpr int kBitsPerWord = 32;

    BitVector() = default;
    // n bits, all set when fill is true, else all clear. Negative n is taken as 0.
    BitVector(int n, bool fill);
    BitVector(const BitVector& other);
    BitVector(BitVector&& other) noexcept;
    BitVector& operator=(const BitVector& other) {
        if (this != &other && m_wordCount == other.m_wordCount) {
            // The search copies saved domains back and forth: same sizes, no allocation.
            m_bitCount = other.m_bitCount;
            for (int w = 0; w < m_wordCount; ++w)
                m_words[w] = other.m_words[w];
            return *this;
        }
        return AssignResized(other);
    }
    BitVector& operator=(BitVector&& other) noexcept;
    virtual ~BitVector();

    // Sets the bit count to n and every bit to fill; returns the word count.
    int Resize(int n, bool fill);
    // Appends one bit at position BitCount().
    void PushBack(bool bit);
    // Word-wise logic over the words both vectors have; this vector's extra words are kept by OR
    // and cleared by AND (the other vector has no bits there).
    BitVector& operator|=(const BitVector& other);
    BitVector& operator&=(const BitVector& other);
    // This AND NOT other over the common words.
    BitVector& AndNot(const BitVector& other);
    // A new vector of the same length with every bit inverted.
    BitVector Complement() const;
    // Clears every bit with index > i (i < 0 clears all).
    void ClearAbove(int i);
    // Clears every bit with index < i.
    void ClearBelow(int i);
    // False when i is out of range.
    bool Test(int i) const {
        return i >= 0 && i < m_bitCount && ((m_words[i / kBitsPerWord] >> (i % kBitsPerWord)) & 1u) != 0;
    }
    // Sets or clears bit i; out-of-range positions are ignored.
    void Set(int i, bool bit) {
        if (i < 0 || i >= m_bitCount) return;
        const std::uint32_t mask = 1u << (i % kBitsPerWord);
        if (bit)
            m_words[i / kBitsPerWord] |= mask;
        else
            m_words[i / kBitsPerWord] &= ~mask;
    }
    // Keeps bit i only (if it was set); all others cleared.
    void KeepOnly(int i) {
        const bool was = Test(i);
        ClearAll();
        if (was) m_words[i / kBitsPerWord] = 1u << (i % kBitsPerWord);
    }
    void ClearAll() {
        for (int w = 0; w < m_wordCount; ++w)
            m_words[w] = 0;
    }
    void SetAll();
    // Number of set bits.
    int Count() const;
    // Number of set bits among positions a .. b inside the vector; 0 when a > b.
    int CountRange(int a, int b) const;
    // Number of positions a .. b set both here and in other (as long as this vector).
    int CountCommon(const BitVector& other, int a, int b) const;
    // Sets or clears every bit of a .. b inside the vector.
    void SetRange(int a, int b, bool bit);
    // This AND other on the words that hold positions a .. b (their bits outside a .. b are
    // combined too); other must be as long as this vector.
    void AndWords(const BitVector& other, int a, int b);
    // Sets the bits of a .. b that are set in other (as long as this vector); no others.
    void OrRange(const BitVector& other, int a, int b);
    // Lowest set position >= from, or -1.
    int NextSet(int from) const;
    // Highest set position <= from, or -1.
    int PrevSet(int from) const;
    int First() const { return NextSet(0); }
    int Last() const { return PrevSet(m_bitCount - 1); }
    bool Any() const {
        for (int w = 0; w < m_wordCount; ++w)
            if (m_words[w] != 0) return true;
        return false;
    }
    // Calls f(i) for every set position in increasing order; f may clear bit i itself (the
    // walk reads each word once, before visiting its bits).
    template <typename F> void ForEachSet(F&& f) const {
        for (int w = 0; w < m_wordCount; ++w) {
            std::uint32_t word = m_words[w];
            while (word != 0) {
                const int bit = std::countr_zero(word);
                word &= word - 1;
                f(w * kBitsPerWord + bit);
            }
        }
    }
    bool operator==(const BitVector& other) const;
    // True when every set bit of this vector is set in other.
    bool IsSubsetOf(const BitVector& other) const;
    // True when the two share a set bit.
    bool Intersects(const BitVector& other) const;

    int BitCount() const { return m_bitCount; }
    int WordCount() const { return m_wordCount; }
    const std::uint32_t* Words() const { return m_words; }
    // The words themselves, for copying whole words in and out (keep the tail clear).
    std::uint32_t* Words() { return m_words; }

private:
    BitVector& AssignResized(const BitVector& other);
    static int WordsFor(int n) { return (n + kBitsPerWord - 1) / kBitsPerWord; }
    void MaskTail();

    std::uint32_t* m_words = nullptr; // null when m_wordCount == 0
    int m_bitCount = 0;
    int m_wordCount = 0;
};

} // namespace GFCLib
