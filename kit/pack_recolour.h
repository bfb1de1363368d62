#pragma once
// A whole pack put through one colour transform: every colour of every
// picture, in its platform form, and every colour of its values.
#include <cstddef>
#include <string>

#include "derive_recipe.h"
#include "file_bytes.h"
#include "pack_module.h"

namespace kit {

struct RecolourCounts {
    std::size_t pictures = 0;
    std::size_t tableColours = 0;  // entries of colour tables
    std::size_t pixels = 0;        // of 24- and 32-bit images
    std::size_t values = 0;        // literal colours of the values block
    std::size_t systemKept = 0, systemResolved = 0;
};

// A .bmp or .ico file's colours, in place: each colour table keeps its
// length, so an indexed picture keeps its indices and depth; 24- and 32-bit
// pixels are transformed one by one, alpha kept; icon masks and every other
// byte are left as they are. False, with the reason and the file unchanged,
// where a part of it lies outside the file or an image is compressed or at
// a depth other than 1, 4, 8, 24 or 32 bits.
bool RecolourPicture(Bytes& file, const ColourTransform& transform, RecolourCounts& counts, std::string& why);

// Every picture and every colour of the values, as the recipe says.
bool RecolourPack(PackContents& pack, const DeriveRecipe& recipe, RecolourCounts& counts, std::string& why);

}  // namespace kit
