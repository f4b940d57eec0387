// Input as the program reads it: see input_decoder.h.
#include "input_decoder.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace poker {

namespace {

constexpr char ctrl_z = 0x1a;
constexpr char32_t replacement = '?'; // for what the output's encoding cannot say

struct byte_order_mark {
    std::string_view bytes; // the mark as it starts the input
    input_form form;        // what the input after it is
};

constexpr byte_order_mark marks[] = {
    {"\xef\xbb\xbf", input_form::bytes},
    {"\xff\xfe", input_form::utf16le},
    {"\xfe\xff", input_form::utf16be},
};

// Ends the input here: nothing read but not yet passed on is passed on.
void stop(input_decoder& d) {
    d.ended = true;
    d.raw_next = d.raw_end;
    d.high_surrogate = 0;
}

// Reads more of the source into raw, behind the bytes not yet used.
std::ptrdiff_t read_raw(input_decoder& d) {
    const std::size_t kept = d.raw_end - d.raw_next;
    std::memmove(d.raw, d.raw + d.raw_next, kept);
    d.raw_next = 0;
    d.raw_end = kept;
    const std::ptrdiff_t got = d.source(d.context, d.raw + kept, sizeof d.raw - kept);
    if (got > 0) {
        d.raw_end += static_cast<std::size_t>(got);
    } else if (got == 0) {
        d.ended = true;
    }
    return got;
}

// Decides the form from the first bytes, as soon as they allow it. Returns
// false while they may still be the start of a mark.
bool decide(input_decoder& d) {
    const std::string_view start(d.raw + d.raw_next, d.raw_end - d.raw_next);
    for (const byte_order_mark& mark : marks) {
        if (start.starts_with(mark.bytes)) {
            d.form = mark.form;
            d.raw_next += mark.bytes.size();
            return true;
        }
        if (!d.ended && mark.bytes.starts_with(start)) {
            return false;
        }
    }
    d.form = input_form::bytes;
    return true;
}

// Input without a mark: the first bytes, then straight from the source.
std::ptrdiff_t pass_bytes(input_decoder& d, char* buffer, std::size_t capacity) {
    std::size_t size = 0;
    if (d.raw_next < d.raw_end) {
        size = std::min(capacity, d.raw_end - d.raw_next);
        std::memcpy(buffer, d.raw + d.raw_next, size);
        d.raw_next += size;
    } else if (!d.ended) {
        const std::ptrdiff_t got = d.source(d.context, buffer, capacity);
        if (got <= 0) {
            d.ended = got == 0;
            return got;
        }
        size = static_cast<std::size_t>(got);
    }
    if (d.ctrl_z_ends) {
        if (const void* z = std::memchr(buffer, ctrl_z, size)) {
            stop(d);
            size = static_cast<std::size_t>(static_cast<const char*>(z) - buffer);
        }
    }
    return static_cast<std::ptrdiff_t>(size);
}

} // namespace

std::size_t utf8_from_unicode(char32_t c, char* bytes) {
    const auto byte = [](char32_t b) { return static_cast<char>(b); };
    if (c < 0x80) {
        bytes[0] = byte(c);
        return 1;
    }
    if (c < 0x800) {
        bytes[0] = byte(0xc0 | c >> 6);
        bytes[1] = byte(0x80 | (c & 0x3f));
        return 2;
    }
    if (c < 0x10000) {
        bytes[0] = byte(0xe0 | c >> 12);
        bytes[1] = byte(0x80 | (c >> 6 & 0x3f));
        bytes[2] = byte(0x80 | (c & 0x3f));
        return 3;
    }
    bytes[0] = byte(0xf0 | c >> 18);
    bytes[1] = byte(0x80 | (c >> 12 & 0x3f));
    bytes[2] = byte(0x80 | (c >> 6 & 0x3f));
    bytes[3] = byte(0x80 | (c & 0x3f));
    return 4;
}

