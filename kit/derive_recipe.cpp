#include "derive_recipe.h"

#include <algorithm>

#include "derive_table.h"
#include "file_bytes.h"
#include "nearest_name.h"
#include "toml_place.h"

namespace kit {
namespace {

constexpr std::int64_t kMostSaturation = 400;
constexpr std::int64_t kLightest = 255;

std::string PointText(std::int64_t in, std::int64_t out) { return std::to_string(in) + ":" + std::to_string(out); }

// A whole number of decimal digits; past 15 of them it stops growing rather
// than overflow, far out of any point's range still.
bool ReadNumber(std::string_view text, std::int64_t& number) {
    constexpr std::int64_t kFar = 1'000'000'000'000'000;
    if (text.empty()) return false;
    number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = std::min(number * 10 + (c - '0'), kFar);
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

class TableReader {
public:
    TableReader(const std::string& shownAs, DeriveRecipe& recipe, Problems& problems)
        : shownAs_(shownAs), recipe_(recipe), problems_(problems) {}

    void Read(const toml::node& node) {
        const toml::table* table = node.as_table();
        if (table == nullptr) return Report(node, "\"derive\" must be a table ([derive])");
        std::vector<std::string_view> known;
        for (const DeriveKey& key : DeriveKeys()) known.push_back(key.key);
        for (auto&& [name, value] : *table) {
            if (std::find(known.begin(), known.end(), name.str()) != known.end()) continue;
            problems_.push_back(ProblemAt(shownAs_, name.source(),
                                          "unknown key \"" + std::string(name.str()) + "\" in [derive]" +
                                              DidYouMean(name.str(), known)));
        }
        if (const toml::node* hue = table->get("hue")) ReadHue(*hue);
        if (const toml::node* saturation = table->get("saturation")) ReadSaturation(*saturation);
        if (const toml::node* lightness = table->get("lightness")) ReadLightness(*lightness);
        if (const toml::node* resolve = table->get("resolve_system")) {
            const std::optional<bool> value = resolve->value_exact<bool>();
            if (!value) return Report(*resolve, "derive.resolve_system must be true or false");
            recipe_.resolveSystem = *value;
        }
    }

private:
    void ReadHue(const toml::node& node) {
        const std::optional<std::int64_t> degrees = node.value_exact<std::int64_t>();
        if (!degrees) return Report(node, "derive.hue must be an integer, in degrees");
        recipe_.transform.hue = HueDegrees(*degrees);
    }

    void ReadSaturation(const toml::node& node) {
        const std::optional<std::int64_t> percent = node.value_exact<std::int64_t>();
        if (!percent) return Report(node, "derive.saturation must be an integer, in percent");
        std::string why;
        if (!CheckSaturation(*percent, why))
            return Report(node, "derive.saturation is " + std::to_string(*percent) + ": " + why);
        recipe_.transform.saturation = static_cast<int>(*percent);
    }

    void ReadLightness(const toml::node& node) {
        const char* const kPairs = "derive.lightness must be an array of [IN, OUT] pairs of integers, such as "
                                   "[[0, 255], [255, 0]]";
        const toml::array* array = node.as_array();
        if (array == nullptr) return Report(node, kPairs);
        std::vector<std::pair<std::int64_t, std::int64_t>> given;
        for (const toml::node& item : *array) {
            const toml::array* pair = item.as_array();
            const std::optional<std::int64_t> in = pair && pair->size() == 2 ? (*pair)[0].value_exact<std::int64_t>()
                                                                             : std::nullopt;
            const std::optional<std::int64_t> out = in ? (*pair)[1].value_exact<std::int64_t>() : std::nullopt;
            if (!out) return Report(item, kPairs);
            given.emplace_back(*in, *out);
        }
        std::string why;
        if (!LightnessCurve(given, recipe_.transform.lightness, why)) Report(node, "derive.lightness: " + why);
    }

    void Report(const toml::node& node, std::string message) {
        problems_.push_back(ProblemAt(shownAs_, node.source(), std::move(message)));
    }

    const std::string& shownAs_;
    DeriveRecipe& recipe_;
    Problems& problems_;
};

}  // namespace

const std::vector<DeriveKey>& DeriveKeys() {
    static const std::vector<DeriveKey> keys{
        {"hue", "degrees to turn every hue by, any integer (taken mod 360)"},
        {"saturation", "percent to scale saturation by, 0 to 400 (100 keeps it; held to full)"},
        {"lightness", "a curve of two or more `[IN, OUT]` points, 0 to 255, IN increasing"},
        {"resolve_system", "`true`: system colours become the default scheme's, transformed"},
    };
    return keys;
}

int HueDegrees(std::int64_t degrees) { return static_cast<int>((degrees % 360 + 360) % 360); }

bool CheckSaturation(std::int64_t percent, std::string& why) {
    if (percent >= 0 && percent <= kMostSaturation) return true;
    why = "a saturation is from 0 to " + std::to_string(kMostSaturation) + " percent (100 keeps it)";
    return false;
}

bool LightnessCurve(const std::vector<std::pair<std::int64_t, std::int64_t>>& given,
                    std::vector<LightnessPoint>& points, std::string& why) {
    if (given.size() < 2) {
        why = "a lightness curve needs two points or more, IN:OUT each";
        return false;
    }
    std::vector<LightnessPoint> curve;
    for (std::size_t i = 0; i < given.size(); ++i) {
        const auto [in, out] = given[i];
        const std::string point = "point " + std::to_string(i + 1) + " (" + PointText(in, out) + ")";
        if (in < 0 || in > kLightest || out < 0 || out > kLightest) {
            why = point + " is outside 0 to " + std::to_string(kLightest);
            return false;
        }
        if (!curve.empty() && in <= curve.back().in) {
            why = point + ": IN must be above the point before's (" + std::to_string(curve.back().in) + ")";
            return false;
        }
        curve.push_back(LightnessPoint{static_cast<int>(in), static_cast<int>(out)});
    }
    points = std::move(curve);
    return true;
}

bool ParseLightness(std::string_view text, std::vector<LightnessPoint>& points, std::string& why) {
    std::vector<std::pair<std::int64_t, std::int64_t>> given;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view item = Trimmed(text.substr(start, comma - start));
        const std::size_t colon = item.find(':');
        std::int64_t in = 0, out = 0;
        if (colon == std::string_view::npos || !ReadNumber(item.substr(0, colon), in) ||
            !ReadNumber(item.substr(colon + 1), out)) {
            why = "point " + std::to_string(given.size() + 1) + " \"" + std::string(item) +
                  "\" is not IN:OUT, two whole numbers";
            return false;
        }
        given.emplace_back(in, out);
        start = comma + 1;
    }
    return LightnessCurve(given, points, why);
}

void ReadDeriveTable(const toml::node& node, const std::string& shownAs, DeriveRecipe& recipe, Problems& problems) {
    TableReader(shownAs, recipe, problems).Read(node);
}

void ReadDeriveFile(const std::filesystem::path& path, const std::string& shownAs, DeriveRecipe& recipe,
                    Problems& problems) {
    Bytes bytes;
    std::string why;
    if (!ReadFileBytes(path, bytes, why)) {
        problems.push_back(Problem{shownAs, 0, 0, std::filesystem::exists(path) ? "cannot be read" : "missing"});
        return;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    toml::table root;
    if (!ParseValuesToml(text, shownAs, root, problems)) return;
    const toml::node* table = root.get(kDeriveTable);
    if (table == nullptr) {
        problems.push_back(Problem{shownAs, 0, 0, "has no [derive] table"});
        return;
    }
    ReadDeriveTable(*table, shownAs, recipe, problems);
}

std::string DeriveTableText(const DeriveRecipe& recipe) {
    const ColourTransform& transform = recipe.transform;
    std::string text = "[derive]\nhue = " + std::to_string(transform.hue) +
                       "\nsaturation = " + std::to_string(transform.saturation) + "\n";
    if (!transform.lightness.empty()) {
        text += "lightness = [";
        for (const LightnessPoint& point : transform.lightness)
            text += std::string(&point == &transform.lightness.front() ? "" : ", ") + "[" +
                    std::to_string(point.in) + ", " + std::to_string(point.out) + "]";
        text += "]\n";
    }
    return text + "resolve_system = " + (recipe.resolveSystem ? "true" : "false") + "\n";
}

}  // namespace kit
