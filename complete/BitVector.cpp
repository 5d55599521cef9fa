#include "complete/BitVector.hpp"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace GFCLib {

BitVector::BitVector(int n, bool fill) {
    Resize(n, fill);
}

BitVector::BitVector(const BitVector& other) : m_bitCount(other.m_bitCount), m_wordCount(other.m_wordCount) {
    if (m_wordCount > 0) {
        m_words = new std::uint32_t[m_wordCount];
        std::memcpy(m_words, other.m_words, sizeof(std::uint32_t) * m_wordCount);
    }
}

BitVector::BitVector(BitVector&& other) noexcept
    : m_words(std::exchange(other.m_words, nullptr)), m_bitCount(std::exchange(other.m_bitCount, 0)),
      m_wordCount(std::exchange(other.m_wordCount, 0)) {}

BitVector& BitVector::AssignResized(const BitVector& other) {
    if (this == &other) return *this;
    if (m_wordCount != other.m_wordCount) {
        delete[] m_words;
        m_words = other.m_wordCount > 0 ? new std::uint32_t[other.m_wordCount] : nullptr;
        m_wordCount = other.m_wordCount;
    }
    m_bitCount = other.m_bitCount;
    if (m_wordCount > 0) std::memcpy(m_words, other.m_words, sizeof(std::uint32_t) * m_wordCount);
    return *this;
}

BitVector& BitVector::operator=(BitVector&& other) noexcept {
    if (this == &other) return *this;
    delete[] m_words;
    m_words = std::exchange(other.m_words, nullptr);
    m_bitCount = std::exchange(other.m_bitCount, 0);
    m_wordCount = std::exchange(other.m_wordCount, 0);
    return *this;
}

BitVector::~BitVector() {
    delete[] m_words;
}

int BitVector::Resize(int n, bool fill) {
    if (n < 0) n = 0;
    const int words = WordsFor(n);
    if (words != m_wordCount) {
        delete[] m_words;
        m_words = words > 0 ? new std::uint32_t[words] : nullptr;
        m_wordCount = words;
    }
    m_bitCount = n;
    if (m_wordCount > 0) std::memset(m_words, fill ? 0xff : 0, sizeof(std::uint32_t) * m_wordCount);
    MaskTail();
    return m_wordCount;
}

void BitVector::PushBack(bool bit) {
    if (m_bitCount == m_wordCount * kBitsPerWord) {
        auto* grown = new std::uint32_t[m_wordCount + 1];
        if (m_wordCount > 0) std::memcpy(grown, m_words, sizeof(std::uint32_t) * m_wordCount);
        grown[m_wordCount] = 0;
        delete[] m_words;
        m_words = grown;
        ++m_wordCount;
    }
    ++m_bitCount;
    Set(m_bitCount - 1, bit);
}

BitVector& BitVector::operator|=(const BitVector& other) {
    const int common = std::min(m_wordCount, other.m_wordCount);
    for (int w = 0; w < common; ++w)
        m_words[w] |= other.m_words[w];
    MaskTail();
    return *this;
}

BitVector& BitVector::operator&=(const BitVector& other) {
    const int common = std::min(m_wordCount, other.m_wordCount);
    for (int w = 0; w < common; ++w)
        m_words[w] &= other.m_words[w];
    for (int w = common; w < m_wordCount; ++w)
        m_words[w] = 0;
    return *this;
}

BitVector& BitVector::AndNot(const BitVector& other) {
    const int common = std::min(m_wordCount, other.m_wordCount);
    for (int w = 0; w < common; ++w)
        m_words[w] &= ~other.m_words[w];
    return *this;
}

BitVector BitVector::Complement() const {
    BitVector result(*this);
    for (int w = 0; w < result.m_wordCount; ++w)
        result.m_words[w] = ~result.m_words[w];
    result.MaskTail();
    return result;
}