namespace {

// Passes one decoded character on, in the target encoding: into buffer as
// far as it has room, the rest into d.cut for the next read.
void put(input_decoder& d, char32_t c, char* buffer, std::size_t capacity, std::size_t& size) {
    char bytes[4];
    std::size_t length = d.encode(c, bytes);
    if (length == 0) {
        bytes[0] = replacement;
        length = 1;
    }
    const std::size_t fits = std::min(length, capacity - size);
    std::memcpy(buffer + size, bytes, fits);
    size += fits;
    std::memcpy(d.cut, bytes + fits, length - fits);
    d.cut_next = 0;
    d.cut_end = length - fits;
}

bool is_high_surrogate(char16_t unit) {
    return unit >= 0xd800 && unit <= 0xdbff;
}

bool is_low_surrogate(char16_t unit) {
    return unit >= 0xdc00 && unit <= 0xdfff;
}

// UTF-16 input: decodes what raw holds, reading more only when nothing has
// been decoded yet. Each unpaired surrogate and an odd last byte become one
// replacement character.
std::ptrdiff_t decode_utf16(input_decoder& d, char* buffer, std::size_t capacity) {
    std::size_t size = 0;
    while (size < capacity && d.cut_next == d.cut_end) {
        if (d.raw_end - d.raw_next < 2) {
            if (size > 0) {
                break; // pass on what there is before waiting for more
            }
            if (!d.ended) {
                const std::ptrdiff_t got = read_raw(d);
                if (got < 0) {
                    return got;
                }
                continue;
            }
            // The end: what is left unfinished is passed on as replacements.
            if (d.high_surrogate != 0) {
                d.high_surrogate = 0;
                put(d, replacement, buffer, capacity, size);
            } else if (d.raw_next < d.raw_end) {
                d.raw_next = d.raw_end;
                put(d, replacement, buffer, capacity, size);
            } else {
                break;
            }
            continue;
        }
        const auto first = static_cast<unsigned char>(d.raw[d.raw_next]);
        const auto second = static_cast<unsigned char>(d.raw[d.raw_next + 1]);
        d.raw_next += 2;
        const auto unit = static_cast<char16_t>(
            d.form == input_form::utf16le ? first | second << 8 : first << 8 | second);
        if (d.high_surrogate != 0) {
            const char16_t high = d.high_surrogate;
            d.high_surrogate = 0;
            if (is_low_surrogate(unit)) {
                put(d, 0x10000 + (char32_t{high} - 0xd800) * 0x400 + (unit - 0xdc00), buffer,
                    capacity, size);
                continue;
            }
            put(d, replacement, buffer, capacity, size);
            d.raw_next -= 2; // the unit after the lone half is read afresh
            continue;
        }
        if (is_high_surrogate(unit)) {
            d.high_surrogate = unit;
        } else if (is_low_surrogate(unit)) {
            put(d, replacement, buffer, capacity, size);
        } else if (unit == ctrl_z && d.ctrl_z_ends) {
            stop(d);
            break;
        } else {
            put(d, unit, buffer, capacity, size);
        }
    }
    return static_cast<std::ptrdiff_t>(size);
}

} // namespace

void open_input_decoder(input_decoder& decoder, read_function source, void* context,
                        unicode_encoder encode, bool ctrl_z_ends) {
    decoder = input_decoder{
        .source = source, .context = context, .encode = encode, .ctrl_z_ends = ctrl_z_ends};
}

std::ptrdiff_t read_decoded(void* decoder, char* buffer, std::size_t capacity) {
    auto& d = *static_cast<input_decoder*>(decoder);
    if (capacity == 0) {
        return 0;
    }
    if (d.cut_next < d.cut_end) { // the rest of a character that the last read cut
        const std::size_t size = std::min(capacity, d.cut_end - d.cut_next);
        std::memcpy(buffer, d.cut + d.cut_next, size);
        d.cut_next += size;
        return static_cast<std::ptrdiff_t>(size);
    }
    while (d.form == input_form::undecided && !decide(d)) {
        const std::ptrdiff_t got = read_raw(d);
        if (got < 0) {
            return got;
        }
    }
    return d.form == input_form::bytes ? pass_bytes(d, buffer, capacity)
                                       : decode_utf16(d, buffer, capacity);
}

} // namespace poker
