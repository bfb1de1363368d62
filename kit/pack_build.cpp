#include "pack_build.h"

#include "module_rewrite.h"
#include "pack_resources.h"

namespace kit {

bool BuildPackModule(const Bytes& shipped, const PackContents& pack, Bytes& module, std::string& why) {
    PackResources resources;
    if (!resources.Make(pack.pictures, why)) return false;
    modfile::ModuleEdits edits;
    edits.values = modfile::ByteSpan(reinterpret_cast<const std::uint8_t*>(&pack.values), sizeof pack.values);
    edits.resources = resources.resources();
    edits.moduleName = std::string(pack.values.moduleName);
    auto rewritten = modfile::rewriteModule(modfile::ByteSpan(shipped.data(), shipped.size()), edits);
    if (rewritten.isError()) {
        why = rewritten.error().message;
        return false;
    }
    module = rewritten.releaseValue();
    return true;
}

}  // namespace kit