void BitVector::ClearAbove(int i) {
    if (i < 0) {
        ClearAll();
        return;
    }
    if (i >= m_bitCount - 1) return;
    const int word = i / kBitsPerWord;
    const int bit = i % kBitsPerWord;
    if (bit < kBitsPerWord - 1) m_words[word] &= (2u << bit) - 1u;
    for (int w = word + 1; w < m_wordCount; ++w)
        m_words[w] = 0;
}

void BitVector::ClearBelow(int i) {
    if (i <= 0) return;
    if (i >= m_bitCount) {
        ClearAll();
        return;
    }
    const int word = i / kBitsPerWord;
    for (int w = 0; w < word; ++w)
        m_words[w] = 0;
    m_words[word] &= ~((1u << (i % kBitsPerWord)) - 1u);
}

void BitVector::SetAll() {
    if (m_wordCount > 0) std::memset(m_words, 0xff, sizeof(std::uint32_t) * m_wordCount);
    MaskTail();
}

namespace {
// The bits of a word from position lo to hi (both within the word, lo <= hi).
std::uint32_t Span(int lo, int hi) {
    const std::uint32_t upTo = hi == BitVector::kBitsPerWord - 1 ? ~0u : ((2u << hi) - 1u);
    return upTo & (~0u << lo);
}

// The set bits of x (and of y, when given) over words first .. last, the first and last word
// masked. Counting bits is the search's most frequent question about domains: the processor's
// own instruction answers it where the processor has one, chosen once at start-up, so that the
// program still runs on processors without it.
[[gnu::always_inline]] inline int CountWords(const std::uint32_t* x, const std::uint32_t* y, int first,
                                             int last, std::uint32_t firstMask, std::uint32_t lastMask) {
    if (first == last)
        return std::popcount(x[first] & (y != nullptr ? y[first] : ~0u) & firstMask & lastMask);
    int n = std::popcount(x[first] & (y != nullptr ? y[first] : ~0u) & firstMask);
    for (int w = first + 1; w < last; ++w)
        n += std::popcount(x[w] & (y != nullptr ? y[w] : ~0u));
    return n + std::popcount(x[last] & (y != nullptr ? y[last] : ~0u) & lastMask);
}

int CountWordsPortable(const std::uint32_t* x, const std::uint32_t* y, int first, int last,
                       std::uint32_t firstMask, std::uint32_t lastMask) {
    return CountWords(x, y, first, last, firstMask, lastMask);
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("popcnt"))) int CountWordsPopcnt(const std::uint32_t* x, const std::uint32_t* y,
                                                       int first, int last, std::uint32_t firstMask,
                                                       std::uint32_t lastMask) {
    return CountWords(x, y, first, last, firstMask, lastMask);
}

bool HasPopcnt() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt");
}

const bool kHasPopcnt = HasPopcnt();
#endif

int CountBits(const std::uint32_t* x, const std::uint32_t* y, int first, int last, std::uint32_t firstMask,
              std::uint32_t lastMask) {
#if defined(__x86_64__) || defined(__i386__)
    if (kHasPopcnt) return CountWordsPopcnt(x, y, first, last, firstMask, lastMask);
#endif
    return CountWordsPortable(x, y, first, last, firstMask, lastMask);
}
} // namespace

int BitVector::Count() const {
    if (m_wordCount == 0) return 0;
    return CountBits(m_words, nullptr, 0, m_wordCount - 1, ~0u, ~0u);
}

int BitVector::CountRange(int a, int b) const {
    a = std::max(a, 0);
    b = std::min(b, m_bitCount - 1);
    if (a > b) return 0;
    return CountBits(m_words, nullptr, a / kBitsPerWord, b / kBitsPerWord,
                     Span(a % kBitsPerWord, kBitsPerWord - 1), Span(0, b % kBitsPerWord));
}

