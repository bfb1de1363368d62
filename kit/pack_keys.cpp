#include "pack_keys.h"

#include "skin_values.h"

namespace kit {
namespace {

using skin::SkinValues;
#define AT(member) offsetof(SkinValues, member)

}  // namespace

const std::vector<PackKey>& PackKeys() {
    using K = ValueKind;
    static const std::vector<PackKey> keys = {
        {"main_tab", "line", K::Colour, AT(mainTab.line), true, "m_mainTab.m_clrLine"},
        {"main_tab", "text", K::Colour, AT(mainTab.text), true, "m_mainTab.m_clrText"},
        {"main_tab", "face", K::Colour, AT(mainTab.face), true, "m_mainTab.m_clrFace"},
        {"main_tab", "active_text", K::Colour, AT(mainTab.activeText), true, "m_mainTab.m_clrActiveText"},
        {"main_tab", "active_line", K::Colour, AT(mainTab.activeLine), true, "m_mainTab.m_clrActiveLine"},
        {"main_tab", "inactive_text", K::Colour, AT(mainTab.inactiveText), true, "m_mainTab.m_clrInactiveText"},
        {"main_tab", "tab_size1", K::Size, AT(mainTab.tabSize1), true, "m_mainTab.m_nTabSize1"},
        {"main_tab", "tab_size2", K::Size, AT(mainTab.tabSize2), true, "m_mainTab.m_nTabSize2"},
        {"tab", "line", K::Colour, AT(tab.line), true, "m_tab.m_clrLine"},
        {"tab", "text", K::Colour, AT(tab.text), true, "m_tab.m_clrText"},
        {"tab", "face", K::Colour, AT(tab.face), true, "m_tab.m_clrFace"},
        {"tab", "active_text", K::Colour, AT(tab.activeText), true, "m_tab.m_clrActiveText"},
        {"tab", "active_line", K::Colour, AT(tab.activeLine), true, "m_tab.m_clrActiveLine"},
        {"tab", "inactive_text", K::Colour, AT(tab.inactiveText), true, "m_tab.m_clrInactiveText"},
        {"tab", "tab_size1", K::Size, AT(tab.tabSize1), true, "m_tab.m_nTabSize1"},
        {"tab", "tab_size2", K::Size, AT(tab.tabSize2), true, "m_tab.m_nTabSize2"},
        {"toolbar", "first_back", K::Colour, AT(toolbar.first.back), true, "m_arrToolButton[0].m_clrBack"},
        {"toolbar", "first_text", K::Colour, AT(toolbar.first.text), true, "m_arrToolButton[0].m_clrText"},
        {"toolbar", "back", K::Colour, AT(toolbar.rest.back), true, "m_arrToolButton[1..7].m_clrBack"},
        {"toolbar", "text", K::Colour, AT(toolbar.rest.text), true, "m_arrToolButton[1..7].m_clrText"},
        {"exit", "back", K::Colour, AT(exit.back), true, "m_arrExitButton[0..2].m_clrBack"},
        {"exit", "text", K::Colour, AT(exit.text), true, "m_arrExitButton[0..2].m_clrText"},
        {"caption", "caption", K::Colour, AT(caption.caption), true, "m_caption.m_clrCaption"},
        {"caption", "caption_text", K::Colour, AT(caption.captionText), true, "m_caption.m_clrCaptionText"},
        {"caption", "menu", K::Colour, AT(caption.menu), true, "m_caption.m_clrMenu"},
        {"room", "room", K::Colour, AT(room.room), true, "m_room.m_clrRoom"},
        {"room", "stems", K::Stems, AT(room.stems), true, "m_room.m_szRoomStem[0..4]"},
        {"person_list", "person1", K::Colour, AT(personList.person[0]), true, "m_personList.m_clrPerson1"},
        {"person_list", "person2", K::Colour, AT(personList.person[1]), true, "m_personList.m_clrPerson2"},
        {"person_list", "person3", K::Colour, AT(personList.person[2]), true, "m_personList.m_clrPerson3"},
        {"person_list", "person4", K::Colour, AT(personList.person[3]), false, "m_personList.m_clrPerson4"},
        {"person_list", "person5", K::Colour, AT(personList.person[4]), true, "m_personList.m_clrPerson5"},
        {"person_list", "person6", K::Colour, AT(personList.person[5]), true, "m_personList.m_clrPerson6"},
        {"person_list", "person7", K::Colour, AT(personList.person[6]), true, "m_personList.m_clrPerson7"},
        {"person_list", "person8", K::Colour, AT(personList.person[7]), true, "m_personList.m_clrPerson8"},
        {"person_list", "head_pic_stem", K::Stem, AT(personList.headPicStem), true, "m_personList.m_szHeadPicStem"},
        {"splitter", "size1", K::Size, AT(splitter.sizes[0]), true, "m_splitter.m_nSplitterSize1"},
        {"splitter", "size2", K::Size, AT(splitter.sizes[1]), true, "m_splitter.m_nSplitterSize2"},
        {"splitter", "size3", K::Size, AT(splitter.sizes[2]), true, "m_splitter.m_nSplitterSize3"},
        {"splitter", "size4", K::Size, AT(splitter.sizes[3]), true, "m_splitter.m_nSplitterSize4"},
        {"tree", "back", K::Colour, AT(tree.back), true, "m_tree.m_clrBack and the tree face's"},
        {"tree", "text", K::Colour, AT(tree.text), true, "m_tree.m_clrText and the tree face's"},
        {"tree", "line", K::Colour, AT(tree.line), true, "m_tree.m_clrLine and the tree face's"},
    };
    return keys;
}

}  // namespace kit
