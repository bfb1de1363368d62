/* A host written in C, seeing the module as a client built with another
   compiler does: exports resolved by name, fields read at their 32-bit
   offsets, operations called by slot through the virtual table with the
   thiscall convention, and list storage passed back and forth through the
   one C runtime heap (msvcrt.dll) that host and module share. */
#include <windows.h>

#include <malloc.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* ---- the module's binary interface, as a host declares it ---- */

typedef struct HandleList {
    void** first;
    void** last;
    void** end;
} HandleList;

typedef struct ElementBase {
    void* const* vtbl;
    HandleList redrawWnd;
    HandleList notifyWnd;
} ElementBase;

typedef struct TreeFace {
    ElementBase base;
    COLORREF clrBack;
    COLORREF clrText;
    COLORREF clrLine;
    HandleList icon;
    HBITMAP hbmBack;
} TreeFace;

_Static_assert(sizeof(HandleList) == 12, "handle list: first, last, end");
_Static_assert(offsetof(ElementBase, redrawWnd) == 4, "m_arrRedrawWnd");
_Static_assert(offsetof(ElementBase, notifyWnd) == 16, "m_arrNotifyWnd");
_Static_assert(offsetof(TreeFace, clrBack) == 28, "m_clrBack");
_Static_assert(offsetof(TreeFace, clrText) == 32, "m_clrText");
_Static_assert(offsetof(TreeFace, clrLine) == 36, "m_clrLine");
_Static_assert(offsetof(TreeFace, icon) == 40, "m_arrIcon");
_Static_assert(offsetof(TreeFace, hbmBack) == 52, "m_hbmBack");
_Static_assert(sizeof(TreeFace) == 56, "sizeof(CTreeShowElements)");

enum { kSlotDestructor, kSlotRefreshWindows, kSlotMergeFrom, kSlotReleaseObjects };

typedef void*(__attribute__((thiscall)) * DeletingDestructorSlot)(void* self, unsigned int flags);
typedef void(__attribute__((thiscall)) * RefreshWindowsSlot)(void* self);
typedef void(__attribute__((thiscall)) * MergeFromSlot)(void* self, void* other);
typedef void(__attribute__((thiscall)) * ReleaseObjectsSlot)(void* self);
typedef TreeFace*(__cdecl* GetTreeFaceExport)(void);

#define WM_FACECHANGED (WM_USER + 106)

static const char* const kTreeIcons[] = {
    "TREE_ROOT", "TREE_FLODER", "TREE_LOAD", "TREE_SERVER", "TREE_ROOM", "TREE_DOWNLOAD", "TREE_OPENEDROOM",
};
enum { kTreeIconCount = sizeof kTreeIcons / sizeof kTreeIcons[0] };

/* ---- checks ---- */

static int g_failures;
static int g_checks;
static const char* g_case = "";

#define CHECK(cond, ...)                                                      \
    do {                                                                      \
        ++g_checks;                                                           \
        if (!(cond)) {                                                        \
            ++g_failures;                                                     \
            printf("FAIL [%s] %s:%d: %s: ", g_case, __FILE__, __LINE__, #cond); \
            printf(__VA_ARGS__);                                              \
            printf("\n");                                                     \
        }                                                                     \
    } while (0)

#define CHECK_EQ_U(expected, actual, what)                                                                 \
    CHECK((unsigned long)(expected) == (unsigned long)(actual), "%s: expected %#lx, got %#lx", what, \
          (unsigned long)(expected), (unsigned long)(actual))

/* ---- the shared heap ---- */

/* Whether p is an allocated block of this process's C runtime heap. */
static int BlockInUse(const void* p) {
    _HEAPINFO info;
    info._pentry = NULL;
    while (_heapwalk(&info) == _HEAPOK)
        if (info._pentry == p) return info._useflag == _USEDENTRY;
    return 0;
}

static size_t Count(const HandleList* list) { return list->first ? (size_t)(list->last - list->first) : 0; }

/* A list in a block of the host's own, exactly full, as a host that filled it
   by hand leaves it. */
static HandleList HostList(void* const* handles, size_t count) {
    HandleList list = {NULL, NULL, NULL};
    if (count == 0) return list;
    list.first = malloc(count * sizeof(void*));
    memcpy(list.first, handles, count * sizeof(void*));
    list.last = list.end = list.first + count;
    return list;
}

/* Grows a list in place the way the host does: a bigger block from the shared
   heap, the old one given back to it. */
static void HostAppend(HandleList* list, void* handle) {
    if (list->last == list->end) {
        const size_t count = Count(list);
        const size_t capacity = count ? 2 * count : 4;
        void** block = malloc(capacity * sizeof(void*));
        if (count) memcpy(block, list->first, count * sizeof(void*));
        free(list->first);
        list->first = block;
        list->last = block + count;
        list->end = block + capacity;
    }
    *list->last++ = handle;
}

static void HostClear(HandleList* list) {
    free(list->first);
    list->first = list->last = list->end = NULL;
}

static int SameHandles(const HandleList* list, void* const* expected, size_t count) {
    return Count(list) == count && (count == 0 || memcmp(list->first, expected, count * sizeof(void*)) == 0);
}

/* ---- windows ---- */

static int g_faceChanged;

static LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_FACECHANGED) ++g_faceChanged;
    return DefWindowProcA(window, message, wParam, lParam);
}