int BitVector::CountCommon(const BitVector& other, int a, int b) const {
    a = std::max(a, 0);
    b = std::min(b, m_bitCount - 1);
    if (a > b) return 0;
    return CountBits(m_words, other.m_words, a / kBitsPerWord, b / kBitsPerWord,
                     Span(a % kBitsPerWord, kBitsPerWord - 1), Span(0, b % kBitsPerWord));
}

void BitVector::SetRange(int a, int b, bool bit) {
    a = std::max(a, 0);
    b = std::min(b, m_bitCount - 1);
    if (a > b) return;
    const int first = a / kBitsPerWord;
    const int last = b / kBitsPerWord;
    for (int w = first; w <= last; ++w) {
        const std::uint32_t mask =
            Span(w == first ? a % kBitsPerWord : 0, w == last ? b % kBitsPerWord : kBitsPerWord - 1);
        if (bit)
            m_words[w] |= mask;
        else
            m_words[w] &= ~mask;
    }
}

void BitVector::AndWords(const BitVector& other, int a, int b) {
    a = std::max(a, 0);
    b = std::min(b, m_bitCount - 1);
    for (int w = a / kBitsPerWord; a <= b && w <= b / kBitsPerWord; ++w)
        m_words[w] &= other.m_words[w];
}

void BitVector::OrRange(const BitVector& other, int a, int b) {
    a = std::max(a, 0);
    b = std::min(b, m_bitCount - 1);
    if (a > b) return;
    const int first = a / kBitsPerWord;
    const int last = b / kBitsPerWord;
    for (int w = first; w <= last; ++w)
        m_words[w] |= other.m_words[w] & Span(w == first ? a % kBitsPerWord : 0,
                                              w == last ? b % kBitsPerWord : kBitsPerWord - 1);
}

int BitVector::NextSet(int from) const {
    if (from < 0) from = 0;
    if (from >= m_bitCount) return -1;
    int w = from / kBitsPerWord;
    std::uint32_t word = m_words[w] & (~0u << (from % kBitsPerWord));
    while (true) {
        if (word != 0) return w * kBitsPerWord + std::countr_zero(word);
        if (++w >= m_wordCount) return -1;
        word = m_words[w];
    }
}

int BitVector::PrevSet(int from) const {
    if (from >= m_bitCount) from = m_bitCount - 1;
    if (from < 0) return -1;
    int w = from / kBitsPerWord;
    const int bit = from % kBitsPerWord;
    std::uint32_t word = m_words[w] & (bit == kBitsPerWord - 1 ? ~0u : ((2u << bit) - 1u));
    while (true) {
        if (word != 0) return w * kBitsPerWord + (kBitsPerWord - 1 - std::countl_zero(word));
        if (--w < 0) return -1;
        word = m_words[w];
    }
}

bool BitVector::operator==(const BitVector& other) const {
    if (m_bitCount != other.m_bitCount) return false;
    return m_wordCount == 0 || std::memcmp(m_words, other.m_words, sizeof(std::uint32_t) * m_wordCount) == 0;
}

bool BitVector::IsSubsetOf(const BitVector& other) const {
    for (int w = 0; w < m_wordCount; ++w) {
        const std::uint32_t theirs = w < other.m_wordCount ? other.m_words[w] : 0u;
        if ((m_words[w] & ~theirs) != 0) return false;
    }
    return true;
}

bool BitVector::Intersects(const BitVector& other) const {
    const int common = std::min(m_wordCount, other.m_wordCount);
    for (int w = 0; w < common; ++w)
        if ((m_words[w] & other.m_words[w]) != 0) return true;
    return false;
}

void BitVector::MaskTail() {
    const int used = m_bitCount % kBitsPerWord;
    if (m_wordCount > 0 && used != 0) m_words[m_wordCount - 1] &= (1u << used) - 1u;
    // Words wholly past the bit count (after a shrinking resize cannot happen, but be safe).
    for (int w = WordsFor(m_bitCount); w < m_wordCount; ++w)
        m_words[w] = 0;
}

} // namespace GFCLib
