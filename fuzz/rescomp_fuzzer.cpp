// What a skin author hands the resource compiler: a script and the pictures
// it names. The input is a script (its length in the first two bytes) and
// the bytes every file the script names reads as. Anything malformed must
// end in a CompileError that names the script or the file, never a crash or
// a read outside the data.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "compile_error.h"
#include "compile_script.h"
#include "rc_script.h"
#include "res_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    size_t scriptSize = data[0] | size_t{data[1]} << 8;
    if (scriptSize > size - 2) scriptSize = size - 2;
    const std::string script(reinterpret_cast<const char*>(data + 2), scriptSize);
    const std::vector<uint8_t> file(data + 2 + scriptSize, data + size);
    const std::string scriptName = "skin.rc";
    std::vector<std::string> named;
    try {
        const std::vector<rescomp::ScriptEntry> entries = rescomp::parseScript(script, scriptName);
        const std::vector<rescomp::Resource> resources =
            rescomp::compileScript(entries, scriptName, [&](const std::string& name) {
                named.push_back(name);
                return file;
            });
        rescomp::encodeResFile(resources);
    } catch (const rescomp::CompileError& error) {
        const std::string what = error.what();
        bool names = what.find(scriptName) != std::string::npos;
        for (const std::string& name : named) names = names || (!name.empty() && what.find(name) != std::string::npos);
        if (!names) {
            std::fprintf(stderr, "an error that names neither the script nor a file: %s\n", what.c_str());
            std::abort();
        }
    }
    return 0;
}