/* Lets the display deliver what window creation set off, so that afterwards
   only the module's requests change update regions. */
static void Settle(void) {
    MSG msg;
    do {
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    } while (MsgWaitForMultipleObjects(0, NULL, FALSE, 200, QS_ALLINPUT) != WAIT_TIMEOUT);
}

static HWND HostWindow(const char* title) {
    return CreateWindowExA(0, "SkinCHostWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 160, 90, NULL,
                           NULL, GetModuleHandleA(NULL), NULL);
}

static int Invalid(HWND window) {
    RECT rc;
    return GetUpdateRect(window, &rc, FALSE);
}

/* ---- the cases ---- */

static void* Slot(const void* element, int slot) { return ((const ElementBase*)element)->vtbl[slot]; }

static void ExportsResolveByPlainName(HMODULE module, GetTreeFaceExport* getTreeFace) {
    g_case = "exports";
    *getTreeFace = (GetTreeFaceExport)(void*)GetProcAddress(module, "GetTreeFace");
    CHECK(*getTreeFace != NULL, "GetProcAddress(\"GetTreeFace\") returned null, error %lu", GetLastError());
}

static void ResourcesAreChinesePrc(HMODULE module) {
#ifdef SKIN_RESOURCES_LINKED
    g_case = "resources";
    const WORD prc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    CHECK_EQ_U(0x0804, prc, "language id");
    for (int i = 0; i < kTreeIconCount; ++i)
        CHECK(FindResourceExA(module, RT_GROUP_ICON, kTreeIcons[i], prc) != NULL, "icon group %s in 0x0804 missing",
              kTreeIcons[i]);
    CHECK(FindResourceExA(module, RT_BITMAP, "TREE_BK", prc) != NULL, "bitmap TREE_BK in 0x0804 missing");
#else
    (void)module;
#endif
}

/* The default pack's tree colours; another pack's module has its own. */
static void TreeFaceFieldsAtTheirOffsets(GetTreeFaceExport getTreeFace, int defaultPack) {
    g_case = "tree face fields";
    TreeFace* face = getTreeFace();
    CHECK(face != NULL, "GetTreeFace returned null");
    if (face == NULL) return;
    CHECK(getTreeFace() == face, "a second call returned another address");
    if (defaultPack) {
        CHECK_EQ_U(GetSysColor(COLOR_BTNFACE), face->clrBack, "m_clrBack at 28");
        CHECK_EQ_U(0x000000, face->clrText, "m_clrText at 32");
        CHECK_EQ_U(0xCACACA, face->clrLine, "m_clrLine at 36");
    }
    CHECK_EQ_U(kTreeIconCount, Count(&face->icon), "icon count of m_arrIcon at 40");
    CHECK(face->icon.first <= face->icon.last && face->icon.last <= face->icon.end,
          "m_arrIcon not first <= last <= end: %p %p %p", (void*)face->icon.first, (void*)face->icon.last,
          (void*)face->icon.end);
    /* The module's list storage is a block of the host's heap. */
    CHECK(BlockInUse(face->icon.first), "m_arrIcon storage %p is no block of the shared heap",
          (void*)face->icon.first);
    CHECK(_msize(face->icon.first) >= (size_t)(face->icon.end - face->icon.first) * sizeof(void*),
          "_msize of m_arrIcon storage: expected at least %u, got %u",
          (unsigned)((face->icon.end - face->icon.first) * sizeof(void*)), (unsigned)_msize(face->icon.first));
#ifdef SKIN_RESOURCES_LINKED
    for (int i = 0; i < kTreeIconCount && i < (int)Count(&face->icon); ++i)
        CHECK(face->icon.first[i] != NULL, "icon %d (%s) is null", i, kTreeIcons[i]);
    CHECK_EQ_U(OBJ_BITMAP, GetObjectType(face->hbmBack), "object type of m_hbmBack at 52");
#endif
}

