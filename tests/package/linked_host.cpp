// A host linked at load time against the packaged import library and
// compiled from the packaged headers: the loader, not the host, finds the
// module and its exports.
#include "skinpak1.h"

extern "C" int printf(const char* format, ...);

namespace {

int failed = 0;

void Expect(const char* what, unsigned long expected, unsigned long actual) {
    if (expected == actual) return;
    ++failed;
    printf("FAIL %s: expected %lu, got %lu\n", what, expected, actual);
}

}  // namespace

int main() {
    CHallShowElements* hall = GetHallFace();
    Expect("toolbar buttons", 8, hall->m_arrToolButton.size());
    Expect("status icons", 10, hall->m_personList.m_arrStatusIcon.size());
    CTreeShowElements* tree = GetTreeFace();
    Expect("tree face", 1, tree != nullptr);
    if (tree != nullptr) Expect("tree icons", kTreeIconCount, tree->m_arrIcon.size());
    hall->ReleaseObjects();
    printf("linked_host: %s\n", failed == 0 ? "passed" : "FAILED");
    return failed == 0 ? 0 : 1;
}
