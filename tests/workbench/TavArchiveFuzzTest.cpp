// Damaged ".tav" files: every truncation of each hand-written fixture, and random mutations
// (bytes changed, inserted, removed, words and counts salted with edge values), are either
// refused with TavFileError or read whole, in which case the model writes a file that reads
// back to the same bytes. Deterministic: the seed is printed with every failure.

#include "TavFixtures.hpp"

#include "workbench/TavDocumentFile.hpp"
#include "workbench/archive/TavFileError.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace TavWorkbench;

namespace {

// Refused cleanly or loaded whole; returns true when loaded.
bool Check(const std::string& bytes, const std::string& context) {
    TavModel model;
    try {
        ReadTavDocument(bytes, "damaged.tav", model);
    } catch (const TavFileError& e) {
        EXPECT_NE(std::string(e.what()).find("\"damaged.tav\""), std::string::npos) << context;
        return false;
    }
    const std::string written = WriteTavDocument(model);
    TavModel again;
    EXPECT_NO_THROW(ReadTavDocument(written, "again.tav", again)) << context;
    EXPECT_EQ(WriteTavDocument(again), written) << context;
    return true;
}

std::string Mutate(std::string bytes, std::mt19937& random) {
    static const std::uint8_t kEdges[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    const int edits = 1 + static_cast<int>(random() % 3);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = random() % bytes.size();
        switch (random() % 5) {
        case 0:
            bytes[at] = static_cast<char>(random() & 0xFF);
            break;
        case 1:
            bytes[at] = static_cast<char>(kEdges[random() % 6]);
            break;
        case 2:
            bytes.insert(at, 1, static_cast<char>(kEdges[random() % 6]));
            break;
        case 3:
            bytes.erase(at, 1 + random() % 4);
            break;
        default:
            bytes[at] = static_cast<char>(0xFF);
            if (at + 1 < bytes.size()) bytes[at + 1] = static_cast<char>(random() % 2 ? 0xFF : 0x7F);
            break;
        }
    }
    return bytes;
}

} // namespace

TEST(TavFileFuzz, EveryTruncationIsRefused) {
    for (const auto& [name, bytes] : TavFixture::All()) {
        for (std::size_t length = 0; length < bytes.size(); ++length)
            EXPECT_FALSE(Check(bytes.substr(0, length), name + " cut at " + std::to_string(length)));
        EXPECT_TRUE(Check(bytes, name));
    }
}

TEST(TavFileFuzz, MutationsAreRefusedOrLoadedWhole) {
    const unsigned seed = 20260315;
    std::mt19937 random(seed);
    int loaded = 0;
    int refused = 0;
    for (const auto& [name, bytes] : TavFixture::All()) {
        for (int round = 0; round < 3000; ++round) {
            const std::string mutant = Mutate(bytes, random);
            const bool ok =
                Check(mutant, name + " round " + std::to_string(round) + " seed " + std::to_string(seed));
            (ok ? loaded : refused) += 1;
        }
    }
    // Both outcomes occur: the mutations reach the records' contents as well as their frame.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}
