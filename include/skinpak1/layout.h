#pragma once
// Every class's layout as a host built with the platform's own compiler sees
// it: each field at the offset that declaration order and 32-bit widths give,
// the table pointer at 0, and in slot 0 a destructor of the class itself.
// Checked wherever the classes are compiled for that platform, the module
// and every host alike.
#include "hall_elements.h"
#include "tree_element.h"

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#include <type_traits>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

// The element bases and their lists
static_assert(sizeof(void*) == 4 && sizeof(HWND) == 4 && sizeof(HICON) == 4, "32-bit handles");
static_assert(sizeof(WindowList) == 12 && sizeof(HandleList<HICON>) == 12, "handle list: first, last, end");
static_assert(sizeof(CShowElement) == 4, "CShowElement: the table pointer only");
static_assert(offsetof(CMFCShowElement, m_arrRedrawWnd) == 4, "CMFCShowElement::m_arrRedrawWnd");
static_assert(offsetof(CMFCShowElement, m_arrNotifyWnd) == 16, "CMFCShowElement::m_arrNotifyWnd");
static_assert(sizeof(CMFCShowElement) == 28, "sizeof(CMFCShowElement)");

// The tree
static_assert(offsetof(CTreeShowElements, m_arrRedrawWnd) == 4, "CTreeShowElements::m_arrRedrawWnd");
static_assert(offsetof(CTreeShowElements, m_arrNotifyWnd) == 16, "CTreeShowElements::m_arrNotifyWnd");
static_assert(offsetof(CTreeShowElements, m_clrBack) == 28, "CTreeShowElements::m_clrBack");
static_assert(offsetof(CTreeShowElements, m_clrText) == 32, "CTreeShowElements::m_clrText");
static_assert(offsetof(CTreeShowElements, m_clrLine) == 36, "CTreeShowElements::m_clrLine");
static_assert(offsetof(CTreeShowElements, m_arrIcon) == 40, "CTreeShowElements::m_arrIcon");
static_assert(offsetof(CTreeShowElements, m_hbmBack) == 52, "CTreeShowElements::m_hbmBack");
static_assert(sizeof(CTreeShowElements) == 56, "sizeof(CTreeShowElements)");

// A toolbar or exit-menu button
static_assert(sizeof(WindowList) == 12, "window list: first, last, end of storage");
static_assert(sizeof(ButtonList) == 12, "button list: first, last, end of storage");
static_assert(sizeof(CButtonShowElements) == 48, "button size");
static_assert(offsetof(CButtonShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CButtonShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CButtonShowElements, m_hIcon) == 28, "m_hIcon");
static_assert(offsetof(CButtonShowElements, m_hIconAlt) == 32, "m_hIconAlt");
static_assert(offsetof(CButtonShowElements, m_clrBack) == 36, "m_clrBack");
static_assert(offsetof(CButtonShowElements, m_clrText) == 40, "m_clrText");
static_assert(offsetof(CButtonShowElements, m_hbmBack) == 44, "m_hbmBack");

