#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        path = fs::temp_directory_path() / ("smallworld-test-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(path)) {
            break;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
}

void writeFile(const fs::path& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
    ASSERT_TRUE(file.good()) << path;
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
