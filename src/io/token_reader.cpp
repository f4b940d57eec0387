// Whitespace-delimited tokens of any length in constant memory: see
// token_reader.h.
#include "token_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace poker {

namespace {

// The blanks by byte value: space, tab, line feed, vertical tab, form feed
// and carriage return. A table, since every byte of the input is tested and
// one load is cheaper than six comparisons.
constexpr std::array<bool, 256> blanks = [] {
    std::array<bool, 256> table{};
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}();

bool is_blank(char c) {
    return blanks[static_cast<unsigned char>(c)];
}

// A number's magnitude stops growing at this, which is past the largest
// that fits (2^31, for a negative number), so that any number of digits
// can be read without overflow.
constexpr std::uint64_t magnitude_cap = std::uint64_t{1} << 32;

// What the token's bytes have shown so far about it being a number.
struct number_scan {
    bool negative;           // a leading minus sign
    bool has_digit;          // at least one digit has been seen
    std::uint64_t magnitude; // the digits' value, capped
};

// Takes in the token bytes [first, last), which follow the t.length bytes
// already taken in.
void take_bytes(token& t, number_scan& scan, const char* first, const char* last) {
    const auto size = static_cast<std::size_t>(last - first);
    if (t.length == 0 && size >= 10) {
        std::memcpy(t.text, first, 10); // a hand, most often: one copy of a fixed size
    } else if (t.length < 10) {
        std::memcpy(t.text + t.length, first, std::min(size, 10 - t.length));
    }
    for (const char* p = first; t.number && p != last; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9') {
            scan.has_digit = true;
            scan.magnitude =
                std::min(scan.magnitude * 10 + static_cast<std::uint64_t>(c - '0'), magnitude_cap);
        } else if ((c == '+' || c == '-') && p == first && t.length == 0) {
            scan.negative = c == '-';
        } else {
            t.number = false;
        }
    }
    t.length += size;
}

void finish_number(token& t, const number_scan& scan) {
    t.number = t.number && scan.has_digit;
    const std::uint64_t limit =
        scan.negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    t.fits = t.number && scan.magnitude <= limit;
    if (t.fits) {
        const auto magnitude = static_cast<std::int64_t>(scan.magnitude);
        t.value = static_cast<std::int32_t>(scan.negative ? -magnitude : magnitude);
    }
}

} // namespace

bool read_token(token_reader& reader, token& t) {
    if (reader.has_pending) {
        reader.has_pending = false;
        t = reader.pending;
        return true;
    }
    input& in = *reader.in;

    // Blanks and line ends before the token.
    for (;;) {
        if (in.next == in.end && !fill(in)) {
            return false;
        }
        while (in.next < in.end && is_blank(in.buffer[in.next])) {
            ++in.next;
        }
        if (in.next < in.end) {
            break;
        }
    }

    t = token{};
    t.number = true;
    number_scan scan{};
    for (;;) {
        const char* first = in.buffer + in.next;
        const char* const stop = in.buffer + in.end;
        const char* last = first;
        while (last != stop && !is_blank(*last)) {
            ++last;
        }
        take_bytes(t, scan, first, last);
        in.next = static_cast<std::size_t>(last - in.buffer);
        if (last != stop) {
            break; // the blank that ends the token is left for the next read
        }
        if (!fill(in)) {
            if (in.failed) {
                return false; // never act on a token cut short by a broken input
            }
            break; // end of input ends the token too
        }
    }
    finish_number(t, scan);
    return true;
}

void unread_token(token_reader& reader, const token& t) {
    reader.pending = t;
    reader.has_pending = true;
}

} // namespace poker
