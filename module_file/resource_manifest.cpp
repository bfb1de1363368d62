#include "resource_manifest.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>

#include "content_hash.h"

namespace modfile {
namespace {

using SortKey =
    std::tuple<bool, const std::u16string&, std::uint16_t, bool, const std::u16string&, std::uint16_t, std::uint16_t>;

SortKey sortKey(const Resource& r) {
    return SortKey(!r.type.isName(), r.type.name, r.type.number, !r.name.isName(), r.name.name, r.name.number,
                   r.language);
}

struct Entry {
    std::string size;
    std::string hash;
};

// The lines of one manifest by "<type> <name> <language>"; lines that are no
// manifest line, and keys listed twice, are reported as problems.
std::map<std::string, Entry> parseManifest(const std::string& text, const char* which,
                                           std::vector<std::string>& problems) {
    std::map<std::string, Entry> entries;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty()) continue;
        std::istringstream fields(line);
        std::string type, name, language, rest;
        Entry entry;
        if (!(fields >> type >> name >> language >> entry.size >> entry.hash) || (fields >> rest)) {
            problems.push_back(std::string(which) + " manifest, line " + std::to_string(number) +
                               ": not \"<type> <name> <language> <size> <hash>\": " + line);
            continue;
        }
        const std::string key = type + " " + name + " " + language;
        if (!entries.emplace(key, entry).second)
            problems.push_back(std::string(which) + " manifest, line " + std::to_string(number) + ": " + key +
                               " listed twice");
    }
    return entries;
}

std::string describe(const Entry& entry) { return entry.size + " bytes, hash " + entry.hash; }

}  // namespace

std::string idText(const ResourceId& id) {
    if (!id.isName()) return "#" + std::to_string(id.number);
    std::string text;
    for (char16_t c : id.name) {
        if (c > u' ' && c < 0x7F && c != u'#' && c != u'\\') {
            text += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            text += escaped;
        }
    }
    return text;
}

std::string formatManifest(const std::vector<Resource>& resources) {
    std::vector<const Resource*> sorted;
    for (const Resource& r : resources) sorted.push_back(&r);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Resource* a, const Resource* b) { return sortKey(*a) < sortKey(*b); });
    std::string text;
    for (const Resource* r : sorted) {
        char language[8], hash[24];
        std::snprintf(language, sizeof language, "0x%04X", static_cast<unsigned>(r->language));
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fnv1a64(r->data)));
        text += idText(r->type) + " " + idText(r->name) + " " + language + " " + std::to_string(r->data.size()) + " " +
                hash + "\n";
    }
    return text;
}

std::vector<std::string> compareManifests(const std::string& expected, const std::string& actual) {
    std::vector<std::string> differences;
    const auto want = parseManifest(expected, "expected", differences);
    const auto got = parseManifest(actual, "actual", differences);
    for (const auto& [key, entry] : want) {
        const auto found = got.find(key);
        if (found == got.end())
            differences.push_back("missing: " + key + " (" + describe(entry) + ")");
        else if (found->second.size != entry.size || found->second.hash != entry.hash)
            differences.push_back("changed: " + key + ": expected " + describe(entry) + ", got " +
                                  describe(found->second));
    }
    for (const auto& [key, entry] : got)
        if (want.find(key) == want.end()) differences.push_back("extra: " + key + " (" + describe(entry) + ")");
    return differences;
}

}  // namespace modfile
