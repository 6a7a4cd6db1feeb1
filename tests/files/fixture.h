// The side-file tests' fixture: a scratch directory of its own for every
// test (tests/scratch.h) with helpers to name, read and write its files.
#ifndef QVPROJ_TESTS_FILES_FIXTURE_H
#define QVPROJ_TESTS_FILES_FIXTURE_H

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scratch.h"

class ScratchTest : public ::testing::Test {
protected:
    // A path in the scratch directory.
    std::string P(const std::string& name) const { return scratch.File(name); }
    static std::string Read(const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }
    static void Write(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The names in the scratch directory, sorted.
    std::string Listing() const {
        std::vector<std::string> names;
        for (auto& e : std::filesystem::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        std::string out;
        for (auto& n : names) out += (out.empty() ? "" : " ") + n;
        return out;
    }

    ScratchDir scratch;
    const std::filesystem::path& dir = scratch.path();
};

#endif
