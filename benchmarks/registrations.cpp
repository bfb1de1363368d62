#include "registrations.h"

namespace bench {
namespace {

constexpr char kClassName[] = "SkinBenchmarkWindow";
long g_faceChanged = 0;
long g_frameRecalcs = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_FACECHANGED) ++g_faceChanged;
    if (message == WM_NCCALCSIZE) ++g_frameRecalcs;
    return DefWindowProcA(window, message, wParam, lParam);
}

CMFCShowElement* MemberOf(CHallShowElements* hall, int m) {
    CMFCShowElement* const fixed[kFirstToolButton] = {&hall->m_caption, &hall->m_mainTab, &hall->m_tab,
                                                       &hall->m_personList, &hall->m_room, &hall->m_chat,
                                                       &hall->m_splitter, &hall->m_tree};
    return m < kFirstToolButton ? fixed[m] : &hall->m_arrToolButton[m - kFirstToolButton];
}

bool Invalid(HWND window) {
    RECT rect;
    return GetUpdateRect(window, &rect, FALSE) != 0;
}

}  // namespace

bool MakeWindows(Registrations& r) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return false;
    r.main = CreateWindowExA(0, kClassName, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr,
                             nullptr, nullptr);
    if (r.main == nullptr) return false;
    for (int m = 0; m < kMembers; ++m)
        for (int i = 0; i < kMostPerMember; ++i) {
            r.windows[m][i] = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 4 * i, 30 * m, 40, 24, r.main,
                                              nullptr, nullptr, nullptr);
            if (r.windows[m][i] == nullptr) return false;
        }
    r.perMember = 0;
    return true;
}

bool Register(CHallShowElements* hall, Registrations& r, int perMember) {
    if (hall->m_arrToolButton.size() != kMembers - kFirstToolButton || perMember > kMostPerMember) return false;
    r.perMember = perMember;
    for (int m = 0; m < kMembers; ++m) {
        CMFCShowElement* element = MemberOf(hall, m);
        element->m_arrNotifyWnd.clear();
        element->m_arrRedrawWnd.clear();
        for (int i = 0; i < perMember; ++i)
            if (!element->m_arrNotifyWnd.push_back(r.windows[m][i]) || !element->m_arrRedrawWnd.push_back(r.windows[m][i]))
                return false;
    }
    return true;
}

bool HoldPairs(CMFCShowElement* element, int pairs) {
    element->m_arrNotifyWnd.clear();
    element->m_arrRedrawWnd.clear();
    for (int i = 1; i <= pairs; ++i)
        if (!element->m_arrNotifyWnd.push_back(reinterpret_cast<HWND>(static_cast<size_t>(i))) ||
            !element->m_arrRedrawWnd.push_back(reinterpret_cast<HWND>(static_cast<size_t>(pairs + i))))
            return false;
    return true;
}

void StartObserving(const Registrations& r) {
    ValidateRect(r.main, nullptr);
    for (const auto& row : r.windows)
        for (HWND window : row) ValidateRect(window, nullptr);
    g_faceChanged = 0;
    g_frameRecalcs = 0;
}

Outcome Observed(const Registrations& r) {
    Outcome outcome = {g_faceChanged, g_frameRecalcs, 0, 0};
    for (int m = 0; m < kMembers; ++m)
        for (HWND window : r.windows[m])
            if (Invalid(window)) ++(m == kCaption ? outcome.captionInvalid : outcome.invalid);
    return outcome;
}

bool Expected(const Outcome& outcome, int perMember) {
    // Told: the caption's first window and every window of the two tab
    // strips, person list, room, chat, splitter and first toolbar button.
    // Repainted: every member's windows but the caption's.
    return outcome.faceChanged == 1 + 7 * perMember && outcome.frameRecalcs == 1 &&
           outcome.invalid == (kMembers - 1) * perMember && outcome.captionInvalid == 0;
}

bool operator==(const Outcome& a, const Outcome& b) {
    return a.faceChanged == b.faceChanged && a.frameRecalcs == b.frameRecalcs && a.invalid == b.invalid &&
           a.captionInvalid == b.captionInvalid;
}

}  // namespace bench
