// A scratch directory of its own for every test, so that tests may run in
// parallel, with helpers to read and write whole files.
#ifndef QVPROJ_TESTS_FILES_SCRATCH_H
#define QVPROJ_TESTS_FILES_SCRATCH_H

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class ScratchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::path(::testing::TempDir()) /
              ("qvproj_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
               std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // A path in the scratch directory.
    std::string P(const std::string& name) const { return (dir / name).string(); }
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

    std::filesystem::path dir;
};

#endif
