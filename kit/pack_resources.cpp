#include "pack_resources.h"

#include <map>

#include "compile_error.h"
#include "compile_script.h"
#include "skin_catalogue.h"

namespace kit {
namespace {

constexpr const char* kScriptFolder = "pictures";

modfile::ResourceId IdOf(const rescomp::ResId& id) {
    if (id.name.empty()) return modfile::ResourceId::numbered(id.number);
    return modfile::ResourceId::named(std::u16string(id.name.begin(), id.name.end()));
}

}  // namespace

bool PackResources::Make(const std::vector<Bytes>& pictures, std::string& why) {
    const std::vector<catalogue::Entry>& entries = catalogue::Entries();
    if (pictures.size() != entries.size()) {
        why = std::to_string(pictures.size()) + " pictures for " + std::to_string(entries.size()) + " catalogue entries";
        return false;
    }
    std::map<std::string, const Bytes*> files;
    for (std::size_t i = 0; i < entries.size(); ++i)
        files[std::string(kScriptFolder) + "/" + entries[i].fileName()] = &pictures[i];
    std::vector<rescomp::Resource> compiled;
    try {
        const std::string script = catalogue::ResourceScript(kScriptFolder);
        compiled = rescomp::compileScript(rescomp::parseScript(script, "catalogue"), "catalogue",
                                          [&files](const std::string& file) { return *files.at(file); });
    } catch (const rescomp::CompileError& error) {
        why = error.what();
        return false;
    }
    data_.clear();
    resources_.clear();
    data_.reserve(compiled.size());
    for (rescomp::Resource& resource : compiled) {
        data_.push_back(std::move(resource.data));
        modfile::Resource out;
        out.type = IdOf(resource.type);
        out.name = IdOf(resource.name);
        out.language = resource.language;
        out.data = modfile::ByteSpan(data_.back().data(), data_.back().size());
        resources_.push_back(std::move(out));
    }
    return true;
}

}  // namespace kit
