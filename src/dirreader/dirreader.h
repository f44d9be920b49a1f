// Lists the entries of one directory with the POSIX directory operations,
// built on the platform's find-first/find-next search. The names live in a
// namespace of their own so they never meet the C library's.
#pragma once

#include <cstdint>

#include "dirreader/findfile.h"

namespace dirreader {

// File-type codes of d_type.
constexpr std::int32_t kTypeDevice = 0x2000;
constexpr std::int32_t kTypeDirectory = 0x4000;
constexpr std::int32_t kTypeRegular = 0x8000;

struct DirEntry {
    char d_name[kMaxPath + 1];
    std::int32_t d_namlen;
    std::int32_t d_type;
};

struct DirStream {
    DirEntry entry;  // first member: readdir hands out a pointer to it
    FindData findData;
    std::int32_t cachedEntry;  // 1 while findData holds an entry not yet delivered
    SearchHandle search;
    char pattern[kMaxPath + 2];  // full path, a separator and "*"
    const FindApi* api;
};

// Opens the directory name (relative or absolute). Returns null with errno
// set when it cannot: ENOENT, ENAMETOOLONG or ENOMEM.
DirStream* opendir(const char* name, const FindApi& api = systemFindApi());

// The next entry, "." and ".." included, in the platform's order; null at the
// end and ever after, and for a null stream (errno EBADF). The entry is
// overwritten by the next call and gone after closedir.
DirEntry* readdir(DirStream* stream);

int closedir(DirStream* stream);

}  // namespace dirreader