// The caption, frame, menu bar and status bar
static_assert(sizeof(CCaptionShowElements) == 128, "caption size");
static_assert(offsetof(CCaptionShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CCaptionShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CCaptionShowElements, m_clrCaption) == 28, "m_clrCaption");
static_assert(offsetof(CCaptionShowElements, m_clrCaptionText) == 32, "m_clrCaptionText");
static_assert(offsetof(CCaptionShowElements, m_clrMenu) == 36, "m_clrMenu");
static_assert(offsetof(CCaptionShowElements, m_hObject) == 40, "m_hObject");
static_assert(offsetof(CCaptionShowElements, m_hbmCaption) == 44, "m_hbmCaption");
static_assert(offsetof(CCaptionShowElements, m_hbmMenu) == 48, "m_hbmMenu");
static_assert(offsetof(CCaptionShowElements, m_hbmBarLeft) == 52, "m_hbmBarLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmBarRight) == 56, "m_hbmBarRight");
static_assert(offsetof(CCaptionShowElements, m_hbmMenuBar) == 60, "m_hbmMenuBar");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusLeft) == 64, "m_hbmStatusLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusMid) == 68, "m_hbmStatusMid");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusRight) == 72, "m_hbmStatusRight");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleLeft) == 76, "m_hbmTitleLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleMid) == 80, "m_hbmTitleMid");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleRight) == 84, "m_hbmTitleRight");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameLeft) == 88, "m_hbmFrameLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameRight) == 92, "m_hbmFrameRight");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameTop) == 96, "m_hbmFrameTop");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameBottom) == 100, "m_hbmFrameBottom");
static_assert(offsetof(CCaptionShowElements, m_hIconMax) == 104, "m_hIconMax");
static_assert(offsetof(CCaptionShowElements, m_hIconMin) == 108, "m_hIconMin");
static_assert(offsetof(CCaptionShowElements, m_hIconNormal) == 112, "m_hIconNormal");
static_assert(offsetof(CCaptionShowElements, m_hIconClose) == 116, "m_hIconClose");
static_assert(offsetof(CCaptionShowElements, m_hIconReserved) == 120, "m_hIconReserved");
static_assert(offsetof(CCaptionShowElements, m_hIconCloseOne) == 124, "m_hIconCloseOne");

// The chat
static_assert(sizeof(CChatShowElements) == 72, "chat size");
static_assert(offsetof(CChatShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CChatShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CChatShowElements, m_dwChatValue1) == 28, "m_dwChatValue1");
static_assert(offsetof(CChatShowElements, m_dwChatValue2) == 32, "m_dwChatValue2");
static_assert(offsetof(CChatShowElements, m_dwChatValue3) == 36, "m_dwChatValue3");
static_assert(offsetof(CChatShowElements, m_hChatObject1) == 40, "m_hChatObject1");
static_assert(offsetof(CChatShowElements, m_hChatObject2) == 44, "m_hChatObject2");
static_assert(offsetof(CChatShowElements, m_hChatObject3) == 48, "m_hChatObject3");
static_assert(offsetof(CChatShowElements, m_hChatObject4) == 52, "m_hChatObject4");
static_assert(offsetof(CChatShowElements, m_hChatObject5) == 56, "m_hChatObject5");
static_assert(offsetof(CChatShowElements, m_hChatObject6) == 60, "m_hChatObject6");
static_assert(offsetof(CChatShowElements, m_hChatObject7) == 64, "m_hChatObject7");
static_assert(offsetof(CChatShowElements, m_hChatObject8) == 68, "m_hChatObject8");

// The person lists
static_assert(offsetof(CPersonListShowElements, m_arrRedrawWnd) == 4, "CPersonListShowElements::m_arrRedrawWnd");
static_assert(offsetof(CPersonListShowElements, m_arrNotifyWnd) == 16, "CPersonListShowElements::m_arrNotifyWnd");
static_assert(sizeof(WindowList) == 12 && sizeof(HandleList<HICON>) == 12 && sizeof(HandleList<HINSTANCE>) == 12,
              "handle list");
static_assert(offsetof(CPersonListShowElements, m_clrPerson1) == 28, "CPersonListShowElements::m_clrPerson1");
static_assert(offsetof(CPersonListShowElements, m_clrPerson2) == 32, "CPersonListShowElements::m_clrPerson2");
static_assert(offsetof(CPersonListShowElements, m_clrPerson3) == 36, "CPersonListShowElements::m_clrPerson3");
static_assert(offsetof(CPersonListShowElements, m_clrPerson4) == 40, "CPersonListShowElements::m_clrPerson4");
static_assert(offsetof(CPersonListShowElements, m_clrPerson5) == 44, "CPersonListShowElements::m_clrPerson5");
static_assert(offsetof(CPersonListShowElements, m_clrPerson6) == 48, "CPersonListShowElements::m_clrPerson6");
static_assert(offsetof(CPersonListShowElements, m_clrPerson7) == 52, "CPersonListShowElements::m_clrPerson7");
static_assert(offsetof(CPersonListShowElements, m_clrPerson8) == 56, "CPersonListShowElements::m_clrPerson8");
static_assert(offsetof(CPersonListShowElements, m_hbmBack) == 60, "CPersonListShowElements::m_hbmBack");
static_assert(offsetof(CPersonListShowElements, m_arrExtraWnd) == 64, "CPersonListShowElements::m_arrExtraWnd");
static_assert(offsetof(CPersonListShowElements, m_arrStatusIcon) == 76, "CPersonListShowElements::m_arrStatusIcon");
static_assert(offsetof(CPersonListShowElements, m_arrHeadLib) == 88, "CPersonListShowElements::m_arrHeadLib");
static_assert(offsetof(CPersonListShowElements, m_szHeadPicStem) == 100,
              "CPersonListShowElements::m_szHeadPicStem");
