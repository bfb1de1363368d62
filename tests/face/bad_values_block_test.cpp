// A module whose values block is not one its code reads refuses to attach:
// each broken header in turn, through the entry point with the module's own
// state linked in, and the hall face stays as constructed.
#include <gtest/gtest.h>

#include <cstring>

#include "debug_output.h"
#include "entry.h"
#include "loaded_module.h"
#include "skinpak1.h"
#include "skin_values.h"

static_assert(sizeof(skin::SkinValues) == 348, "the test's block is the size of the real one");

#include "writable_values_block.h"

namespace {

void Install(const skin::SkinValues& values) { std::memcpy(WritableValuesBlock(), &values, sizeof values); }

skin::SkinValues GoodBlock() {
    skin::SkinValues values{};
    std::memcpy(values.magic, skin::kValuesMagic, sizeof values.magic);
    values.version = skin::kValuesVersion;
    values.size = sizeof values;
    std::strcpy(values.moduleName, "broken.dll");
    return values;
}

TEST(BadValuesBlock, EveryBrokenHeaderRefusesTheAttach) {
    const struct {
        const char* what;
        void (*breakIt)(skin::SkinValues& values);
    } rows[] = {
        {"magic", [](skin::SkinValues& v) { v.magic[0] = 'X'; }},
        {"version", [](skin::SkinValues& v) { v.version = 2; }},
        {"size", [](skin::SkinValues& v) { v.size = sizeof v + 4; }},
        {"module name without its zero", [](skin::SkinValues& v) { std::memset(v.moduleName, 'a', sizeof v.moduleName); }},
    };
    skintest::StartDebugOutputCapture();
    LoadedModule pictures;
    ASSERT_NE(nullptr, pictures.get());
    skintest::TakeDebugOutput();
    for (const auto& row : rows) {
        skin::SkinValues values = GoodBlock();
        row.breakIt(values);
        Install(values);
        SetLastError(0);
        EXPECT_EQ(FALSE, DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr)) << row.what;
        EXPECT_EQ(static_cast<DWORD>(ERROR_BAD_FORMAT), GetLastError()) << row.what;
        EXPECT_TRUE(GetHallFace()->m_personList.m_arrStatusIcon.empty()) << row.what << ": nothing filled";
        EXPECT_EQ(std::vector<std::string>{}, skintest::TakeDebugOutput()) << row.what << ": nothing written";
    }
    // The same header whole is taken.
    const skin::SkinValues good = GoodBlock();
    Install(good);
    EXPECT_EQ(TRUE, DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(std::vector<std::string>{"broken.dll"}, skintest::TakeDebugOutput());
    GetHallFace()->ReleaseObjects();
}

}  // namespace