/* The tree's refresh only repaints: every redraw window becomes invalid and
   no notify window hears of it. The host filled the lists itself. */
static void RefreshRepaintsHostRegisteredWindows(TreeFace* face) {
    g_case = "RefreshWindows (slot 1)";
    HWND n0 = HostWindow("N0"), r0 = HostWindow("R0"), n1 = HostWindow("N1"), r1 = HostWindow("R1");
    HostAppend(&face->base.notifyWnd, n0);
    HostAppend(&face->base.redrawWnd, r0);
    HostAppend(&face->base.notifyWnd, n1);
    HostAppend(&face->base.redrawWnd, r1);
    Settle();
    const HWND all[] = {n0, r0, n1, r1};
    for (int i = 0; i < 4; ++i) ValidateRect(all[i], NULL);
    g_faceChanged = 0;

    ((RefreshWindowsSlot)Slot(face, kSlotRefreshWindows))(face);

    CHECK(Invalid(r0) && Invalid(r1), "redraw windows invalid: expected R0 1 R1 1, got R0 %d R1 %d", Invalid(r0),
          Invalid(r1));
    CHECK(!Invalid(n0) && !Invalid(n1), "notify windows invalid: expected N0 0 N1 0, got N0 %d N1 %d", Invalid(n0),
          Invalid(n1));
    CHECK_EQ_U(0, g_faceChanged, "WM_FACECHANGED messages");
    HostClear(&face->base.notifyWnd);
    HostClear(&face->base.redrawWnd);
    for (int i = 0; i < 4; ++i) DestroyWindow(all[i]);
}

/* The face holds exactly-full blocks the host allocated; merging must grow
   them, which gives the host's blocks back to the shared heap. Then the host
   grows the lists the module made. */
