// The find-first/find-next search over the POSIX directory functions, with
// the meaning the directory reader expects of the Win32 calls.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "dirreader/findfile.h"

namespace dirreader {
namespace {

// Like GetFullPathNameA: a relative name is joined to the working directory.
// The path is not normalised: ".." after a symbolic link would then mean
// something else than it does to the file system.
std::uint32_t posixFullPathName(const char* name, std::uint32_t bufferSize, char* buffer) {
    if (name == nullptr || name[0] == '\0') {
        return 0;
    }
    std::string full;
    if (name[0] != '/') {
        char cwd[4096];
        if (::getcwd(cwd, sizeof cwd) == nullptr) {
            return 0;
        }
        full = cwd;
        if (full.back() != '/') {
            full += '/';
        }
    }
    full += name;
    const auto length = static_cast<std::uint32_t>(full.size());
    if (length + 1 > bufferSize) {
        return length + 1;
    }
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    return length;
}

std::uint32_t attributesOf(::DIR* dir, const struct ::dirent* found) {
    unsigned char type = found->d_type;
    if (type == DT_UNKNOWN) {
        // Some file systems do not tell the type while listing.
        struct ::stat info {};
        if (::fstatat(::dirfd(dir), found->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISDIR(info.st_mode)) {
                type = DT_DIR;
            } else if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
                type = DT_CHR;
            }
        }
    }
    if (type == DT_DIR) {
        return kAttributeDirectory;
    }
    if (type == DT_CHR || type == DT_BLK) {
        return kAttributeDevice;
    }
    return 0;
}

bool nextEntry(::DIR* dir, FindData* data) {
    errno = 0;
    const struct ::dirent* found = ::readdir(dir);
    if (found == nullptr) {
        return false;
    }
    std::strncpy(data->cFileName, found->d_name, kMaxPath - 1);
    data->cFileName[kMaxPath - 1] = '\0';
    data->dwFileAttributes = attributesOf(dir, found);
    return true;
}

SearchHandle posixFindFirst(const char* pattern, FindData* data) {
    // The pattern is the directory's full path, a separator and "*".
    std::string directory(pattern);
    if (directory.empty() || directory.back() != '*') {
        return kInvalidSearch;
    }
    directory.pop_back();
    ::DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr) {
        return kInvalidSearch;
    }
    if (!nextEntry(dir, data)) {
        ::closedir(dir);
        return kInvalidSearch;
    }
    return reinterpret_cast<SearchHandle>(dir);
}

bool posixFindNext(SearchHandle search, FindData* data) {
    return nextEntry(reinterpret_cast<::DIR*>(search), data);
}

bool posixFindClose(SearchHandle search) {
    return ::closedir(reinterpret_cast<::DIR*>(search)) == 0;
}

}  // namespace

const FindApi& systemFindApi() {
    static const FindApi api{posixFullPathName, posixFindFirst, posixFindNext, posixFindClose};
    return api;
}

}  // namespace dirreader
