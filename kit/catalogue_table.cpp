#include "catalogue_table.h"

#include <string_view>

#include "skin_catalogue.h"

namespace kit {
namespace {

// Where the host paints what an element of the hall face holds.
struct Place {
    std::string_view element;
    const char* paints;
};
// The longest element or field prefix that a field starts with names its place.
constexpr Place kPlaces[] = {
    {"m_caption.", "caption, behind its buttons"},
    {"m_caption.m_hbmTitle", "title row of the window frame"},
    {"m_caption.m_hbmFrame", "window frame"},
    {"m_caption.m_hbmMenu", "menu bar"},
    {"m_caption.m_hbmBar", "toolbar band, behind the buttons"},
    {"m_caption.m_hbmStatus", "status bar"},
    {"m_caption.m_hIcon", "caption buttons"},
    {"m_mainTab.", "main tab strip"},
    {"m_tab.", "secondary tab strip"},
    {"m_arrToolButton[", "toolbar"},
    {"m_arrExitButton[", "exit menu"},
    {"m_personList.", "person list"},
    {"m_splitter.", "splitters"},
    {"m_tree.", "server and room tree"},
};

std::string WherePainted(const catalogue::Entry& entry) {
    if (entry.loadedInto == nullptr) return "not loaded by the module: the application's icon, for hosts that load it";
    const std::string_view fields = entry.loadedInto;
    const std::string_view first = fields.substr(0, fields.find(' '));
    const Place* found = nullptr;
    for (const Place& place : kPlaces)
        if (first.substr(0, place.element.size()) == place.element &&
            (found == nullptr || place.element.size() > found->element.size()))
            found = &place;
    std::string where = found ? found->paints : "";
    where += " (`" + std::string(first) + "`";
    int more = 0;
    for (char c : fields) more += c == ' ';
    if (more > 0) where += " and " + std::to_string(more) + " more";
    return where + ")";
}

std::string Form(const catalogue::Entry& entry) {
    const auto image = [](int width, int height, int bits) {
        return std::to_string(width) + "×" + std::to_string(height) + " " + std::to_string(bits) + "-bit";
    };
    if (entry.kind == catalogue::Kind::Bitmap) return "bitmap " + image(entry.width, entry.height, entry.bits);
    std::string form = "icons";
    const char* separator = " ";
    for (const catalogue::IconImage& i : entry.images) {
        form += separator + image(i.size, i.size, i.bits);
        separator = ", ";
    }
    return form;
}

}  // namespace

std::string CatalogueTable() {
    std::string table =
        "| picture | file | form | where the host paints it |\n"
        "| --- | --- | --- | --- |\n";
    for (const catalogue::Entry& entry : catalogue::Entries())
        table += "| `" + std::string(entry.name) + "` | `" + entry.fileName() + "` | " + Form(entry) + " | " +
                 WherePainted(entry) + " |\n";
    return table;
}

}  // namespace kit
