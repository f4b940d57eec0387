// Sessions played through the main loop in memory, their input served a
// given number of bytes a read, so that every entry and blank meets a read
// boundary: how dialogue_check.py reaches the program's reader in small
// reads. Standard input holds the sessions and standard output gets what
// the loop wrote for each, every one framed by its length in eight bytes,
// the lowest first.
// Usage: play_sessions BYTES_A_READ < sessions > outputs
#include <cstdio>
#include <cstdlib>
#include <string>

#include "memory_io.h"

namespace {

bool read_framed(std::string& data) {
    unsigned char size[8];
    if (std::fread(size, 1, sizeof size, stdin) != sizeof size) {
        return false;
    }
    std::size_t length = 0;
    for (std::size_t i = sizeof size; i-- > 0;) {
        length = length << 8 | size[i];
    }
    data.resize(length);
    return std::fread(data.data(), 1, length, stdin) == length;
}

void write_framed(const std::string& data) {
    unsigned char size[8];
    for (std::size_t i = 0; i < sizeof size; ++i) {
        size[i] = static_cast<unsigned char>(data.size() >> (8 * i));
    }
    std::fwrite(size, 1, sizeof size, stdout);
    std::fwrite(data.data(), 1, data.size(), stdout);
}

} // namespace

int main(int argc, char** argv) {
    const std::size_t chunk = argc == 2 ? std::strtoul(argv[1], nullptr, 10) : 0;
    if (chunk == 0) {
        std::fputs("usage: play_sessions BYTES_A_READ < sessions > outputs\n", stderr);
        return 2;
    }
    std::string session;
    while (read_framed(session)) {
        poker::testing::memory_source source{session, chunk};
        std::string written;
        poker::testing::run_main_loop(poker::testing::read_memory, &source,
                                      poker::testing::append_to_string, &written);
        write_framed(written);
    }
    return std::fflush(stdout) == 0 && std::feof(stdin) ? 0 : 1;
}
