// The platform's find-first/find-next file search, as the directory reader
// uses it. On Windows these are the real Win32 calls; elsewhere a small layer
// over the POSIX directory functions gives them the same meaning.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace dirreader {

#ifdef _WIN32
constexpr std::uint32_t kMaxPath = MAX_PATH;
constexpr char kSeparator = '\\';
using FindData = WIN32_FIND_DATAA;
constexpr std::uint32_t kAttributeDirectory = FILE_ATTRIBUTE_DIRECTORY;
constexpr std::uint32_t kAttributeDevice = FILE_ATTRIBUTE_DEVICE;
#else
// Windows' MAX_PATH, kept so that paths are limited alike on every platform.
constexpr std::uint32_t kMaxPath = 260;
constexpr char kSeparator = '/';
struct FindData {
    std::uint32_t dwFileAttributes;
    char cFileName[kMaxPath];
};
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeDevice = 0x40;
#endif

// A search handle; kInvalidSearch (Windows' INVALID_HANDLE_VALUE) when none.
using SearchHandle = std::intptr_t;
constexpr SearchHandle kInvalidSearch = -1;

// The four calls, behind function pointers so that a test can watch them.
struct FindApi {
    // Writes the full path of name into buffer (bufferSize bytes) and returns
    // its length; returns the size it would need when it does not fit, and 0
    // when the name cannot be resolved.
    std::uint32_t (*fullPathName)(const char* name, std::uint32_t bufferSize, char* buffer);
    // Starts a search and fills data with the first entry found.
    SearchHandle (*findFirst)(const char* pattern, FindData* data);
    // Fills data with the next entry; false at the end or on an error.
    bool (*findNext)(SearchHandle search, FindData* data);
    bool (*findClose)(SearchHandle search);
};

const FindApi& systemFindApi();

}  // namespace dirreader
