#include "skin_catalogue.h"

namespace catalogue {
namespace {

// Inside a quoted script string a backslash is written twice and a quote
// doubled.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '"') out += "\"\"";
        else out += c;
    }
    return out + '"';
}

}  // namespace

std::string ResourceScript(const std::string& pictureDir) {
    // Chinese (PRC): primary language 0x04, sublanguage 0x02.
    std::string script = "LANGUAGE 0x04, 0x02\n";
    for (const Entry& entry : Entries()) {
        script += entry.name;
        script += entry.kind == Kind::Bitmap ? " BITMAP " : " ICON ";
        script += Quoted(pictureDir + "/" + entry.fileName()) + "\n";
    }
    return script;
}

}  // namespace catalogue
