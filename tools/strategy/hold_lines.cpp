#include "hold_lines.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

#include "card_notation.h"

namespace velmora::strategy_tool {
namespace {

constexpr std::size_t kOutputChunk = std::size_t{1} << 16;

// Writes what is pending and empties it; false, errno saying why, when
// `out` would not take it all.
bool Write(std::FILE* out, std::string& pending) {
    errno = 0;
    const bool written = std::fwrite(pending.data(), 1, pending.size(), out) == pending.size();
    pending.clear();
    return written;
}

int Failed(std::FILE* err, const char* what) {
    const int error = errno;
    std::fprintf(err, "velmora-strategy: cannot %s", what);
    if (error != 0) std::fprintf(err, ": %s", std::strerror(error));
    std::fputc('\n', err);
    return 1;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendHoldLine(std::string& out, const strategy::Deal& deal, const HoldChoice& choice) {
    out += "{\"held\":[";
    bool first = true;
    for (int slot = 1; slot <= 5; ++slot) {
        if (!strategy::Keeps(choice.hold, slot)) continue;
        if (!first) out += ',';
        first = false;
        out += '"';
        out += CardName(deal[slot - 1]);
        out += '"';
    }
    out += "],\"line\":";
    out += std::to_string(choice.line);
    out += ",\"rule\":";
    AppendJsonString(out, choice.rule);
    out += "}\n";
}

int AnswerDeals(std::FILE* in, std::FILE* out, std::FILE* err, const HoldChooser& choose) {
    std::vector<char> buffer(kLongestLine + 1);
    std::size_t start = 0, end = 0;
    bool atEnd = false;
    long long lineNumber = 0;
    std::string pending;
    pending.reserve(2 * kOutputChunk);
    strategy::Deal deal{};
    for (;;) {
        const void* newline = std::memchr(buffer.data() + start, '\n', end - start);
        std::size_t lineEnd = newline ? std::size_t(static_cast<const char*>(newline) - buffer.data()) : end;
        if (!newline && !atEnd) {
            if (end - start > kLongestLine) {
                ++lineNumber;
                if (!Write(out, pending)) return Failed(err, "write the output");
                std::fprintf(err, "velmora-strategy: line %lld: longer than %zu bytes\n", lineNumber, kLongestLine);
                return 2;
            }
            std::memmove(buffer.data(), buffer.data() + start, end - start);
            end -= start;
            start = 0;
            // The answers so far go out before the read waits for more, so
            // that a program that writes a deal can wait for its answer.
            if (!Write(out, pending) || std::fflush(out) != 0) return Failed(err, "write the output");
            ssize_t got;
            do got = ::read(fileno(in), buffer.data() + end, buffer.size() - end);
            while (got < 0 && errno == EINTR);
            if (got < 0) return Failed(err, "read the input");
            atEnd = got == 0;
            end += std::size_t(got);
            continue;
        }
        if (start == end && atEnd) break;  // no last line without its end
        ++lineNumber;
        const std::string_view line(buffer.data() + start, lineEnd - start);
        start = newline ? lineEnd + 1 : lineEnd;
        if (auto bad = ParseDeal(line, deal)) {
            if (!Write(out, pending) || std::fflush(out) != 0) return Failed(err, "write the output");
            std::fprintf(err, "velmora-strategy: line %lld: %s\n", lineNumber, bad->c_str());
            return 2;
        }
        AppendHoldLine(pending, deal, choose(deal));
        if (pending.size() >= kOutputChunk && !Write(out, pending)) return Failed(err, "write the output");
    }
    if (!Write(out, pending)) return Failed(err, "write the output");
    errno = 0;
    if (std::fflush(out) != 0) return Failed(err, "write the output");
    return 0;
}

}  // namespace velmora::strategy_tool