static void MergeGrowsHostBlocksAndHostGrowsModuleBlocks(TreeFace* face) {
    g_case = "MergeFrom (slot 2)";
    void* const n9 = (void*)0x9009, *const r9 = (void*)0x9109;
    void* const otherNotify[] = {(void*)0x1000, (void*)0x1001};
    void* const otherRedraw[] = {(void*)0x1100, (void*)0x1101};
    face->base.notifyWnd = HostList(&n9, 1);
    face->base.redrawWnd = HostList(&r9, 1);
    void** const hostNotify = face->base.notifyWnd.first;
    void** const hostRedraw = face->base.redrawWnd.first;
    CHECK(BlockInUse(hostNotify) && BlockInUse(hostRedraw), "the host's blocks are not in use before the merge");

    ElementBase other = {face->base.vtbl, HostList(otherRedraw, 2), HostList(otherNotify, 2)};
    const ElementBase otherBefore = other;

    ((MergeFromSlot)Slot(face, kSlotMergeFrom))(face, &other);

    void* const notify[] = {n9, otherNotify[0], otherNotify[1]};
    void* const redraw[] = {r9, otherRedraw[0], otherRedraw[1]};
    CHECK(SameHandles(&face->base.notifyWnd, notify, 3), "notify list: expected N9 N0 N1, got %u handles",
          (unsigned)Count(&face->base.notifyWnd));
    CHECK(SameHandles(&face->base.redrawWnd, redraw, 3), "redraw list: expected R9 R0 R1, got %u handles",
          (unsigned)Count(&face->base.redrawWnd));
    CHECK(memcmp(&other, &otherBefore, sizeof other) == 0 && SameHandles(&other.notifyWnd, otherNotify, 2) &&
              SameHandles(&other.redrawWnd, otherRedraw, 2),
          "the other element changed");
    /* A freed block may already hold one of the grown lists again. */
    const void* const nowInUse[] = {face->base.notifyWnd.first, face->base.redrawWnd.first};
    CHECK(!BlockInUse(hostNotify) || hostNotify == nowInUse[0] || hostNotify == nowInUse[1],
          "the host's notify block %p was not given back", (void*)hostNotify);
    CHECK(!BlockInUse(hostRedraw) || hostRedraw == nowInUse[0] || hostRedraw == nowInUse[1],
          "the host's redraw block %p was not given back", (void*)hostRedraw);
    CHECK(BlockInUse(nowInUse[0]) && BlockInUse(nowInUse[1]), "the module's new blocks are not in the shared heap");

    g_case = "host grows module lists";
    void** const moduleNotify = face->base.notifyWnd.first;
    while (face->base.notifyWnd.last != face->base.notifyWnd.end) HostAppend(&face->base.notifyWnd, n9);
    HostAppend(&face->base.notifyWnd, n9);
    CHECK(face->base.notifyWnd.first != moduleNotify, "the list did not move to a host block");
    CHECK(!BlockInUse(moduleNotify) || moduleNotify == face->base.notifyWnd.first,
          "the module's block %p was not given back", (void*)moduleNotify);
    CHECK(face->base.notifyWnd.first[0] == n9 && face->base.notifyWnd.first[1] == otherNotify[0] &&
              face->base.notifyWnd.first[2] == otherNotify[1],
          "the grown list lost the merged handles");

    HostClear(&other.notifyWnd);
    HostClear(&other.redrawWnd);
    HostClear(&face->base.notifyWnd);
    HostClear(&face->base.redrawWnd);
}

/* ReleaseObjects deletes the bitmap, empties the icon list and keeps its
   storage; the next GetTreeFace loads the same shared icons into it. */
static void ReleaseEmptiesIconsAndKeepsStorage(GetTreeFaceExport getTreeFace) {
    g_case = "ReleaseObjects (slot 3)";
    TreeFace* face = getTreeFace();
    void* icons[kTreeIconCount];
    CHECK_EQ_U(kTreeIconCount, Count(&face->icon), "icons before the release");
    if (Count(&face->icon) != kTreeIconCount) return;
    memcpy(icons, face->icon.first, sizeof icons);
    const HandleList before = face->icon;
    const HBITMAP bitmap = face->hbmBack;

    ((ReleaseObjectsSlot)Slot(face, kSlotReleaseObjects))(face);

    CHECK(face->hbmBack == NULL, "m_hbmBack: expected null, got %p", (void*)face->hbmBack);
    CHECK(face->icon.first == before.first && face->icon.last == before.first && face->icon.end == before.end,
          "m_arrIcon: expected empty in the same storage %p..%p, got %p %p %p", (void*)before.first,
          (void*)before.end, (void*)face->icon.first, (void*)face->icon.last, (void*)face->icon.end);
    if (bitmap != NULL) CHECK_EQ_U(0, GetObjectType(bitmap), "object type of the released bitmap");

    g_case = "GetTreeFace after a release";
    CHECK(getTreeFace() == face, "GetTreeFace moved the face");
    CHECK(face->icon.first == before.first, "the icons did not go back into the kept storage");
    CHECK(SameHandles(&face->icon, icons, kTreeIconCount), "icons: expected the same %d shared handles again",
          kTreeIconCount);
}

/* A copy of the face, as the C++ copy constructor makes one: the same bytes
   with storage of its own for each list. */
static TreeFace* HostCopy(const TreeFace* face) {
    TreeFace* copy = malloc(sizeof *copy);
    memcpy(copy, face, sizeof *copy);
    void* const windows[] = {(void*)0x2000, (void*)0x2001};
    copy->base.redrawWnd = HostList(windows, 2);
    copy->base.notifyWnd = HostList(windows, 2);
    copy->icon = HostList((void* const*)face->icon.first, Count(&face->icon));
    return copy;
}

