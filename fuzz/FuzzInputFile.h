#pragma once

// The file each fuzz input is written to, so that the engine reads it as it
// reads any WAV file. Memory-backed when available; removed at exit.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

inline std::string& FuzzInputPath()
{
    static std::string path;
    return path;
}

inline void CreateFuzzInputFile(const char* prefix)
{
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string templ = std::string(dir) + "/" + prefix + "-XXXXXX";
    const int fd = mkstemp(templ.data());
    if (fd < 0)
        std::abort();
    close(fd);
    FuzzInputPath() = templ;
    std::atexit([] { std::remove(FuzzInputPath().c_str()); });
}

inline void WriteFuzzInput(const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(FuzzInputPath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
