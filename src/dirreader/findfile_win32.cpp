// The find-first/find-next search: the Win32 calls themselves.
#include "dirreader/findfile.h"

namespace dirreader {
namespace {

std::uint32_t win32FullPathName(const char* name, std::uint32_t bufferSize, char* buffer) {
    return ::GetFullPathNameA(name, bufferSize, buffer, nullptr);
}

SearchHandle win32FindFirst(const char* pattern, FindData* data) {
    const HANDLE handle = ::FindFirstFileA(pattern, data);
    if (handle == INVALID_HANDLE_VALUE) {
        return kInvalidSearch;
    }
    return reinterpret_cast<SearchHandle>(handle);
}

bool win32FindNext(SearchHandle search, FindData* data) {
    return ::FindNextFileA(reinterpret_cast<HANDLE>(search), data) != 0;
}

bool win32FindClose(SearchHandle search) {
    return ::FindClose(reinterpret_cast<HANDLE>(search)) != 0;
}

}  // namespace

const FindApi& systemFindApi() {
    static const FindApi api{win32FullPathName, win32FindFirst, win32FindNext, win32FindClose};
    return api;
}

}  // namespace dirreader
