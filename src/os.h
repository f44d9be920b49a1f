// What the tool needs of the operating system beyond the directory listing:
// the path separator, reading a small input file, and replacing a result file
// whole. One file per platform stands behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace smallworld::os {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
#else
constexpr char kPathSeparator = '/';
#endif

// The directory as typed, the separator, then the name: nothing is added,
// removed or normalised, so "dir/" gives "dir//name".
inline std::string joinPath(const std::string& directory, const std::string& name) {
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path += directory;
    path += kPathSeparator;
    path += name;
    return path;
}

struct InputFile {
    std::intptr_t handle;
    std::uint64_t size;  // as found when opened
};

// Opens a regular file for reading. Fails, without blocking, for anything
// else: a missing file, a directory, a FIFO, a device or a socket.
bool openRegularFile(const std::string& path, InputFile& file);

// Reads up to size bytes; returns the count, 0 at the end, -1 on an error.
std::ptrdiff_t readFile(InputFile& file, char* buffer, std::size_t size);

void closeFile(InputFile& file);

// Writes content to a new file beside path and renames it over path, so that
// path holds either its old content or all of the new one. Nothing stays
// behind on failure.
bool replaceFile(const std::string& path, std::string_view content);

// Makes sure the standard streams are open, so that no file the tool opens
// takes their place (a stream found closed stays unusable for writing), and
// that writing to a pipe nobody reads fails instead of ending the process
// before its result files are written.
void guardStandardStreams();

}  // namespace smallworld::os
