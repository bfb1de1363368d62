#include "pack_module.h"

#include <cstring>
#include <map>
#include <optional>

#include "module_pictures.h"
#include "pe_image.h"
#include "resource_directory.h"
#include "resource_format.h"

namespace kit {
namespace {

using modfile::kRtIcon;

// The resources of a module's file, by type and name.
class FileResources : public ModuleResources {
public:
    explicit FileResources(const std::vector<modfile::Resource>& resources) {
        for (const modfile::Resource& resource : resources) {
            if (resource.type.isName()) continue;
            if (resource.type.number == kRtIcon && !resource.name.isName())
                icons_.emplace(resource.name.number, resource.data);
            else if (resource.name.isName())
                named_[{resource.type.number, resource.name.name}] = resource.data;
        }
    }

    std::optional<modfile::ByteSpan> Named(std::uint16_t type, const std::string& name) const override {
        const auto found = named_.find({type, std::u16string(name.begin(), name.end())});
        if (found == named_.end()) return std::nullopt;
        return found->second;
    }
    std::optional<modfile::ByteSpan> Icon(std::uint16_t number) const override {
        const auto found = icons_.find(number);
        if (found == icons_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::map<std::uint16_t, modfile::ByteSpan> icons_;
    std::map<std::pair<std::uint16_t, std::u16string>, modfile::ByteSpan> named_;
};

class Reader {
public:
    Reader(const std::string& shownAs, Problems& problems) : shownAs_(shownAs), problems_(problems) {}

    bool Read(const Bytes& module, PackContents& pack) {
        const modfile::ByteSpan file(module.data(), module.size());
        auto image = modfile::PeImage::parse(file);
        if (image.isError()) return Report("not a module: " + image.error().message);
        ReadValues(image.value(), pack.values);
        auto resources = modfile::readResources(image.value());
        if (resources.isError()) return Report("resources: " + resources.error().message);
        ReadModulePictures(FileResources(resources.value()), shownAs_, pack.pictures, problems_);
        return problems_.empty();
    }

private:
    void ReadValues(const modfile::PeImage& image, skin::SkinValues& values) {
        auto bytes = modfile::sectionBytes(image, SKIN_VALUES_SECTION);
        if (bytes.isError()) return (void)Report(bytes.error().message + ": not a skin pack's module");
        if (bytes.value().size() < sizeof values)
            return (void)Report(SKIN_VALUES_SECTION " holds " + std::to_string(bytes.value().size()) +
                                " bytes, less than a values block");
        std::memcpy(&values, bytes.value().data(), sizeof values);
        const bool named = std::memchr(values.moduleName, 0, sizeof values.moduleName) != nullptr;
        if (std::memcmp(values.magic, skin::kValuesMagic, sizeof values.magic) != 0 ||
            values.version != skin::kValuesVersion || values.size != sizeof values || !named)
            Report(SKIN_VALUES_SECTION ": not a values block of version " + std::to_string(skin::kValuesVersion));
    }

    bool Report(std::string message) {
        problems_.push_back(Problem{shownAs_, 0, 0, std::move(message)});
        return false;
    }

    const std::string& shownAs_;
    Problems& problems_;
};

}  // namespace

bool ReadPackModule(const Bytes& module, const std::string& shownAs, PackContents& pack, Problems& problems) {
    const std::size_t before = problems.size();
    Problems found;
    Reader(shownAs, found).Read(module, pack);
    problems.insert(problems.end(), found.begin(), found.end());
    return problems.size() == before;
}

}  // namespace kit
