#include "memory_io.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

std::string encoded(std::string_view utf8) {
#if POKER_TEXTS_CP949
    return convert(utf8, "UTF-8", "CP949");
#else
    return std::string(utf8);
#endif
}

std::string convert(std::string_view text, const char* from, const char* to) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv cannot convert " << from << " to " << to;
        return {};
    }
    std::string in(text);
    std::string result(in.size() * 4 + 4, '\0');
    char* in_ptr = in.data();
    std::size_t in_left = in.size();
    char* out_ptr = result.data();
    std::size_t out_left = result.size();
    if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) {
        ADD_FAILURE() << "iconv failed on \"" << text << "\"";
    }
    iconv_close(cd);
    result.resize(result.size() - out_left);
    return result;
}

} // namespace poker::testing
