#include "dirreader/dirreader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace fs = std::filesystem;
using namespace dirreader;

namespace {

// A search that yields a fixed list of entries and counts the calls made.
struct FakeSearch {
    std::string fullPath = "C:\\data";
    std::vector<std::pair<std::string, std::uint32_t>> entries;
    std::size_t position = 0;
    int fullPathCalls = 0;
    int findFirstCalls = 0;
    int findNextCalls = 0;
    int findCloseCalls = 0;
    std::string pattern;
};
FakeSearch fake;

void fill(FindData* data) {
    const auto& [name, attributes] = fake.entries[fake.position++];
    std::snprintf(data->cFileName, sizeof data->cFileName, "%s", name.c_str());
    data->dwFileAttributes = attributes;
}

std::uint32_t fakeFullPath(const char*, std::uint32_t size, char* buffer) {
    ++fake.fullPathCalls;
    const auto length = static_cast<std::uint32_t>(fake.fullPath.size());
    if (length + 1 > size) {
        return length + 1;
    }
    std::strcpy(buffer, fake.fullPath.c_str());
    return length;
}

SearchHandle fakeFindFirst(const char* pattern, FindData* data) {
    ++fake.findFirstCalls;
    fake.pattern = pattern;
    fake.position = 0;
    if (fake.entries.empty()) {
        return kInvalidSearch;
    }
    fill(data);
    return 7;
}

bool fakeFindNext(SearchHandle, FindData* data) {
    ++fake.findNextCalls;
    if (fake.position == fake.entries.size()) {
        return false;
    }
    fill(data);
    return true;
}

bool fakeFindClose(SearchHandle) {
    ++fake.findCloseCalls;
    return true;
}

const FindApi fakeApi{fakeFullPath, fakeFindFirst, fakeFindNext, fakeFindClose};

class DirReaderFake : public ::testing::Test {
protected:
    void SetUp() override {
        fake = FakeSearch{};
        fake.entries = {{".", kAttributeDirectory}, {"..", kAttributeDirectory}, {"a_lambda.txt", 0}};
    }
};

}  // namespace

TEST_F(DirReaderFake, FirstEntryComesFromTheFindFirstSearchWithoutAnotherCall) {
    DirStream* stream = opendir("data", fakeApi);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(fake.findFirstCalls, 1);

    DirEntry* entry = readdir(stream);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->d_name, ".");
    EXPECT_EQ(fake.findNextCalls, 0);

    entry = readdir(stream);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->d_name, "..");
    EXPECT_EQ(fake.findNextCalls, 1);
    closedir(stream);
}

TEST_F(DirReaderFake, ExhaustedStreamStaysExhaustedAndClosesTheSearchOnce) {
    DirStream* stream = opendir("data", fakeApi);
    ASSERT_NE(stream, nullptr);
    std::vector<std::string> names;
    while (DirEntry* entry = readdir(stream)) {
        names.emplace_back(entry->d_name);
        EXPECT_EQ(entry->d_namlen, static_cast<std::int32_t>(names.back().size()));
    }
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "a_lambda.txt"}));
    EXPECT_EQ(fake.findCloseCalls, 1);

    const int nextCallsAtEnd = fake.findNextCalls;
    EXPECT_EQ(readdir(stream), nullptr);
    EXPECT_EQ(readdir(stream), nullptr);
    EXPECT_EQ(fake.findNextCalls, nextCallsAtEnd);
    closedir(stream);
    EXPECT_EQ(fake.findCloseCalls, 1);
}

TEST_F(DirReaderFake, ClosingAnUnfinishedStreamEndsTheSearch) {
    DirStream* stream = opendir("data", fakeApi);
    ASSERT_NE(stream, nullptr);
    readdir(stream);
    closedir(stream);
    EXPECT_EQ(fake.findCloseCalls, 1);
}

TEST_F(DirReaderFake, WildcardFollowsTheFullPathWithASeparatorOnlyWhereNeeded) {
    const std::string sep(1, kSeparator);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\data", "C:\\data" + sep + "*"},
        {"C:" + sep, "C:" + sep + "*"},
        {"C:", "C:*"},
        {"/srv/data" + sep, "/srv/data" + sep + "*"},
    };
    for (const auto& [fullPath, pattern] : cases) {
        fake.fullPath = fullPath;
        DirStream* stream = opendir("data", fakeApi);
        ASSERT_NE(stream, nullptr) << fullPath;
        EXPECT_EQ(fake.pattern, pattern);
        closedir(stream);
    }
}

