#include "values_screen.h"

#include <cstdio>

namespace kit {
namespace {

// The length of the UTF-8 sequence at `at` and its code point; 0 where the
// bytes there are not one (overlong forms, surrogates and values past
// U+10FFFF included).
std::size_t Sequence(std::string_view text, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5                 ? 4
                                                                             : 0;
    if (length == 0 || text.size() - at < length) return 0;
    point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        point = point << 6 | (byte(i) & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return length;
}

class Screen {
public:
    Screen(std::string_view text, const std::string& shownAs, Problems& problems)
        : text_(text), shownAs_(shownAs), problems_(problems) {}

    bool Run(std::string& screened) {
        // Editors on Windows often begin a file with a byte order mark, which the parser skips.
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        const bool marked = Next(0, kByteOrderMark);
        screened = marked ? std::string(kByteOrderMark) : std::string();
        for (std::size_t at = marked ? kByteOrderMark.size() : 0; at < text_.size();) {
            char32_t point = 0;
            const std::size_t length = Sequence(text_, at, point);
            if (length == 0) return Report("the file is not UTF-8 text");
            if (point >= 0x80) {
                if (state_ != kComment) return Report(CodePoint(point) + ": outside comments a values file is ASCII");
                screened += ' ';
            } else {
                Step(at);
                screened += text_[at];
            }
            if (point == '\n') {
                ++line_;
                column_ = 0;
            }
            ++column_;
            at += length;
        }
        return true;
    }

private:
    enum State { kPlain, kComment, kBasic, kLiteral, kMultiBasic, kMultiLiteral };

    bool Next(std::size_t at, std::string_view what) const { return text_.substr(at, what.size()) == what; }

    // Tracks strings and comments; an ASCII character at `at` moves the state.
    void Step(std::size_t at) {
        const char c = text_[at];
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (state_) {
            case kPlain:
                if (c == '#') state_ = kComment;
                else if (Next(at, "\"\"\"")) Open(kMultiBasic, 2);
                else if (Next(at, "'''")) Open(kMultiLiteral, 2);
                else if (c == '"') state_ = kBasic;
                else if (c == '\'') state_ = kLiteral;
                return;
            case kComment:
                if (c == '\n') state_ = kPlain;
                return;
            case kBasic:
                if (c == '\\') skip_ = 1;
                else if (c == '"' || c == '\n') state_ = kPlain;
                return;
            case kLiteral:
                if (c == '\'' || c == '\n') state_ = kPlain;
                return;
            case kMultiBasic:
                if (c == '\\') skip_ = 1;
                else if (Next(at, "\"\"\"")) Open(kPlain, 2);
                return;
            case kMultiLiteral:
                if (Next(at, "'''")) Open(kPlain, 2);
                return;
        }
    }

    void Open(State state, int skip) {
        state_ = state;
        skip_ = skip;
    }

    static std::string CodePoint(char32_t point) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(point));
        return std::string("the character ") + text;
    }

    bool Report(std::string message) {
        problems_.push_back(Problem{shownAs_, line_, column_, std::move(message)});
        return false;
    }

    std::string_view text_;
    const std::string& shownAs_;
    Problems& problems_;
    State state_ = kPlain;
    int skip_ = 0;
    int line_ = 1;
    int column_ = 1;
};

}  // namespace

bool ScreenValuesText(std::string_view text, const std::string& shownAs, std::string& screened, Problems& problems) {
    return Screen(text, shownAs, problems).Run(screened);
}

}  // namespace kit
