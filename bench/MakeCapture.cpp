// Writes a benchmark capture: vesk-make-capture FILE [MEGABYTES]
#include "CaptureGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vesk-make-capture FILE [MEGABYTES]\n");
        return 2;
    }
    const long megabytes = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100;
    if (megabytes <= 0) {
        std::fprintf(stderr, "vesk-make-capture: MEGABYTES must be a positive number\n");
        return 2;
    }
    const std::string capture =
        vesk::bench::generateCapture(static_cast<std::size_t>(megabytes) * 1024 * 1024);
    std::ofstream file(argv[1], std::ios::binary);
    file.write(capture.data(), static_cast<std::streamsize>(capture.size()));
    return file ? 0 : 1;
}
