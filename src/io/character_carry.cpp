// Whole characters out of writes that may cut them: see character_carry.h.
#include "character_carry.h"

#include <cstring>

namespace poker {

std::size_t whole_characters(text_encoding encoding, const char* data, std::size_t size) {
    // The output is valid UTF-8 or CP949, so a lead byte tells the length.
    std::size_t i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(data[i]);
        std::size_t length = 1;
        if (encoding == text_encoding::utf8) {
            length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
        } else if (lead >= 0x81 && lead != 0xff) {
            length = 2; // a CP949 lead byte
        }
        if (size - i < length) {
            break;
        }
        i += length;
    }
    return i;
}

bool write_whole_characters(character_carry& carry, const char* data, std::size_t size,
                            write_function sink, void* context) {
    // Complete the carried character one byte at a time.
    while (carry.size > 0 && size > 0) {
        carry.bytes[carry.size++] = *data++;
        --size;
        if (whole_characters(carry.encoding, carry.bytes, carry.size) == carry.size) {
            const std::size_t carried = carry.size;
            carry.size = 0;
            if (!sink(context, carry.bytes, carried)) {
                return false;
            }
        }
    }
    if (carry.size > 0) {
        return true; // this write ended inside the carried character too
    }
    const std::size_t whole = whole_characters(carry.encoding, data, size);
    std::memcpy(carry.bytes, data + whole, size - whole);
    carry.size = size - whole;
    return whole == 0 || sink(context, data, whole);
}

} // namespace poker
