#include "colours.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace art {

namespace {

int distance(Rgb a, Rgb b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// Merges by redirecting colour ids, then repaints once.
void reduce(Image& image, int count, const std::vector<Rgb>& keep) {
    std::map<Rgb, int> counts = colourCounts(image);
    std::map<Rgb, Rgb> replaced;
    while (static_cast<int>(counts.size()) > count) {
        auto victim = counts.end();
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            if (std::find(keep.begin(), keep.end(), it->first) != keep.end()) continue;
            if (victim == counts.end() || it->second < victim->second) victim = it;
        }
        if (victim == counts.end()) throw std::logic_error("every remaining colour is one to keep");
        auto nearest = counts.end();
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            if (it == victim) continue;
            if (nearest == counts.end() || distance(it->first, victim->first) < distance(nearest->first, victim->first))
                nearest = it;
        }
        nearest->second += victim->second;
        replaced[victim->first] = nearest->first;
        counts.erase(victim);
    }
    auto resolve = [&](Rgb c) {
        for (auto it = replaced.find(c); it != replaced.end(); it = replaced.find(c)) c = it->second;
        return c;
    };
    for (Pixel& p : image.pixels())
        if (p.a >= 128) p.c = resolve(p.c);
}

}  // namespace

std::map<Rgb, int> colourCounts(const Image& image) {
    std::map<Rgb, int> counts;
    for (const Pixel& p : image.pixels())
        if (p.a >= 128) ++counts[p.c];
    return counts;
}

void fitColourCount(Image& image, int count, const std::vector<Rgb>& keep) {
    const int have = static_cast<int>(colourCounts(image).size());
    if (have < count)
        throw std::logic_error("picture has " + std::to_string(have) + " colours, " + std::to_string(count) +
                               " wanted");
    reduce(image, count, keep);
}

void limitColours(Image& image, int count, const std::vector<Rgb>& keep) { reduce(image, count, keep); }

const std::vector<Rgb>& standardPalette16() {
    static const std::vector<Rgb> palette = {
        rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
        rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
        rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
    return palette;
}

int nearestIndex(const std::vector<Rgb>& palette, Rgb c) {
    int best = 0;
    for (int i = 1; i < static_cast<int>(palette.size()); ++i)
        if (distance(palette[i], c) < distance(palette[best], c)) best = i;
    return best;
}

}  // namespace art