static_assert(sizeof(CPersonListShowElements::m_szHeadPicStem) == 20,
              "sizeof(CPersonListShowElements::m_szHeadPicStem)");
static_assert(offsetof(CPersonListShowElements, m_nPersonReserved) == 120,
              "CPersonListShowElements::m_nPersonReserved");
static_assert(sizeof(CPersonListShowElements) == 124, "sizeof(CPersonListShowElements)");
static_assert(sizeof(CHall_PersonListShowElements) == 124, "sizeof(CHall_PersonListShowElements)");

// The rooms
static_assert(offsetof(CRoomShowElements, m_arrRedrawWnd) == 4, "CRoomShowElements::m_arrRedrawWnd");
static_assert(offsetof(CRoomShowElements, m_arrNotifyWnd) == 16, "CRoomShowElements::m_arrNotifyWnd");
static_assert(sizeof(WindowList) == 12 && sizeof(HandleList<HINSTANCE>) == 12, "handle list");
static_assert(offsetof(CRoomShowElements, m_clrRoom) == 28, "CRoomShowElements::m_clrRoom");
static_assert(offsetof(CRoomShowElements, m_phTablePic) == 32, "CRoomShowElements::m_phTablePic");
static_assert(sizeof(CRoomShowElements::m_phTablePic) == 20, "sizeof(CRoomShowElements::m_phTablePic)");
static_assert(offsetof(CRoomShowElements, m_arrRoomLib) == 52, "CRoomShowElements::m_arrRoomLib");
static_assert(sizeof(CRoomShowElements::m_arrRoomLib) == 60, "sizeof(CRoomShowElements::m_arrRoomLib)");
static_assert(offsetof(CRoomShowElements, m_nPicGroups) == 112, "CRoomShowElements::m_nPicGroups");
static_assert(sizeof(CRoomShowElements::m_nPicGroups) == 20, "sizeof(CRoomShowElements::m_nPicGroups)");
static_assert(offsetof(CRoomShowElements, m_szRoomStem) == 132, "CRoomShowElements::m_szRoomStem");
static_assert(sizeof(CRoomShowElements::m_szRoomStem) == 100, "sizeof(CRoomShowElements::m_szRoomStem)");
static_assert(sizeof(CRoomShowElements) == 232, "sizeof(CRoomShowElements)");
static_assert(sizeof(CHall_RoomShowElements) == 232, "sizeof(CHall_RoomShowElements)");

// The splitters
static_assert(sizeof(CSplitterShowElements) == 44, "splitter size");
static_assert(offsetof(CSplitterShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CSplitterShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CSplitterShowElements, m_hbmRow) == 28, "m_hbmRow");
static_assert(offsetof(CSplitterShowElements, m_hbmCol) == 32, "m_hbmCol");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize1) == 36, "m_nSplitterSize1");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize2) == 38, "m_nSplitterSize2");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize3) == 40, "m_nSplitterSize3");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize4) == 42, "m_nSplitterSize4");

