#pragma once
// A small JSON tree for the face inspector: numbers, strings, arrays and
// objects whose members keep the order they were added in, so that two
// reports compare line by line.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace preview {

class Json {
public:
    enum class Kind { kNumber, kString, kArray, kObject };

    static Json Number(long long value);
    static Json String(std::string value);
    static Json Array();
    static Json Object();

    Kind GetKind() const { return kind_; }
    long long NumberValue() const { return number_; }
    const std::string& StringValue() const { return string_; }
    std::size_t Size() const { return items_.size(); }
    // Members of an object with their names, items of an array with empty names.
    const std::vector<std::pair<std::string, Json>>& Items() const { return items_; }

    // Adds to an array. The reference returned lasts until the next addition.
    Json& Append(Json value);
    // Adds a member to an object, after the ones already there; the reference
    // returned lasts until the next addition.
    Json& Add(std::string key, Json value);

    // The value at a path of member names and array indices separated by
    // dots ("m_caption.m_hbmFrameTop", "m_arrToolButton.items.7.m_hIcon");
    // null when the path leads nowhere.
    const Json* Find(std::string_view path) const;

    // The text, two spaces per level, one member or item a line.
    std::string Text() const;

private:
    explicit Json(Kind kind) : kind_(kind) {}
    void Write(std::string& out, int depth) const;

    Kind kind_;
    long long number_ = 0;
    std::string string_;
    // Arrays leave the keys empty.
    std::vector<std::pair<std::string, Json>> items_;
};

}  // namespace preview
