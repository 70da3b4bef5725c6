#include "core/desktop/CommandLine.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace tarvelo {

namespace {

// UTF-8 and UTF-16 limits.
constexpr char32_t kMaxAscii = 0x7F;
constexpr char32_t kMaxTwoBytes = 0x7FF;
constexpr char32_t kMaxOneUnit = 0xFFFF;
constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstPlaneTwo = 0x10000;
constexpr char32_t kReplacement = 0xFFFD;
constexpr int kBitsPerContinuation = 6;
constexpr unsigned kContinuationMask = 0x3F;
constexpr unsigned kContinuationTag = 0x80;
constexpr unsigned kTwoByteTag = 0xC0;
constexpr unsigned kThreeByteTag = 0xE0;
constexpr unsigned kFourByteTag = 0xF0;
constexpr unsigned kSurrogateBits = 10;
constexpr unsigned kSurrogateMask = 0x3FF;
// A byte that is no part of valid UTF-8 is kept as U+DC00 + byte; only bytes from 0x80 on can
// be such bytes.
constexpr char32_t kFirstEscape = kFirstLowSurrogate + 0x80;
constexpr char32_t kLastEscape = kFirstLowSurrogate + 0xFF;

struct Lead {
    int continuations;  // how many continuation bytes follow
    unsigned valueMask; // the bits of the lead byte that belong to the code point
    std::uint8_t low;   // the range of the first continuation byte, which excludes overlong
    std::uint8_t high;  // forms, surrogates and code points above U+10FFFF
};

// What a lead byte announces, after the table of well-formed sequences in the Unicode standard;
// continuations 0 for a byte that cannot start a sequence.
Lead LeadOf(std::uint8_t byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {1, 0x1F, 0x80, 0xBF};
    }
    if (byte == 0xE0) {
        return {2, 0x0F, 0xA0, 0xBF};
    }
    if (byte == 0xED) {
        return {2, 0x0F, 0x80, 0x9F};
    }
    if (byte >= 0xE1 && byte <= 0xEF) {
        return {2, 0x0F, 0x80, 0xBF};
    }
    if (byte == 0xF0) {
        return {3, 0x07, 0x90, 0xBF};
    }
    if (byte >= 0xF1 && byte <= 0xF3) {
        return {3, 0x07, 0x80, 0xBF};
    }
    if (byte == 0xF4) {
        return {3, 0x07, 0x80, 0x8F};
    }
    return {0, 0, 0, 0};
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & ~kContinuationMask) == kContinuationTag;
}

// The valid sequence at `at`: its code point and length, or length 0.
std::pair<char32_t, std::size_t> SequenceAt(std::string_view bytes, std::size_t at) {
    const auto first = static_cast<std::uint8_t>(bytes[at]);
    const Lead lead = LeadOf(first);
    const auto needed = static_cast<std::size_t>(lead.continuations);
    if (needed == 0 || at + needed >= bytes.size()) {
        return {0, 0};
    }
    char32_t value = first & lead.valueMask;
    for (int i = 1; i <= lead.continuations; ++i) {
        const auto next = static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
        const bool inRange = i == 1 ? next >= lead.low && next <= lead.high : IsContinuation(next);
        if (!inRange) {
            return {0, 0};
        }
        value = (value << kBitsPerContinuation) | (next & kContinuationMask);
    }
    return {value, static_cast<std::size_t>(lead.continuations) + 1};
}

void AppendUtf16(std::u16string& text, char32_t value) {
    if (value < kFirstPlaneTwo) {
        text.push_back(static_cast<char16_t>(value));
        return;
    }
    const char32_t above = value - kFirstPlaneTwo;
    text.push_back(static_cast<char16_t>(kFirstSurrogate + (above >> kSurrogateBits)));
    text.push_back(static_cast<char16_t>(kFirstLowSurrogate + (above & kSurrogateMask)));
}

void AppendUtf8(std::string& bytes, char32_t value) {
    const auto continuation = [](char32_t v, int shift) {
        return static_cast<char>(kContinuationTag | ((v >> shift) & kContinuationMask));
    };
    if (value <= kMaxAscii) {
        bytes.push_back(static_cast<char>(value));
    } else if (value <= kMaxTwoBytes) {
        bytes.push_back(static_cast<char>(kTwoByteTag | (value >> kBitsPerContinuation)));
        bytes.push_back(continuation(value, 0));
    } else if (value <= kMaxOneUnit) {
        bytes.push_back(static_cast<char>(kThreeByteTag | (value >> (2 * kBitsPerContinuation))));
        bytes.push_back(continuation(value, kBitsPerContinuation));
        bytes.push_back(continuation(value, 0));
    } else {
        bytes.push_back(static_cast<char>(kFourByteTag | (value >> (3 * kBitsPerContinuation))));
        bytes.push_back(continuation(value, 2 * kBitsPerContinuation));
        bytes.push_back(continuation(value, kBitsPerContinuation));
        bytes.push_back(continuation(value, 0));
    }
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= kFirstSurrogate && unit < kFirstLowSurrogate;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= kFirstLowSurrogate && unit <= kLastSurrogate;
}

