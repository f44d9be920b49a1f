#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cerrno>
#include <cstdio>

#include "os.h"

namespace smallworld::os {
namespace {

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Creates a new file of our own beside path; -1 when none can be made.
int createTemporary(const std::string& path, std::string& temporaryPath) {
    static unsigned counter = 0;  // the tool has one thread
    static const std::string processId = std::to_string(::getpid());
    const std::string prefix = directoryOf(path) + ".smallworld-" + processId + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = prefix + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

bool openRegularFile(const std::string& path, InputFile& file) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct ::stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    file.handle = fd;
    file.size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

std::ptrdiff_t readFile(InputFile& file, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(static_cast<int>(file.handle), buffer, size);
        if (count >= 0 || errno != EINTR) {
            return count;
        }
    }
}

void closeFile(InputFile& file) {
    ::close(static_cast<int>(file.handle));
    file.handle = -1;
}

bool replaceFile(const std::string& path, std::string_view content) {
    std::string temporaryPath;
    const int fd = createTemporary(path, temporaryPath);
    if (fd < 0) {
        return false;
    }
    const bool written = writeAll(fd, content);
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(temporaryPath.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporaryPath.c_str());
    return false;
}

void guardStandardStreams() {
    ::signal(SIGPIPE, SIG_IGN);
    // A closed standard stream gets /dev/null opened the wrong way round in
    // its place: it keeps the number from a file the tool opens later, and
    // writing to it still fails.
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int flags = fd == 0 ? O_WRONLY : O_RDONLY;
            const int opened = ::open("/dev/null", flags);
            if (opened >= 0 && opened != fd) {
                ::close(opened);
            }
        }
    }
}

}  // namespace smallworld::os
