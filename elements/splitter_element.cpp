#include "splitter_element.h"

#include "handle_release.h"

CSplitterShowElements::~CSplitterShowElements() = default;

void CSplitterShowElements::RefreshWindows() { RedrawWindows(); }

void CSplitterShowElements::ReleaseObjects() {
    DeleteAndForget(m_hbmRow);
    DeleteAndForget(m_hbmCol);
}
