#include "pairing.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace smallworld {
namespace {

std::string_view keyBefore(std::string_view name, std::string_view marker) {
    return name.substr(0, name.find(marker));
}

constexpr std::int32_t kNone = -1;

// FNV-1a with a final mix, 64 bits on every platform: the high bits choose
// the partition, the low bits the slot.
std::uint64_t hashKey(std::string_view key) {
    std::uint64_t hash = std::accumulate(key.begin(), key.end(), 14695981039346656037ull,
                                         [](std::uint64_t sum, char c) {
                                             return (sum ^ static_cast<unsigned char>(c)) * 1099511628211ull;
                                         });
    hash ^= hash >> 32;
    hash *= 0xd6e8feb86659fd93ull;
    hash ^= hash >> 32;
    return hash;
}

// Pairing is a hash join of the two lists on the pairing key. A join that
// looks keys up at random across all names slows down as soon as they no
// longer fit in the processor's cache; so both lists are first split by
// hash into partitions small enough to fit, with their keys copied side by
// side, and each partition is joined on its own. Every file of a key lands in
// the same partition, in increasing index, so the result is the same.
constexpr std::size_t kFilesPerPartition = 2048;

struct KeyedFile {
    std::uint64_t hash;
    std::int32_t index;
    std::uint32_t length;  // of the key
    std::size_t offset;    // of the key in the partitioned copy
};

// One list's files by partition: files[start[p], start[p + 1]) in partition p.
struct Partitioned {
    std::vector<KeyedFile> files;
    std::vector<std::size_t> start;
    std::string keys;
};

Partitioned partitionKeys(const NameList& names, std::string_view (*keyOf)(std::string_view),
                          int partitionBits) {
    const std::size_t partitions = std::size_t{1} << partitionBits;
    const auto partitionOf = [partitionBits](std::uint64_t hash) {
        return partitionBits == 0 ? 0 : static_cast<std::size_t>(hash >> (64 - partitionBits));
    };
    std::vector<KeyedFile> byIndex(names.size());
    std::vector<std::size_t> fileCount(partitions + 1, 0);
    std::vector<std::size_t> keyBytes(partitions + 1, 0);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::string_view key = keyOf(names[k]);
        const std::uint64_t hash = hashKey(key);
        byIndex[k] = KeyedFile{hash, static_cast<std::int32_t>(k), static_cast<std::uint32_t>(key.size()), 0};
        ++fileCount[partitionOf(hash) + 1];
        keyBytes[partitionOf(hash) + 1] += key.size();
    }
    for (std::size_t p = 0; p < partitions; ++p) {
        fileCount[p + 1] += fileCount[p];
        keyBytes[p + 1] += keyBytes[p];
    }
    Partitioned result{std::vector<KeyedFile>(names.size()), fileCount, std::string(keyBytes.back(), '\0')};
    for (KeyedFile file : byIndex) {
        const std::size_t p = partitionOf(file.hash);
        file.offset = keyBytes[p];
        names[static_cast<std::size_t>(file.index)].copy(&result.keys[file.offset], file.length);
        keyBytes[p] += file.length;
        result.files[fileCount[p]++] = file;
    }
    return result;
}

std::string_view keyText(const Partitioned& side, const KeyedFile& file) {
    return std::string_view(side.keys).substr(file.offset, file.length);
}

// An open-addressing table of one partition's gamma keys, each holding a
// chain of its gamma files (positions in Partitioned::files) in increasing
// index. Made once at the largest size and reused for every partition.
struct PartitionTable {
    static constexpr std::size_t kEnd = SIZE_MAX;
    std::size_t mask = 0;
    std::vector<std::size_t> owner;  // the first gamma file of the slot's key; kEnd: free
    std::vector<std::size_t> first;  // the next gamma file to take; kEnd when none is left
    std::vector<std::size_t> last;
    std::vector<std::size_t> later;  // by position in the partition
};

PartitionTable makePartitionTable(const Partitioned& gammas) {
    std::size_t largest = 0;
    for (std::size_t p = 0; p + 1 < gammas.start.size(); ++p) {
        largest = std::max(largest, gammas.start[p + 1] - gammas.start[p]);
    }
    std::size_t size = 16;
    while (size < 2 * largest) {
        size *= 2;
    }
    PartitionTable table;
    table.mask = size - 1;
    table.owner.assign(size, PartitionTable::kEnd);
    table.first.resize(size);
    table.last.resize(size);
    table.later.resize(largest);
    return table;
}

