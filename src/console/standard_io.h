// Binding the console's I/O records to the process's standard input and output.
#pragma once

#include <cstddef>

namespace poker {

// A read_function over standard input; context is unused.
std::ptrdiff_t read_standard_input(void* context, char* buffer, std::size_t capacity);

// A write_function over standard output; context is unused.
bool write_standard_output(void* context, const char* data, std::size_t size);

} // namespace poker
