// Loading a module, calling its exports, and the module finding itself.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

using AnswerFunction = int (*)();
using SelfFunction = HMODULE (*)();
using BitmapFunction = HBITMAP (*)();

// An export as the function it is; through a generic function type, as the
// language allows.
template <class F>
F As(FARPROC proc) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(proc));
}

TEST(ModuleLoader, LoadsCallsAndFreesAModule) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module) << TESTLIB_FILE;
    auto answer = As<AnswerFunction>(GetProcAddress(module, "TestLibAnswer"));
    ASSERT_NE(nullptr, answer);
    EXPECT_EQ(42, answer());
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoader, LoadingTwiceGivesTheSameModuleAndNeedsTwoFrees) {
    HMODULE first = LoadLibraryA(TESTLIB_FILE);
    HMODULE second = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(second));
    auto answer = As<AnswerFunction>(GetProcAddress(first, "TestLibAnswer"));
    ASSERT_NE(nullptr, answer) << "still loaded after one of two frees";
    EXPECT_EQ(42, answer());
    EXPECT_TRUE(FreeLibrary(first));
}

TEST(ModuleLoader, ModuleFindsItsOwnInstanceFromItsCode) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    auto self = As<SelfFunction>(GetProcAddress(module, "TestLibSelf"));
    ASSERT_NE(nullptr, self);
    EXPECT_EQ(module, self()) << "the instance is the module's handle";
    FreeLibrary(module);
}

TEST(ModuleLoader, ModuleReachesItsResourcesWhileBeingAttached) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    auto take = As<BitmapFunction>(GetProcAddress(module, "TestLibTakeAttachBitmap"));
    ASSERT_NE(nullptr, take);
    HBITMAP bitmap = take();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap));
    DeleteObject(bitmap);
    FreeLibrary(module);
}

TEST(ModuleLoader, OnlyTheModulesOwnExportsAreFound) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(nullptr, GetProcAddress(module, "NoSuchExport"));
    EXPECT_EQ(nullptr, GetProcAddress(module, "LoadIconA")) << "imported, not exported";
    FreeLibrary(module);
}

TEST(ModuleLoader, MissingFileIsNotLoaded) {
    EXPECT_EQ(nullptr, LoadLibraryA("no_such_platform_module.dll"));
}

TEST(ModuleLoader, ProgramHasAnInstanceOfItsOwn) {
    HMODULE program = GetModuleHandleA(nullptr);
    ASSERT_NE(nullptr, program);
    HMODULE fromCode = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(&GetModuleHandleA), &fromCode));
    EXPECT_NE(program, fromCode) << "GetModuleHandleA lives in the platform's module, not in the program";
    HMODULE fromTest = nullptr;
    static const int inProgram = 0;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(&inProgram), &fromTest));
    EXPECT_EQ(program, fromTest);
}

}  // namespace