// Pairs the lambda files of partition p, in increasing index, each with the
// first gamma file of its key not yet taken. partner is by lambda index.
void joinPartition(const Partitioned& lambdas, const Partitioned& gammas, std::size_t p,
                   PartitionTable& table, std::vector<std::int32_t>& partner) {
    constexpr std::size_t kEnd = PartitionTable::kEnd;
    const std::size_t gammaBegin = gammas.start[p];
    const std::size_t gammaEnd = gammas.start[p + 1];
    const auto slotOf = [&](const Partitioned& side, const KeyedFile& file) {
        for (std::size_t k = file.hash & table.mask;; k = (k + 1) & table.mask) {
            if (table.owner[k] == kEnd) {
                return k;
            }
            const KeyedFile& owner = gammas.files[table.owner[k]];
            if (owner.hash == file.hash && keyText(gammas, owner) == keyText(side, file)) {
                return k;
            }
        }
    };
    for (std::size_t g = gammaBegin; g < gammaEnd; ++g) {
        const std::size_t k = slotOf(gammas, gammas.files[g]);
        if (table.owner[k] == kEnd) {
            table.owner[k] = g;
            table.first[k] = g;
            table.last[k] = g;
        } else {
            table.later[table.last[k] - gammaBegin] = g;
            table.last[k] = g;
        }
        table.later[g - gammaBegin] = kEnd;
    }
    for (std::size_t l = lambdas.start[p]; l < lambdas.start[p + 1]; ++l) {
        const KeyedFile& lambda = lambdas.files[l];
        const std::size_t k = slotOf(lambdas, lambda);
        if (table.owner[k] == kEnd || table.first[k] == kEnd) {
            continue;
        }
        const std::size_t g = table.first[k];
        table.first[k] = table.later[g - gammaBegin];
        partner[static_cast<std::size_t>(lambda.index)] = gammas.files[g].index;
    }
    // Free the slots again for the next partition.
    for (std::size_t g = gammaBegin; g < gammaEnd; ++g) {
        for (std::size_t k = gammas.files[g].hash & table.mask; table.owner[k] != kEnd;
             k = (k + 1) & table.mask) {
            table.owner[k] = kEnd;
        }
    }
}

// A count line, a heading and one numbered line per file; nothing at all
// when no file is left over.
void writeUnmatchedReport(std::ostream& out, const std::vector<std::int32_t>& unmatched,
                          const NameList& names, const char* message, const char* nameLabel) {
    if (unmatched.empty()) {
        return;
    }
    out << unmatched.size() << message << std::endl;
    out << " These files are as follows:" << std::endl;
    std::size_t number = 1;
    for (const std::int32_t index : unmatched) {
        out << "No." << number++ << nameLabel << names[static_cast<std::size_t>(index)] << "  "
            << std::endl;
    }
}

}  // namespace

std::string_view lambdaPairingKey(std::string_view lambdaName) {
    return keyBefore(lambdaName, "_lambda");
}

std::string_view gammaPairingKey(std::string_view gammaName) {
    return keyBefore(gammaName, "_gamma");
}

PairingResult pairFiles(const NameList& lambdaList, const NameList& gammaList) {
    int partitionBits = 0;
    while ((std::max(lambdaList.size(), gammaList.size()) >> partitionBits) > kFilesPerPartition) {
        ++partitionBits;
    }
    std::vector<std::int32_t> partner(lambdaList.size(), kNone);
    {
        const Partitioned lambdas = partitionKeys(lambdaList, lambdaPairingKey, partitionBits);
        const Partitioned gammas = partitionKeys(gammaList, gammaPairingKey, partitionBits);
        PartitionTable table = makePartitionTable(gammas);
        for (std::size_t p = 0; p + 1 < lambdas.start.size(); ++p) {
            joinPartition(lambdas, gammas, p, table, partner);
        }
    }

    PairingResult result;
    std::vector<bool> gammaUsed(gammaList.size(), false);
    for (std::size_t i = 0; i < lambdaList.size(); ++i) {
        const auto lambdaIndex = static_cast<std::int32_t>(i);
        if (partner[i] == kNone) {
            result.unmatchedLambda.push_back(lambdaIndex);
        } else {
            gammaUsed[static_cast<std::size_t>(partner[i])] = true;
            result.pairList.push_back(Pair{lambdaIndex, partner[i]});
        }
    }
    for (std::size_t j = 0; j < gammaList.size(); ++j) {
        if (!gammaUsed[j]) {
            result.unmatchedGamma.push_back(static_cast<std::int32_t>(j));
        }
    }
    return result;
}

void reportUnmatched(const PairingResult& pairing, const NameList& lambdaList,
                     const NameList& gammaList, std::ostream& out) {
    writeUnmatchedReport(out, pairing.unmatchedLambda, lambdaList,
                         " files within lambda value can't be used to calculate the small world "
                         "property because of default corresponding clustering coefficient "
                         "ratio(gamma value) files",
                         "  name: ");
    writeUnmatchedReport(out, pairing.unmatchedGamma, gammaList,
                         " files within gamma value can't be used to calculate the small world "
                         "property because of default corresponding  characteristic length "
                         "path(lambda value) files",
                         "  name:  ");
}

}  // namespace smallworld
