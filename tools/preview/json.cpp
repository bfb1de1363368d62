#include "json.h"

#include <cstdio>

namespace preview {
namespace {

void WriteString(std::string& out, std::string_view text) {
    out += '"';
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || byte >= 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += ch;
        }
    }
    out += '"';
}

bool ParseIndex(std::string_view text, std::size_t* index) {
    if (text.empty() || text.size() > 9) return false;
    std::size_t value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        value = value * 10 + static_cast<std::size_t>(ch - '0');
    }
    *index = value;
    return true;
}

}  // namespace

Json Json::Number(long long value) {
    Json json(Kind::kNumber);
    json.number_ = value;
    return json;
}

Json Json::String(std::string value) {
    Json json(Kind::kString);
    json.string_ = std::move(value);
    return json;
}

Json Json::Array() { return Json(Kind::kArray); }

Json Json::Object() { return Json(Kind::kObject); }

Json& Json::Append(Json value) {
    items_.emplace_back(std::string(), std::move(value));
    return items_.back().second;
}

Json& Json::Add(std::string key, Json value) {
    items_.emplace_back(std::move(key), std::move(value));
    return items_.back().second;
}

const Json* Json::Find(std::string_view path) const {
    const Json* node = this;
    while (!path.empty()) {
        const std::size_t dot = path.find('.');
        const std::string_view step = path.substr(0, dot);
        path = dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
        const Json* next = nullptr;
        if (node->kind_ == Kind::kObject) {
            for (const auto& [key, value] : node->items_)
                if (key == step) next = &value;
        } else if (node->kind_ == Kind::kArray) {
            std::size_t index = 0;
            if (ParseIndex(step, &index) && index < node->items_.size()) next = &node->items_[index].second;
        }
        if (next == nullptr) return nullptr;
        node = next;
    }
    return node;
}

std::string Json::Text() const {
    std::string out;
    Write(out, 0);
    out += '\n';
    return out;
}

void Json::Write(std::string& out, int depth) const {
    switch (kind_) {
        case Kind::kNumber: out += std::to_string(number_); return;
        case Kind::kString: WriteString(out, string_); return;
        case Kind::kArray:
        case Kind::kObject: break;
    }
    const char open = kind_ == Kind::kArray ? '[' : '{';
    const char close = kind_ == Kind::kArray ? ']' : '}';
    if (items_.empty()) {
        out += open;
        out += close;
        return;
    }
    const std::string inner(static_cast<std::size_t>(depth + 1) * 2, ' ');
    out += open;
    out += '\n';
    for (std::size_t i = 0; i < items_.size(); ++i) {
        out += inner;
        if (kind_ == Kind::kObject) {
            WriteString(out, items_[i].first);
            out += ": ";
        }
        items_[i].second.Write(out, depth + 1);
        if (i + 1 < items_.size()) out += ',';
        out += '\n';
    }
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
    out += close;
}

}  // namespace preview
