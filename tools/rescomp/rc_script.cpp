#include "rc_script.h"

#include <cctype>
#include <set>

#include "compile_error.h"

namespace rescomp {
namespace {

struct Token {
    enum class Kind { Word, String, Comma, End };
    Kind kind;
    std::string text;
    int line;
};

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

class Lexer {
public:
    Lexer(std::string_view text, const std::string& scriptName)
        : text_(text), scriptName_(scriptName) {}

    [[noreturn]] void fail(int line, const std::string& message) const {
        throw CompileError(scriptName_ + ":" + std::to_string(line) + ": " + message);
    }

    Token next() {
        skipBlanksAndComments();
        if (pos_ >= text_.size()) return {Token::Kind::End, "", line_};
        const char c = text_[pos_];
        if (c == ',') {
            ++pos_;
            return {Token::Kind::Comma, ",", line_};
        }
        if (c == '"') return stringToken();
        if (isWordChar(c)) {
            const std::size_t start = pos_;
            while (pos_ < text_.size() && isWordChar(text_[pos_])) ++pos_;
            return {Token::Kind::Word, std::string(text_.substr(start, pos_ - start)), line_};
        }
        if (c == '#') fail(line_, "preprocessor directives are not supported");
        fail(line_, std::string("unexpected character '") + c + "'");
    }

private:
    void skipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (text_.compare(pos_, 2, "//") == 0) {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const int startLine = line_;
                pos_ += 2;
                while (pos_ < text_.size() && text_.compare(pos_, 2, "*/") != 0) {
                    if (text_[pos_] == '\n') ++line_;
                    ++pos_;
                }
                if (pos_ >= text_.size()) fail(startLine, "comment is not closed");
                pos_ += 2;
            } else {
                return;
            }
        }
    }

    Token stringToken() {
        const int line = line_;
        ++pos_;
        std::string value;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') fail(line, "string is not closed");
            const char c = text_[pos_++];
            if (c == '"') break;
            if (c == '\\') fail(line, "escape sequences in strings are not supported");
            value += c;
        }
        return {Token::Kind::String, value, line};
    }

    std::string_view text_;
    const std::string& scriptName_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, const std::string& scriptName) : lexer_(text, scriptName) {
        advance();
    }

    std::vector<ScriptEntry> parse() {
        std::vector<ScriptEntry> entries;
        std::set<std::string> names;
        std::uint16_t language = kDefaultLanguage;
        while (token_.kind != Token::Kind::End) {
            const Token head = expect(Token::Kind::Word, "a statement");
            if (upper(head.text) == "LANGUAGE") {
                language = languageStatement();
                continue;
            }
            entries.push_back(resourceStatement(head, language));
            if (!names.insert(entries.back().name).second)
                lexer_.fail(head.line, "resource name " + entries.back().name + " is used twice");
        }
        return entries;
    }

private:
    void advance() { token_ = lexer_.next(); }

    Token expect(Token::Kind kind, const std::string& what) {
        if (token_.kind != kind) {
            const std::string found = token_.kind == Token::Kind::End ? "end of file"
                                                                      : "'" + token_.text + "'";
            lexer_.fail(token_.line, "expected " + what + ", found " + found);
        }
        Token taken = token_;
        advance();
        return taken;
    }

    unsigned number(const std::string& what, unsigned limit) {
        const Token t = expect(Token::Kind::Word, what);
        const std::string& s = t.text;
        const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
        const std::size_t first = hex ? 2 : 0;
        unsigned long value = 0;
        for (std::size_t i = first; i < s.size(); ++i) {
            const int c = std::tolower(static_cast<unsigned char>(s[i]));
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else lexer_.fail(t.line, "expected " + what + ", found '" + s + "'");
            value = value * (hex ? 16 : 10) + static_cast<unsigned>(digit);
            if (value > limit) lexer_.fail(t.line, what + " " + s + " is out of range");
        }
        return static_cast<unsigned>(value);
    }

    std::uint16_t languageStatement() {
        const unsigned primary = number("primary language", 0x3FF);
        expect(Token::Kind::Comma, "',' between the languages");
        const unsigned sub = number("sublanguage", 0x3F);
        return static_cast<std::uint16_t>(sub << 10 | primary);
    }

    ScriptEntry resourceStatement(const Token& name, std::uint16_t language) {
        if (std::isdigit(static_cast<unsigned char>(name.text[0])))
            lexer_.fail(name.line, "numbered resources are not supported, name it: " + name.text);
        const Token type = expect(Token::Kind::Word, "a resource type after " + name.text);
        ScriptEntry entry{ScriptEntry::Kind::Bitmap, upper(name.text), "", language, name.line};
        const std::string typeName = upper(type.text);
        if (typeName == "BITMAP") entry.kind = ScriptEntry::Kind::Bitmap;
        else if (typeName == "ICON") entry.kind = ScriptEntry::Kind::Icon;
        else lexer_.fail(type.line, "unsupported resource type " + type.text);
        entry.file = expect(Token::Kind::String, "a quoted file name").text;
        if (entry.file.empty()) lexer_.fail(name.line, "empty file name");
        return entry;
    }

    Lexer lexer_;
    Token token_{Token::Kind::End, "", 0};
};

}  // namespace

std::vector<ScriptEntry> parseScript(std::string_view text, const std::string& scriptName) {
    return Parser(text, scriptName).parse();
}

}  // namespace rescomp
