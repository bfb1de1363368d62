// rescomp SCRIPT.rc OUT.res          compile a resource script to a .res file
// rescomp --embed SCRIPT.rc OUT.cpp  also write OUT.res and a source that
//                                    carries it into an ELF module as a note
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "compile_error.h"
#include "compile_script.h"
#include "note_source.h"
#include "rc_script.h"
#include "res_file.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: rescomp SCRIPT.rc OUT.res\n"
                 "       rescomp --embed SCRIPT.rc OUT.cpp   (writes OUT.res beside OUT.cpp)\n");
    return 2;
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw rescomp::CompileError("cannot open " + path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

template <class Bytes>
void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw rescomp::CompileError("cannot write " + path.string());
}

std::vector<std::uint8_t> compile(const std::string& scriptPath) {
    const auto entries = rescomp::parseScript(readText(scriptPath), scriptPath);
    return rescomp::encodeResFile(
        rescomp::compileScript(entries, scriptPath, rescomp::filesBeside(scriptPath)));
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0].rfind("--", 0) != 0) {
            writeFile(args[1], compile(args[0]));
            return 0;
        }
        if (args.size() == 3 && args[0] == "--embed") {
            const std::vector<std::uint8_t> res = compile(args[1]);
            const std::filesystem::path source = std::filesystem::absolute(args[2]);
            std::filesystem::path resPath = source;
            resPath.replace_extension(".res");
            if (resPath == source) throw rescomp::CompileError("the source must not be named .res: " + args[2]);
            writeFile(resPath, res);
            writeFile(source, rescomp::noteSource(resPath.string(), res.size(), args[1]));
            return 0;
        }
    } catch (const rescomp::CompileError& error) {
        std::fprintf(stderr, "rescomp: %s\n", error.what());
        return 1;
    }
    return usage();
}
