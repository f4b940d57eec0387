#include "memory_io.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include "cp949.h"

namespace poker::testing {

std::ptrdiff_t read_memory(void* context, char* buffer, std::size_t capacity) {
    auto& source = *static_cast<memory_source*>(context);
    ++source.reads;
    if (source.data.empty() && !source.after_end.empty()) {
        std::swap(source.data, source.after_end);
        return 0;
    }
    const std::size_t size = std::min({capacity, source.chunk, source.data.size()});
    source.data.copy(buffer, size);
    source.data.remove_prefix(size);
    return static_cast<std::ptrdiff_t>(size);
}

bool append_to_string(void* context, const char* data, std::size_t size) {
    static_cast<std::string*>(context)->append(data, size);
    return true;
}

bool count_writes(void* context, const char* /*data*/, std::size_t /*size*/) {
    auto& sink = *static_cast<counting_sink*>(context);
    ++sink.calls;
    errno = ENOSPC;
    return sink.calls < sink.fails_from;
}

namespace {

// The program's own converter into an encoding, as main would choose it.
unicode_encoder encoder_for(text_encoding encoding) {
    return encoding == text_encoding::utf8 ? utf8_from_unicode : cp949_from_unicode;
}

} // namespace

std::string read_all_decoded(std::string_view text, text_encoding target, bool ctrl_z_ends,
                             std::size_t chunk, std::size_t capacity) {
    memory_source source{text, chunk};
    const auto decoder = std::make_unique<input_decoder>();
    open_input_decoder(*decoder, read_memory, &source, encoder_for(target), ctrl_z_ends);
    std::string decoded;
    std::string buffer(capacity, '\0');
    for (std::ptrdiff_t got; (got = read_decoded(decoder.get(), buffer.data(), capacity)) > 0;) {
        decoded.append(buffer, 0, static_cast<std::size_t>(got));
    }
    return decoded;
}

console_records run_main_loop(read_function source, void* source_context, write_function sink,
                              void* sink_context, text_encoding encoding, end_of_input where) {
    console_records records{std::make_unique<output>(), std::make_unique<input_decoder>(),
                            std::make_unique<input>()};
    open_output(*records.out, sink, sink_context);
    open_input_decoder(*records.decoder, source, source_context, encoder_for(encoding), false);
    main_loop(read_decoded, records.decoder.get(), *records.in, *records.out, texts_in(encoding),
              where);
    return records;
}

} // namespace poker::testing