TEST_F(DirReaderFake, EntryTypesFollowTheAttributes) {
    fake.entries = {{"dev", kAttributeDevice | kAttributeDirectory},
                    {"sub_gamma.txt", kAttributeDirectory},
                    {"file", 0}};
    DirStream* stream = opendir("data", fakeApi);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(readdir(stream)->d_type, kTypeDevice);
    EXPECT_EQ(readdir(stream)->d_type, kTypeDirectory);
    EXPECT_EQ(readdir(stream)->d_type, kTypeRegular);
    closedir(stream);
}

TEST_F(DirReaderFake, FailuresSetErrnoAndLeaveNoStream) {
    errno = 0;
    EXPECT_EQ(opendir(nullptr, fakeApi), nullptr);
    EXPECT_EQ(errno, ENOENT);

    const std::string longest(256, 'd');
    DirStream* stream = opendir(longest.c_str(), fakeApi);
    EXPECT_NE(stream, nullptr);
    closedir(stream);

    fake.fullPathCalls = 0;
    const std::string tooLong(257, 'd');
    EXPECT_EQ(opendir(tooLong.c_str(), fakeApi), nullptr);
    EXPECT_EQ(errno, ENAMETOOLONG);
    EXPECT_EQ(fake.fullPathCalls, 0) << "the file system is not asked";

    fake.fullPath = "/" + std::string(kMaxPath, 'x');
    EXPECT_EQ(opendir("data", fakeApi), nullptr);
    EXPECT_EQ(errno, ENAMETOOLONG);

    fake.fullPath = "";
    EXPECT_EQ(opendir("data", fakeApi), nullptr);
    EXPECT_EQ(errno, ENOMEM);

    fake.fullPath = "C:\\data";
    fake.entries.clear();
    EXPECT_EQ(opendir("data", fakeApi), nullptr);
    EXPECT_EQ(errno, ENOENT);

    errno = 0;
    EXPECT_EQ(readdir(nullptr), nullptr);
    EXPECT_EQ(errno, EBADF);
}

// The same reader over the platform's own search.

std::vector<std::pair<std::string, std::int32_t>> listAll(const std::string& path) {
    std::vector<std::pair<std::string, std::int32_t>> entries;
    DirStream* stream = opendir(path.c_str());
    if (stream == nullptr) {
        return entries;
    }
    while (DirEntry* entry = readdir(stream)) {
        entries.emplace_back(entry->d_name, entry->d_type);
    }
    EXPECT_EQ(readdir(stream), nullptr);
    closedir(stream);
    std::sort(entries.begin(), entries.end());
    return entries;
}

TEST(DirReaderSystem, ListsDotEntriesFilesAndSubdirectoriesByteForByte) {
    TempDir dir;
    EXPECT_EQ(listAll(dir.path.string()),
              (std::vector<std::pair<std::string, std::int32_t>>{{".", kTypeDirectory},
                                                                 {"..", kTypeDirectory}}));
    writeFile(dir.path / " Net 1_Lambda.TXT", "1");
    fs::create_directory(dir.path / "sub_gamma.txt");
    EXPECT_EQ(listAll(dir.path.string()),
              (std::vector<std::pair<std::string, std::int32_t>>{{" Net 1_Lambda.TXT", kTypeRegular},
                                                                 {".", kTypeDirectory},
                                                                 {"..", kTypeDirectory},
                                                                 {"sub_gamma.txt", kTypeDirectory}}));
    // A trailing separator on the name changes nothing.
    EXPECT_EQ(listAll(dir.path.string() + "/").size(), 4u);
}

TEST(DirReaderSystem, RefusesWhatIsNotADirectory) {
    TempDir dir;
    writeFile(dir.path / "file.txt", "x");
    errno = 0;
    EXPECT_EQ(opendir((dir.path / "file.txt").string().c_str()), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(opendir((dir.path / "missing").string().c_str()), nullptr);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(opendir(""), nullptr);
}

#ifdef _WIN32
TEST(DirReaderSystem, DriveRootsAndDriveRelativeNamesOpen) {
    // "C:\" ends in a separator and "C:" in a colon: the wildcard follows
    // directly, and the real search finds the drive's entries.
    for (const char* name : {"C:\\", "C:"}) {
        DirStream* stream = opendir(name);
        ASSERT_NE(stream, nullptr) << name;
        EXPECT_NE(readdir(stream), nullptr) << name;
        closedir(stream);
    }
}
#endif
