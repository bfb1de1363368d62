#include "face_report.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace preview {
namespace {

std::string ColourText(COLORREF colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// A fixed-size text field up to its terminating zero, or all of it if it has none.
std::string StemText(const char* stem, std::size_t bytes) {
    const void* end = std::memchr(stem, '\0', bytes);
    return BytesAsJsonString(std::string_view(stem, end ? static_cast<const char*>(end) - stem : bytes));
}

class Reporter {
public:
    explicit Reporter(const ResourceCatalogue& names) : names_(names) {}

    Json Colour(COLORREF colour) const { return ColourText(colour); }

    Json Bitmap(HBITMAP bitmap, const std::string& path) {
        if (bitmap != nullptr) Hold(bitmap, path);
        return names_.NameOfBitmap(bitmap);
    }

    Json Object(HGDIOBJ object, const std::string& path) {
        if (object != nullptr && GetObjectType(object) == OBJ_BITMAP) Hold(object, path);
        return names_.NameOfObject(object);
    }

    Json Icon(HICON icon) const { return names_.NameOfIcon(icon); }

    // Windows and libraries are always the host's.
    template <class Handle>
    static Json HostHandles(const HandleList<Handle>& list) {
        Json json = Json::object();
        json["count"] = list.size();
        Json& items = json["items"] = Json::array();
        for (Handle handle : list) items.push_back(handle == nullptr ? "null" : "host");
        return json;
    }

    Json Icons(const HandleList<HICON>& list) const {
        Json json = Json::object();
        json["count"] = list.size();
        Json& items = json["items"] = Json::array();
        for (HICON icon : list) items.push_back(Icon(icon));
        return json;
    }

    void AddRegistrations(Json& json, const CMFCShowElement& element) const {
        json["m_arrRedrawWnd"] = HostHandles(element.m_arrRedrawWnd);
        json["m_arrNotifyWnd"] = HostHandles(element.m_arrNotifyWnd);
    }

    Json Caption(const CCaptionShowElements& c, const std::string& at) {
        Json json = Json::object();
        AddRegistrations(json, c);
        json["m_clrCaption"] = Colour(c.m_clrCaption);
        json["m_clrCaptionText"] = Colour(c.m_clrCaptionText);
        json["m_clrMenu"] = Colour(c.m_clrMenu);
        json["m_hObject"] = Object(c.m_hObject, at + ".m_hObject");
        const std::pair<const char*, HBITMAP> bitmaps[] = {
            {"m_hbmCaption", c.m_hbmCaption},         {"m_hbmMenu", c.m_hbmMenu},
            {"m_hbmBarLeft", c.m_hbmBarLeft},         {"m_hbmBarRight", c.m_hbmBarRight},
            {"m_hbmMenuBar", c.m_hbmMenuBar},         {"m_hbmStatusLeft", c.m_hbmStatusLeft},
            {"m_hbmStatusMid", c.m_hbmStatusMid},     {"m_hbmStatusRight", c.m_hbmStatusRight},
            {"m_hbmTitleLeft", c.m_hbmTitleLeft},     {"m_hbmTitleMid", c.m_hbmTitleMid},
            {"m_hbmTitleRight", c.m_hbmTitleRight},   {"m_hbmFrameLeft", c.m_hbmFrameLeft},
            {"m_hbmFrameRight", c.m_hbmFrameRight},   {"m_hbmFrameTop", c.m_hbmFrameTop},
            {"m_hbmFrameBottom", c.m_hbmFrameBottom},
        };
        for (const auto& [name, bitmap] : bitmaps) json[name] = Bitmap(bitmap, at + "." + name);
        json["m_hIconMax"] = Icon(c.m_hIconMax);
        json["m_hIconMin"] = Icon(c.m_hIconMin);
        json["m_hIconNormal"] = Icon(c.m_hIconNormal);
        json["m_hIconClose"] = Icon(c.m_hIconClose);
        json["m_hIconReserved"] = Icon(c.m_hIconReserved);
        json["m_hIconCloseOne"] = Icon(c.m_hIconCloseOne);
        return json;
    }

    Json Tab(const CTabShowElements& t, const std::string& at) {
        Json json = Json::object();
        AddRegistrations(json, t);
        json["m_clrLine"] = Colour(t.m_clrLine);
        json["m_clrText"] = Colour(t.m_clrText);
        json["m_clrFace"] = Colour(t.m_clrFace);
        json["m_clrActiveText"] = Colour(t.m_clrActiveText);
        json["m_clrActiveLine"] = Colour(t.m_clrActiveLine);
        json["m_clrInactiveText"] = Colour(t.m_clrInactiveText);
        json["m_nTabSize1"] = t.m_nTabSize1;
        json["m_nTabSize2"] = t.m_nTabSize2;
        const std::pair<const char*, HBITMAP> bitmaps[] = {
            {"m_hbmBack", t.m_hbmBack},     {"m_hbmSelect", t.m_hbmSelect},     {"m_hbmNoSelect", t.m_hbmNoSelect},
            {"m_hbmBack90", t.m_hbmBack90}, {"m_hbmSelect90", t.m_hbmSelect90}, {"m_hbmNoSelect90", t.m_hbmNoSelect90},
        };
        for (const auto& [name, bitmap] : bitmaps) json[name] = Bitmap(bitmap, at + "." + name);
        return json;
    }

    Json Room(const CRoomShowElements& r) const {
        Json json = Json::object();
        AddRegistrations(json, r);
        json["m_clrRoom"] = Colour(r.m_clrRoom);
        Json pictures = Json::array();
        Json libraries = Json::array();
        Json groups = Json::array();
        Json stems = Json::array();
        for (int k = 0; k < kRoomTableSizes; ++k) {
            pictures.push_back(r.m_phTablePic[k] == nullptr ? "null" : "host");
            libraries.push_back(HostHandles(r.m_arrRoomLib[k]));
            groups.push_back(r.m_nPicGroups[k]);
            stems.push_back(StemText(r.m_szRoomStem[k], kRoomStemBytes));
        }
        json["m_phTablePic"] = std::move(pictures);
        json["m_arrRoomLib"] = std::move(libraries);
        json["m_nPicGroups"] = std::move(groups);
        json["m_szRoomStem"] = std::move(stems);
        return json;
    }

    Json Buttons(const ButtonList& list, const std::string& at) {
        Json json = Json::object();
        json["count"] = list.size();
        Json& items = json["items"] = Json::array();
        for (std::size_t i = 0; i < list.size(); ++i) {
            const CButtonShowElements& b = list[i];
            Json& button = items.emplace_back(Json::object());
            AddRegistrations(button, b);
            button["m_hIcon"] = Icon(b.m_hIcon);
            button["m_hIconAlt"] = Icon(b.m_hIconAlt);
            button["m_clrBack"] = Colour(b.m_clrBack);
            button["m_clrText"] = Colour(b.m_clrText);
            button["m_hbmBack"] = Bitmap(b.m_hbmBack, at + ".items." + std::to_string(i) + ".m_hbmBack");
        }
        return json;
    }

    Json PersonList(const CPersonListShowElements& p, const std::string& at) {
        Json json = Json::object();
        AddRegistrations(json, p);
        const COLORREF colours[] = {p.m_clrPerson1, p.m_clrPerson2, p.m_clrPerson3, p.m_clrPerson4,
                                    p.m_clrPerson5, p.m_clrPerson6, p.m_clrPerson7, p.m_clrPerson8};
        for (int i = 0; i < 8; ++i) json["m_clrPerson" + std::to_string(i + 1)] = Colour(colours[i]);
        json["m_hbmBack"] = Bitmap(p.m_hbmBack, at + ".m_hbmBack");
        json["m_arrExtraWnd"] = HostHandles(p.m_arrExtraWnd);
        json["m_arrStatusIcon"] = Icons(p.m_arrStatusIcon);
        json["m_arrHeadLib"] = HostHandles(p.m_arrHeadLib);
        json["m_szHeadPicStem"] = StemText(p.m_szHeadPicStem, kHeadPicStemBytes);
        json["m_nPersonReserved"] = p.m_nPersonReserved;
        return json;
    }

    Json Chat(const CChatShowElements& c, const std::string& at) {
        Json json = Json::object();
        AddRegistrations(json, c);
        json["m_dwChatValue1"] = c.m_dwChatValue1;
        json["m_dwChatValue2"] = c.m_dwChatValue2;
        json["m_dwChatValue3"] = c.m_dwChatValue3;
        const HGDIOBJ objects[] = {c.m_hChatObject1, c.m_hChatObject2, c.m_hChatObject3, c.m_hChatObject4,
                                   c.m_hChatObject5, c.m_hChatObject6, c.m_hChatObject7, c.m_hChatObject8};
        for (int i = 0; i < 8; ++i) {
            const std::string name = "m_hChatObject" + std::to_string(i + 1);
            json[name] = Object(objects[i], at + "." + name);
        }
        return json;
    }

    Json Splitter(const CSplitterShowElements& s, const std::string& at) {
        Json json = Json::object();
        AddRegistrations(json, s);
        json["m_hbmRow"] = Bitmap(s.m_hbmRow, at + ".m_hbmRow");
        json["m_hbmCol"] = Bitmap(s.m_hbmCol, at + ".m_hbmCol");
        json["m_nSplitterSize1"] = s.m_nSplitterSize1;
        json["m_nSplitterSize2"] = s.m_nSplitterSize2;
        json["m_nSplitterSize3"] = s.m_nSplitterSize3;
        json["m_nSplitterSize4"] = s.m_nSplitterSize4;
        return json;
    }

    void AddTreeFields(Json& json, const CTreeShowElements& t, const std::string& at) {
        AddRegistrations(json, t);
        json["m_clrBack"] = Colour(t.m_clrBack);
        json["m_clrText"] = Colour(t.m_clrText);
        json["m_clrLine"] = Colour(t.m_clrLine);
        json["m_arrIcon"] = Icons(t.m_arrIcon);
        json["m_hbmBack"] = Bitmap(t.m_hbmBack, at.empty() ? "m_hbmBack" : at + ".m_hbmBack");
    }

    // Every bitmap handle that more than one field holds, in the order of its first holder.
    Json SharedBitmaps() const {
        Json json = Json::array();
        for (const auto& [handle, paths] : holders_) {
            if (paths.size() < 2) continue;
            Json& entry = json.emplace_back(Json::object());
            entry["name"] = names_.NameOfBitmap(static_cast<HBITMAP>(handle));
            Json& fields = entry["fields"] = Json::array();
            for (const std::string& path : paths) fields.push_back(path);
        }
        return json;
    }

private:
    void Hold(HGDIOBJ handle, const std::string& path) {
        for (auto& [known, paths] : holders_) {
            if (known == handle) {
                paths.push_back(path);
                return;
            }
        }
        holders_.emplace_back(handle, std::vector<std::string>{path});
    }

    const ResourceCatalogue& names_;
    // Bitmap handles in the order the report met them, with the fields that hold each.
    std::vector<std::pair<HGDIOBJ, std::vector<std::string>>> holders_;
};

}  // namespace

Json ReportHallFace(const CHallShowElements& hall, const ResourceCatalogue& names) {
    Reporter reporter(names);
    Json json = Json::object();
    json["face"] = "hall";
    reporter.AddRegistrations(json, hall);
    const DWORD values[] = {hall.m_dwHallValue1, hall.m_dwHallValue2, hall.m_dwHallValue3,
                            hall.m_dwHallValue4, hall.m_dwHallValue5, hall.m_dwHallValue6};
    for (int i = 0; i < 6; ++i) json["m_dwHallValue" + std::to_string(i + 1)] = values[i];
    json["m_nHallOption"] = hall.m_nHallOption;
    json["m_hHallObject1"] = reporter.Object(hall.m_hHallObject1, "m_hHallObject1");
    json["m_hHallObject2"] = reporter.Object(hall.m_hHallObject2, "m_hHallObject2");
    json["m_nHallReserved"] = hall.m_nHallReserved;
    json["m_caption"] = reporter.Caption(hall.m_caption, "m_caption");
    json["m_mainTab"] = reporter.Tab(hall.m_mainTab, "m_mainTab");
    json["m_tab"] = reporter.Tab(hall.m_tab, "m_tab");
    json["m_room"] = reporter.Room(hall.m_room);
    json["m_arrToolButton"] = reporter.Buttons(hall.m_arrToolButton, "m_arrToolButton");
    json["m_personList"] = reporter.PersonList(hall.m_personList, "m_personList");
    json["m_arrExitButton"] = reporter.Buttons(hall.m_arrExitButton, "m_arrExitButton");
    json["m_chat"] = reporter.Chat(hall.m_chat, "m_chat");
    json["m_splitter"] = reporter.Splitter(hall.m_splitter, "m_splitter");
    Json& tree = json["m_tree"] = Json::object();
    reporter.AddTreeFields(tree, hall.m_tree, "m_tree");
    json["shared_bitmaps"] = reporter.SharedBitmaps();
    return json;
}

Json ReportTreeFace(const CTreeShowElements& tree, const ResourceCatalogue& names) {
    Reporter reporter(names);
    Json json = Json::object();
    json["face"] = "tree";
    reporter.AddTreeFields(json, tree, "");
    json["shared_bitmaps"] = reporter.SharedBitmaps();
    return json;
}

}  // namespace preview
