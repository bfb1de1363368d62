#include "loaded_resources.h"

#include "resource_format.h"

namespace skinkit {

std::optional<modfile::ByteSpan> LoadedResources::Find(LPCSTR name, std::uint16_t type) const {
    HRSRC found = FindResourceA(module_, name, MAKEINTRESOURCEA(type));
    HGLOBAL loaded = found != nullptr ? LoadResource(module_, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return std::nullopt;
    return modfile::ByteSpan(static_cast<const std::uint8_t*>(data), SizeofResource(module_, found));
}

std::optional<modfile::ByteSpan> LoadedResources::Named(std::uint16_t type, const std::string& name) const {
    return Find(name.c_str(), type);
}

std::optional<modfile::ByteSpan> LoadedResources::Icon(std::uint16_t number) const {
    return Find(MAKEINTRESOURCEA(number), modfile::kRtIcon);
}

}  // namespace skinkit
