#include <windows.h>

#include <algorithm>
#include <climits>

#include "os.h"

namespace smallworld::os {
namespace {

HANDLE toHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

bool writeAll(HANDLE file, std::string_view content) {
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr)) {
            return false;
        }
        content.remove_prefix(written);
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

HANDLE createTemporary(const std::string& path, std::string& temporaryPath) {
    static unsigned counter = 0;  // the tool has one thread
    static const std::string processId = std::to_string(::GetCurrentProcessId());
    const std::string prefix = directoryOf(path) + ".smallworld-" + processId + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = prefix + std::to_string(counter++) + ".tmp";
        const HANDLE file = ::CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool openRegularFile(const std::string& path, InputFile& file) {
    const HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileSizeEx(handle, &size)) {
        ::CloseHandle(handle);
        return false;
    }
    file.handle = reinterpret_cast<std::intptr_t>(handle);
    file.size = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

std::ptrdiff_t readFile(InputFile& file, char* buffer, std::size_t size) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    DWORD count = 0;
    if (!::ReadFile(toHandle(file.handle), buffer, chunk, &count, nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

void closeFile(InputFile& file) {
    ::CloseHandle(toHandle(file.handle));
    file.handle = -1;
}

bool replaceFile(const std::string& path, std::string_view content) {
    std::string temporaryPath;
    const HANDLE file = createTemporary(path, temporaryPath);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = writeAll(file, content);
    const bool closed = ::CloseHandle(file) != 0;
    if (written && closed &&
        ::MoveFileExA(temporaryPath.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) {
        return true;
    }
    ::DeleteFileA(temporaryPath.c_str());
    return false;
}

void guardStandardStreams() {
    // Windows gives a new file a handle of its own, never a standard one.
}

}  // namespace smallworld::os