/* Slot 0 is one deleting destructor: flags 0 gives back the lists only, bit 0
   also frees the object; the face it was copied from is untouched. */
static void SlotZeroIsTheDeletingDestructor(GetTreeFaceExport getTreeFace) {
    g_case = "deleting destructor (slot 0)";
    TreeFace* face = getTreeFace();
    TreeFace faceBefore;
    memcpy(&faceBefore, face, sizeof faceBefore);
    for (unsigned int flags = 0; flags <= 1; ++flags) {
        TreeFace* copy = HostCopy(face);
        void* const blocks[] = {copy->base.redrawWnd.first, copy->base.notifyWnd.first, copy->icon.first};
        int usedBefore = BlockInUse(copy);
        for (int i = 0; i < 3; ++i) usedBefore &= BlockInUse(blocks[i]);
        CHECK(usedBefore, "flags %u: the copy's blocks are not in use before the call", flags);

        void* const result = ((DeletingDestructorSlot)Slot(copy, kSlotDestructor))(copy, flags);

        int listsFreed = 1;
        for (int i = 0; i < 3; ++i) listsFreed &= !BlockInUse(blocks[i]);
        const int objectInUse = BlockInUse(copy);
        CHECK(result == copy, "flags %u: expected the object's address %p back, got %p", flags, (void*)copy, result);
        CHECK(listsFreed, "flags %u: the three lists' storage was not given back", flags);
        CHECK_EQ_U(flags ? 0 : 1, objectInUse, flags ? "object in use after flags 1" : "object in use after flags 0");
        if (objectInUse) free(copy);
    }
    CHECK(memcmp(&faceBefore, face, sizeof faceBefore) == 0, "the face changed");
}

/* At unload the module's destructors give back what the face holds, including
   blocks the host put there. */
static void UnloadFreesHostBlocks(HMODULE module, const char* moduleName, GetTreeFaceExport getTreeFace) {
    g_case = "unload";
    TreeFace* face = getTreeFace();
    HostAppend(&face->base.notifyWnd, (void*)0x3000);
    HostAppend(&face->base.redrawWnd, (void*)0x3100);
    void* const blocks[] = {face->base.notifyWnd.first, face->base.redrawWnd.first};
    CHECK(BlockInUse(blocks[0]) && BlockInUse(blocks[1]), "the host's blocks are not in use before the unload");
    CHECK(FreeLibrary(module), "FreeLibrary failed: error %lu", GetLastError());
    CHECK(GetModuleHandleA(moduleName) == NULL, "the module is still loaded");
    CHECK(!BlockInUse(blocks[0]) && !BlockInUse(blocks[1]), "the host's blocks were not given back at unload");
    CHECK_EQ_U(_HEAPOK, _heapchk(), "_heapchk after unload");
}

/* The module to load: skinpak1.dll, or the pack module named on the command line. */
int main(int argc, char** argv) {
    const char* moduleName = argc > 1 ? argv[1] : "skinpak1.dll";
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "SkinCHostWindow";
    RegisterClassA(&wc);

    HMODULE module = LoadLibraryA(moduleName);
    if (module == NULL) {
        printf("FAIL LoadLibraryA(\"%s\"): error %lu\n", moduleName, GetLastError());
        return 1;
    }
    GetTreeFaceExport getTreeFace = NULL;
    ExportsResolveByPlainName(module, &getTreeFace);
    if (getTreeFace == NULL) return 1;

    ResourcesAreChinesePrc(module);
    TreeFaceFieldsAtTheirOffsets(getTreeFace, strcmp(moduleName, "skinpak1.dll") == 0);
    RefreshRepaintsHostRegisteredWindows(getTreeFace());
    MergeGrowsHostBlocksAndHostGrowsModuleBlocks(getTreeFace());
    ReleaseEmptiesIconsAndKeepsStorage(getTreeFace);
    SlotZeroIsTheDeletingDestructor(getTreeFace);
    UnloadFreesHostBlocks(module, moduleName, getTreeFace);

    printf("host_c_test: %d passed, %d failed\n", g_checks - g_failures, g_failures);
    return g_failures ? 1 : 0;
}
