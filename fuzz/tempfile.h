// A scratch file for each input: the readers under test take file names, so
// the input is written to a file that is removed again when the input is done.
#ifndef QVPROJ_FUZZ_TEMPFILE_H
#define QVPROJ_FUZZ_TEMPFILE_H

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzFile {
public:
    // `name` ends the file's name ("map.tfw"), in $TMPDIR or /tmp.
    FuzzFile(const char* name, const uint8_t* data, size_t size) {
        const char* tmp = std::getenv("TMPDIR");
        path_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/qvproj-fuzz-" +
                std::to_string(::getpid()) + "-" + name;
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (f == nullptr || (size && std::fwrite(data, 1, size, f) != size)) std::abort();
        std::fclose(f);
    }
    ~FuzzFile() { std::remove(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};

#endif
