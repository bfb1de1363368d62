#include "operation_checks.h"

namespace bench {

bool FillReplaces(const CHallShowElements& hall, Pictures& calls, Op module, Op callsOp) {
    const HGDIOBJ menu = hall.m_caption.m_hbmMenu, first = calls.handles[0];
    module();
    callsOp();
    return hall.m_personList.m_arrStatusIcon.size() == 10 && hall.m_arrToolButton.size() == 8 && menu != nullptr &&
           GetObjectType(menu) == 0 && first != nullptr && GetObjectType(first) == 0 &&
           MissingPictures(calls, false) == 0;
}

bool TreeFaceReplaces(const CTreeShowElements& tree, Pictures& calls, Op module, Op callsOp) {
    const HGDIOBJ back = tree.m_hbmBack, callsBack = calls.handles[kHallCalls - 1];
    module();
    callsOp();
    return back != nullptr && GetObjectType(back) == 0 && tree.m_hbmBack != nullptr && tree.m_arrIcon.size() == 7 &&
           callsBack != nullptr && GetObjectType(callsBack) == 0 && MissingPictures(calls, true) == 0;
}

bool RefreshReaches(CHallShowElements* hall, Registrations& r, Op module, Op calls) {
    for (int n : {1, 10, 100}) {
        if (!Register(hall, r, n)) return false;
        StartObserving(r);
        module();
        const Outcome byModule = Observed(r);
        StartObserving(r);
        calls();
        if (!Expected(byModule, n) || !(byModule == Observed(r))) return false;
    }
    return true;
}

bool MergeTakes(CMFCShowElement* source, int pairs, const CMFCShowElement& target, const WindowList& notify,
                const WindowList& redraw, Op module, Op calls) {
    if (!HoldPairs(source, pairs)) return false;
    module();
    calls();
    return target.m_arrNotifyWnd.size() == static_cast<size_t>(pairs) && target.m_arrNotifyWnd == notify &&
           notify == source->m_arrNotifyWnd && target.m_arrRedrawWnd == redraw && redraw == source->m_arrRedrawWnd;
}

}  // namespace bench
