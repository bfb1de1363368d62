#include "res_file.h"

#include <algorithm>
#include <tuple>

#include "compile_error.h"

namespace rescomp {
namespace {

class Writer {
public:
    void u16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void id(const ResId& id) {
        if (id.name.empty()) {
            u16(0xFFFF);
            u16(id.number);
            return;
        }
        for (char c : id.name) u16(static_cast<unsigned char>(c));
        u16(0);
    }
    void bytes(const std::vector<std::uint8_t>& b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void align4() {
        while (out_.size() % 4 != 0) out_.push_back(0);
    }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    std::vector<std::uint8_t> out_;
};

std::uint32_t idBytes(const ResId& id) {
    return id.name.empty() ? 4u : static_cast<std::uint32_t>(2 * (id.name.size() + 1));
}

// Named ids sort before numbered ones.
auto idKey(const ResId& id) { return std::make_tuple(id.name.empty(), id.name, id.number); }

void writeEntry(Writer& w, const Resource& r) {
    const std::uint32_t idsEnd = 8 + idBytes(r.type) + idBytes(r.name);
    const std::uint32_t headerSize = (idsEnd + 3) / 4 * 4 + 16;
    if (r.data.size() > 0x7FFFFFFFu) throw CompileError("resource " + r.name.name + " is too large");
    w.u32(static_cast<std::uint32_t>(r.data.size()));
    w.u32(headerSize);
    w.id(r.type);
    w.id(r.name);
    w.align4();
    w.u32(0);  // data version
    w.u16(r.memoryFlags);
    w.u16(r.language);
    w.u32(0);  // version
    w.u32(0);  // characteristics
    w.bytes(r.data);
    w.align4();
}

}  // namespace

std::vector<std::uint8_t> encodeResFile(std::vector<Resource> resources) {
    std::stable_sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
        return std::make_tuple(idKey(a.type), idKey(a.name), a.language) <
               std::make_tuple(idKey(b.type), idKey(b.name), b.language);
    });
    Writer w;
    writeEntry(w, Resource{ResId::numbered(0), ResId::numbered(0), 0, 0, {}});
    for (const Resource& r : resources) writeEntry(w, r);
    return w.take();
}

}  // namespace rescomp