constexpr std::string_view kEndOfOptions = "--";

bool IsOptionLike(std::string_view word) {
    return word.starts_with('-');
}

// The word without its `=value`, if it has one.
std::string_view NameOf(std::string_view word) {
    return word.substr(0, word.find('='));
}

bool IsOwn(std::string_view word, const CommandLineOptions& options) {
    return std::ranges::find(options.own, NameOf(word)) != options.own.end();
}

// How many words the toolkit's option at the start of `word` takes (itself and its value), or
// nothing when it is not one of the toolkit's.
std::optional<std::size_t> ForeignWords(std::string_view word, const CommandLineOptions& options) {
    std::string_view name = NameOf(word);
    name.remove_prefix(name.starts_with(kEndOfOptions) ? kEndOfOptions.size() : 1);
    const bool valueAttached = word.find('=') != std::string_view::npos;
    for (const ForeignOption& foreign : options.foreign) {
        if (foreign.name == name) {
            return foreign.takesValue && !valueAttached ? 2 : 1;
        }
    }
    return std::nullopt;
}

} // namespace

CommandLineStart ReadCommandLineStart(const std::vector<std::string>& words,
                                      const CommandLineOptions& options) {
    CommandLineStart start;
    std::size_t at = 0;
    while (at < words.size()) {
        const std::string& word = words[at];
        if (word == kEndOfOptions) {
            start.fileFrom = at + 1;
            return start;
        }
        if (!IsOptionLike(word)) {
            start.fileFrom = at;
            return start;
        }
        // Matched whole: the window's options take no value.
        if (std::ranges::find(options.window, std::string_view(word)) != options.window.end()) {
            start.windowOptions.push_back(word);
            ++at;
            continue;
        }
        if (IsOwn(word, options)) {
            return {CommandLineStart::Kind::Own, 0, word, {}};
        }
        const std::optional<std::size_t> taken = ForeignWords(word, options);
        if (!taken) {
            return {CommandLineStart::Kind::UnknownOption, 0, word, {}};
        }
        at += *taken;
    }
    start.fileFrom = words.size();
    return start;
}

std::string JoinedWords(const std::vector<std::string>& words, std::size_t from) {
    std::string line;
    for (std::size_t at = from; at < words.size(); ++at) {
        if (at > from) {
            line += ' ';
        }
        line += words[at];
    }
    return line;
}

CommandLineFile FileFromCommandLine(const std::string& stCommand) {
    if (stCommand.empty()) {
        return {};
    }
    if (stCommand.front() != '"') {
        return {CommandLineFile::Kind::Path, stCommand};
    }
    if (stCommand.size() < 2) {
        return {CommandLineFile::Kind::Unusable, {}};
    }
    return {CommandLineFile::Kind::Path, stCommand.substr(1, stCommand.size() - 2)};
}

bool NamesNoFile(const CommandLineFile& file) {
    return file.kind == CommandLineFile::Kind::Unusable ||
           (file.kind == CommandLineFile::Kind::Path && file.path.empty());
}

std::u16string TextFromBytes(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto byte = static_cast<std::uint8_t>(bytes[at]);
        if (byte <= kMaxAscii) {
            text.push_back(static_cast<char16_t>(byte));
            ++at;
            continue;
        }
        const auto [value, length] = SequenceAt(bytes, at);
        if (length == 0) {
            text.push_back(static_cast<char16_t>(kFirstLowSurrogate + byte));
            ++at;
            continue;
        }
        AppendUtf16(text, value);
        at += length;
    }
    return text;
}

std::string BytesFromText(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t unit = text[at];
        if (IsHighSurrogate(unit) && at + 1 < text.size() && IsLowSurrogate(text[at + 1])) {
            const char32_t low = text[++at];
            AppendUtf8(bytes, kFirstPlaneTwo + ((unit - kFirstSurrogate) << kSurrogateBits) +
                                  (low - kFirstLowSurrogate));
        } else if (unit >= kFirstEscape && unit <= kLastEscape) {
            bytes.push_back(static_cast<char>(unit - kFirstLowSurrogate));
        } else if (unit >= kFirstSurrogate && unit <= kLastSurrogate) {
            AppendUtf8(bytes, kReplacement); // a lone surrogate that no byte stands behind
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

} // namespace tarvelo