// A tab strip
static_assert(sizeof(CTabShowElements) == 80, "tab size");
static_assert(offsetof(CTabShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CTabShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CTabShowElements, m_clrLine) == 28, "m_clrLine");
static_assert(offsetof(CTabShowElements, m_clrText) == 32, "m_clrText");
static_assert(offsetof(CTabShowElements, m_clrFace) == 36, "m_clrFace");
static_assert(offsetof(CTabShowElements, m_clrActiveText) == 40, "m_clrActiveText");
static_assert(offsetof(CTabShowElements, m_clrActiveLine) == 44, "m_clrActiveLine");
static_assert(offsetof(CTabShowElements, m_clrInactiveText) == 48, "m_clrInactiveText");
static_assert(offsetof(CTabShowElements, m_nTabSize1) == 52, "m_nTabSize1");
static_assert(offsetof(CTabShowElements, m_nTabSize2) == 54, "m_nTabSize2");
static_assert(offsetof(CTabShowElements, m_hbmBack) == 56, "m_hbmBack");
static_assert(offsetof(CTabShowElements, m_hbmSelect) == 60, "m_hbmSelect");
static_assert(offsetof(CTabShowElements, m_hbmNoSelect) == 64, "m_hbmNoSelect");
static_assert(offsetof(CTabShowElements, m_hbmBack90) == 68, "m_hbmBack90");
static_assert(offsetof(CTabShowElements, m_hbmSelect90) == 72, "m_hbmSelect90");
static_assert(offsetof(CTabShowElements, m_hbmNoSelect90) == 76, "m_hbmNoSelect90");

// The hall: every element in its place
static_assert(offsetof(CHallShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CHallShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CHallShowElements, m_dwHallValue1) == 28, "m_dwHallValue1");
static_assert(offsetof(CHallShowElements, m_dwHallValue6) == 48, "m_dwHallValue6");
static_assert(offsetof(CHallShowElements, m_nHallOption) == 52, "m_nHallOption");
static_assert(offsetof(CHallShowElements, m_hHallObject1) == 56, "m_hHallObject1");
static_assert(offsetof(CHallShowElements, m_hHallObject2) == 60, "m_hHallObject2");
static_assert(offsetof(CHallShowElements, m_nHallReserved) == 64, "m_nHallReserved");
static_assert(offsetof(CHallShowElements, m_caption) == 68, "m_caption");
static_assert(offsetof(CHallShowElements, m_mainTab) == 68 + 128, "m_mainTab");
static_assert(offsetof(CHallShowElements, m_tab) == 196 + 80, "m_tab");
static_assert(offsetof(CHallShowElements, m_room) == 276 + 80, "m_room");
static_assert(offsetof(CHallShowElements, m_arrToolButton) == 356 + 232, "m_arrToolButton");
static_assert(offsetof(CHallShowElements, m_personList) == 588 + 12, "m_personList");
static_assert(offsetof(CHallShowElements, m_arrExitButton) == 600 + 124, "m_arrExitButton");
static_assert(offsetof(CHallShowElements, m_chat) == 724 + 12, "m_chat");
static_assert(offsetof(CHallShowElements, m_splitter) == 736 + 72, "m_splitter");
static_assert(offsetof(CHallShowElements, m_tree) == 808 + 44, "m_tree");
static_assert(sizeof(CHallShowElements) == 852 + 56, "hall size");

#ifdef SKIN_ONE_SLOT_DESTRUCTOR
static_assert(std::is_same<decltype(&CShowElement::DeletingDestructor), void* (CShowElement::*)(unsigned int)>::value,
              "CShowElement declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CMFCShowElement::DeletingDestructor),
                           void* (CMFCShowElement::*)(unsigned int)>::value,
              "CMFCShowElement declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CTreeShowElements::DeletingDestructor),
                           void* (CTreeShowElements::*)(unsigned int)>::value,
              "CTreeShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CPersonListShowElements::DeletingDestructor),
                           void* (CPersonListShowElements::*)(unsigned int)>::value,
              "CPersonListShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CHall_PersonListShowElements::DeletingDestructor),
                           void* (CHall_PersonListShowElements::*)(unsigned int)>::value,
              "CHall_PersonListShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CRoomShowElements::DeletingDestructor),
                           void* (CRoomShowElements::*)(unsigned int)>::value,
              "CRoomShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CHall_RoomShowElements::DeletingDestructor),
                           void* (CHall_RoomShowElements::*)(unsigned int)>::value,
              "CHall_RoomShowElements declares its slot-0 destructor");
#endif
#pragma GCC diagnostic pop
#endif
