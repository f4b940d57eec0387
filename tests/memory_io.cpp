#include "memory_io.h"

#include <algorithm>
#include <memory>

namespace poker::testing {

std::ptrdiff_t read_memory(void* context, char* buffer, std::size_t capacity) {
    auto& source = *static_cast<memory_source*>(context);
    ++source.reads;
    const std::size_t size = std::min({capacity, source.chunk, source.data.size()});
    source.data.copy(buffer, size);
    source.data.remove_prefix(size);
    return static_cast<std::ptrdiff_t>(size);
}

bool append_to_string(void* context, const char* data, std::size_t size) {
    static_cast<std::string*>(context)->append(data, size);
    return true;
}

std::string with_console(std::string_view text, std::size_t chunk,
                         const std::function<void(input&, output&)>& body) {
    memory_source source{text, chunk};
    std::string written;
    // The records hold their buffers: too large for a test's stack.
    auto out = std::make_unique<output>();
    auto in = std::make_unique<input>();
    open_output(*out, append_to_string, &written);
    open_input(*in, read_memory, &source, out.get());
    body(*in, *out);
    flush(*out);
    return written;
}

} // namespace poker::testing
