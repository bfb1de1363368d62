// Graphics objects: their types, their deletion, and handles that never come
// back once their object is gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <set>

namespace {

struct ObjectKind {
    const char* name;
    std::function<HGDIOBJ()> create;
    DWORD type;
};

std::vector<ObjectKind> Kinds() {
    return {
        {"bitmap 32", [] { return static_cast<HGDIOBJ>(CreateBitmap(4, 3, 1, 32, nullptr)); }, OBJ_BITMAP},
        {"bitmap 1", [] { return static_cast<HGDIOBJ>(CreateBitmap(9, 2, 1, 1, nullptr)); }, OBJ_BITMAP},
        {"brush", [] { return static_cast<HGDIOBJ>(CreateSolidBrush(RGB(1, 2, 3))); }, OBJ_BRUSH},
        {"pen", [] { return static_cast<HGDIOBJ>(CreatePen(PS_SOLID, 2, RGB(4, 5, 6))); }, OBJ_PEN},
        {"memory dc", [] { return static_cast<HGDIOBJ>(CreateCompatibleDC(nullptr)); }, OBJ_MEMDC},
    };
}

TEST(GdiObjects, EachKindReportsItsTypeUntilDeleted) {
    for (const ObjectKind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        HGDIOBJ object = kind.create();
        ASSERT_NE(nullptr, object);
        EXPECT_EQ(kind.type, GetObjectType(object));
        EXPECT_TRUE(DeleteObject(object));
        EXPECT_EQ(0u, GetObjectType(object)) << "a deleted handle names nothing";
        EXPECT_FALSE(DeleteObject(object)) << "deleting it again does nothing";
    }
}

// Not every platform counts a process's objects (some answer zero throughout).
TEST(GdiObjects, TheProcessCountsItsLiveObjectsOfEachKind) {
    const DWORD graphics = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<HGDIOBJ> made;
    for (const ObjectKind& kind : Kinds()) made.push_back(kind.create());
    const DWORD more = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (graphics == 0 && more == 0) GTEST_SKIP() << "this platform counts no objects";
    EXPECT_EQ(graphics + made.size(), more) << "one more per object made";
    for (HGDIOBJ object : made) DeleteObject(object);
    EXPECT_EQ(graphics, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) << "one less per object deleted";

    WNDCLASSA wc{};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.lpszClassName = "counted";
    RegisterClassA(&wc);
    // The first window may bring the desktop into being too; its destruction gives back just itself.
    HWND window = CreateWindowExA(0, "counted", "", WS_POPUP, 0, 0, 4, 4, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    DestroyWindow(window);
    EXPECT_EQ(user - 1, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) << "a window is a user object";
}

TEST(GdiObjects, DeletedHandlesAreNotHandedOutAgain) {
    std::set<HGDIOBJ> deleted;
    for (int round = 0; round < 50; ++round) {
        for (const ObjectKind& kind : Kinds()) {
            HGDIOBJ object = kind.create();
            ASSERT_NE(nullptr, object);
            EXPECT_EQ(0u, deleted.count(object)) << kind.name << " got a handle of a deleted object";
            DeleteObject(object);
            deleted.insert(object);
        }
    }
}

TEST(GdiObjects, DeletingAStaleHandleLeavesTheNewerObjectAlone) {
    HBITMAP first = CreateBitmap(2, 2, 1, 32, nullptr);
    ASSERT_TRUE(DeleteObject(first));
    HBITMAP second = CreateBitmap(2, 2, 1, 32, nullptr);
    EXPECT_FALSE(DeleteObject(first));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(second));
    DeleteObject(second);
}

TEST(GdiObjects, NullAndNonObjectsAreNotDeleted) {
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_EQ(0u, GetObjectType(nullptr));
}

TEST(GdiObjects, WindowDeviceContextIsReleasedNotDeleted) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(nullptr, screen);
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(screen));
    EXPECT_EQ(32, GetDeviceCaps(screen, BITSPIXEL));
    EXPECT_EQ(1, ReleaseDC(nullptr, screen));
}

TEST(GdiObjects, MemoryDeviceContextHasTheDisplayDepth) {
    HDC memory = CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, memory);
    EXPECT_EQ(32, GetDeviceCaps(memory, BITSPIXEL));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(0u, GetObjectType(memory));
}

TEST(GdiObjects, BitmapDescribesItself) {
    struct Case {
        int width, height, bits;
        LONG widthBytes;
    };
    // Device-dependent rows are padded to 16 bits.
    const Case cases[] = {{4, 3, 32, 16}, {9, 2, 1, 2}, {17, 1, 1, 4}, {1, 5, 32, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + "@" + std::to_string(c.bits));
        HBITMAP bitmap = CreateBitmap(c.width, c.height, 1, c.bits, nullptr);
        ASSERT_NE(nullptr, bitmap);
        BITMAP bm{};
        EXPECT_EQ(static_cast<int>(sizeof bm), GetObjectA(bitmap, sizeof bm, &bm));
        EXPECT_EQ(c.width, bm.bmWidth);
        EXPECT_EQ(c.height, bm.bmHeight);
        EXPECT_EQ(c.bits, bm.bmBitsPixel);
        EXPECT_EQ(1, bm.bmPlanes);
        EXPECT_EQ(c.widthBytes, bm.bmWidthBytes);
        EXPECT_EQ(nullptr, bm.bmBits);
        DeleteObject(bitmap);
    }
}

TEST(GdiObjects, GetObjectWantsRoomForTheWholeDescription) {
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    BITMAP bm{};
    EXPECT_EQ(static_cast<int>(sizeof bm), GetObjectA(bitmap, 0, nullptr)) << "no buffer: the size needed";
    EXPECT_EQ(0, GetObjectA(bitmap, sizeof bm - 1, &bm));
    DeleteObject(bitmap);
    EXPECT_EQ(0, GetObjectA(bitmap, sizeof bm, &bm));
}

TEST(GdiObjects, BrushAndPenKeepTheirColours) {
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    LOGBRUSH lb{};
    ASSERT_EQ(static_cast<int>(sizeof lb), GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(static_cast<UINT>(BS_SOLID), lb.lbStyle);
    EXPECT_EQ(RGB(10, 20, 30), lb.lbColor);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(40, 50, 60));
    LOGPEN lp{};
    ASSERT_EQ(static_cast<int>(sizeof lp), GetObjectA(pen, sizeof lp, &lp));
    EXPECT_EQ(3, lp.lopnWidth.x);
    EXPECT_EQ(RGB(40, 50, 60), lp.lopnColor);
    DeleteObject(brush);
    DeleteObject(pen);
}

TEST(GdiObjects, ABitmapOfNoSizeIsTheSharedStockBitmap) {
    HBITMAP a = CreateBitmap(0, 0, 1, 32, nullptr);
    HBITMAP b = CreateBitmap(0, 5, 1, 1, nullptr);
    ASSERT_NE(nullptr, a);
    EXPECT_EQ(a, b);
    BITMAP bm{};
    GetObjectA(a, sizeof bm, &bm);
    EXPECT_EQ(1, bm.bmWidth);
    EXPECT_EQ(1, bm.bmBitsPixel);
    EXPECT_TRUE(DeleteObject(a));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(a)) << "stock objects survive deletion";
}

}  // namespace
