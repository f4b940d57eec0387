// Runs a command in a Windows terminal whose input and output code pages are
// set apart, where chcp sets both: PowerShell's [Console]::OutputEncoding
// sets only the output's.
// Usage: set_code_pages INPUT_PAGE OUTPUT_PAGE COMMAND
#include <cstdlib>

#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const auto page = [](const char* text) { return static_cast<UINT>(std::atoi(text)); };
    if (!SetConsoleCP(page(argv[1])) || !SetConsoleOutputCP(page(argv[2]))) {
        return 1;
    }
    return std::system(argv[3]);
}
