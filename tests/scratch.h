// A scratch directory of its own for every test, so that the tests of one
// executable can run in parallel.
#ifndef QVPROJ_TESTS_SCRATCH_H
#define QVPROJ_TESTS_SCRATCH_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

// <temp>/qvproj_<suite>_<test>_<pid>, created empty and removed with the object.
class ScratchDir {
public:
    ScratchDir() {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "qvproj_";
        if (info != nullptr)
            name += std::string(info->test_suite_name()) + "_" + info->name() + "_";
        name += std::to_string(getpid());
        for (char& c : name)
            if (c == '/') c = '_';
        path_ = std::filesystem::path(::testing::TempDir()) / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

#endif
