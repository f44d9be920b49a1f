#include "dirreader/dirreader.h"

#include <cerrno>
#include <cstring>
#include <new>

namespace dirreader {

DirStream* opendir(const char* name, const FindApi& api) {
    if (name == nullptr) {
        errno = ENOENT;
        return nullptr;
    }
    // The full path, a separator and the wildcard must fit in MAX_PATH.
    if (std::strlen(name) + 3 >= kMaxPath) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
    auto* stream = new (std::nothrow) DirStream;
    if (stream == nullptr) {
        errno = ENOMEM;
        return nullptr;
    }
    stream->api = &api;
    stream->search = kInvalidSearch;
    stream->cachedEntry = 0;

    const std::uint32_t length = api.fullPathName(name, kMaxPath, stream->pattern);
    if (length == 0) {
        delete stream;
        errno = ENOMEM;
        return nullptr;
    }
    // The layer reports the size it would need when the full path does not
    // fit; the buffer is then unfilled and must not be used.
    if (length >= kMaxPath) {
        delete stream;
        errno = ENAMETOOLONG;
        return nullptr;
    }
    std::size_t end = length;
    const char last = stream->pattern[end - 1];
    if (last != kSeparator && last != ':') {
        stream->pattern[end++] = kSeparator;
    }
    stream->pattern[end++] = '*';
    stream->pattern[end] = '\0';

    stream->search = api.findFirst(stream->pattern, &stream->findData);
    if (stream->search == kInvalidSearch) {
        delete stream;
        errno = ENOENT;
        return nullptr;
    }
    stream->cachedEntry = 1;
    return stream;
}

DirEntry* readdir(DirStream* stream) {
    if (stream == nullptr) {
        errno = EBADF;
        return nullptr;
    }
    if (stream->cachedEntry == 1) {
        stream->cachedEntry = 0;
    } else {
        if (stream->search == kInvalidSearch) {
            return nullptr;
        }
        if (!stream->api->findNext(stream->search, &stream->findData)) {
            stream->api->findClose(stream->search);
            stream->search = kInvalidSearch;
            return nullptr;
        }
    }
    DirEntry& entry = stream->entry;
    std::strncpy(entry.d_name, stream->findData.cFileName, kMaxPath);
    entry.d_name[kMaxPath] = '\0';
    entry.d_namlen = static_cast<std::int32_t>(std::strlen(entry.d_name));
    const std::uint32_t attributes = stream->findData.dwFileAttributes;
    if ((attributes & kAttributeDevice) != 0) {
        entry.d_type = kTypeDevice;
    } else if ((attributes & kAttributeDirectory) != 0) {
        entry.d_type = kTypeDirectory;
    } else {
        entry.d_type = kTypeRegular;
    }
    return &entry;
}

int closedir(DirStream* stream) {
    if (stream == nullptr) {
        errno = EBADF;
        return -1;
    }
    if (stream->search != kInvalidSearch) {
        stream->api->findClose(stream->search);
        stream->search = kInvalidSearch;
    }
    delete stream;
    return 0;
}

}  // namespace dirreader
