#include "face_report.h"

#include <cstdio>
#include <cstring>
#include <string>
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
    return std::string(stem, end ? static_cast<const char*>(end) - stem : bytes);
}

class Reporter {
public:
    explicit Reporter(const ResourceCatalogue& names) : names_(names) {}

    Json Colour(COLORREF colour) const { return Json::String(ColourText(colour)); }

    Json Bitmap(HBITMAP bitmap, const std::string& path) {
        if (bitmap != nullptr) Hold(bitmap, path);
        return Json::String(names_.NameOfBitmap(bitmap));
    }

    Json Object(HGDIOBJ object, const std::string& path) {
        if (object != nullptr && GetObjectType(object) == OBJ_BITMAP) Hold(object, path);
        return Json::String(names_.NameOfObject(object));
    }

    Json Icon(HICON icon) const { return Json::String(names_.NameOfIcon(icon)); }

    // Windows and libraries are always the host's.
    template <class Handle>
    static Json HostHandles(const HandleList<Handle>& list) {
        Json json = Json::Object();
        json.Add("count", Json::Number(static_cast<long long>(list.size())));
        Json& items = json.Add("items", Json::Array());
        for (Handle handle : list) items.Append(Json::String(handle == nullptr ? "null" : "host"));
        return json;
    }

    Json Icons(const HandleList<HICON>& list) const {
        Json json = Json::Object();
        json.Add("count", Json::Number(static_cast<long long>(list.size())));
        Json& items = json.Add("items", Json::Array());
        for (HICON icon : list) items.Append(Icon(icon));
        return json;
    }

    void AddRegistrations(Json& json, const CMFCShowElement& element) const {
        json.Add("m_arrRedrawWnd", HostHandles(element.m_arrRedrawWnd));
        json.Add("m_arrNotifyWnd", HostHandles(element.m_arrNotifyWnd));
    }

    Json Caption(const CCaptionShowElements& c, const std::string& at) {
        Json json = Json::Object();
        AddRegistrations(json, c);
        json.Add("m_clrCaption", Colour(c.m_clrCaption));
        json.Add("m_clrCaptionText", Colour(c.m_clrCaptionText));
        json.Add("m_clrMenu", Colour(c.m_clrMenu));
        json.Add("m_hObject", Object(c.m_hObject, at + ".m_hObject"));
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
        for (const auto& [name, bitmap] : bitmaps) json.Add(name, Bitmap(bitmap, at + "." + name));
        json.Add("m_hIconMax", Icon(c.m_hIconMax));
        json.Add("m_hIconMin", Icon(c.m_hIconMin));
        json.Add("m_hIconNormal", Icon(c.m_hIconNormal));
        json.Add("m_hIconClose", Icon(c.m_hIconClose));
        json.Add("m_hIconReserved", Icon(c.m_hIconReserved));
        json.Add("m_hIconCloseOne", Icon(c.m_hIconCloseOne));
        return json;
    }

    Json Tab(const CTabShowElements& t, const std::string& at) {
        Json json = Json::Object();
        AddRegistrations(json, t);
        json.Add("m_clrLine", Colour(t.m_clrLine));
        json.Add("m_clrText", Colour(t.m_clrText));
        json.Add("m_clrFace", Colour(t.m_clrFace));
        json.Add("m_clrActiveText", Colour(t.m_clrActiveText));
        json.Add("m_clrActiveLine", Colour(t.m_clrActiveLine));
        json.Add("m_clrInactiveText", Colour(t.m_clrInactiveText));
        json.Add("m_nTabSize1", Json::Number(t.m_nTabSize1));
        json.Add("m_nTabSize2", Json::Number(t.m_nTabSize2));
        const std::pair<const char*, HBITMAP> bitmaps[] = {
            {"m_hbmBack", t.m_hbmBack},     {"m_hbmSelect", t.m_hbmSelect},     {"m_hbmNoSelect", t.m_hbmNoSelect},
            {"m_hbmBack90", t.m_hbmBack90}, {"m_hbmSelect90", t.m_hbmSelect90}, {"m_hbmNoSelect90", t.m_hbmNoSelect90},
        };
        for (const auto& [name, bitmap] : bitmaps) json.Add(name, Bitmap(bitmap, at + "." + name));
        return json;
    }

    Json Room(const CRoomShowElements& r) const {
        Json json = Json::Object();
        AddRegistrations(json, r);
        json.Add("m_clrRoom", Colour(r.m_clrRoom));
        Json pictures = Json::Array();
        Json libraries = Json::Array();
        Json groups = Json::Array();
        Json stems = Json::Array();
        for (int k = 0; k < kRoomTableSizes; ++k) {
            pictures.Append(Json::String(r.m_phTablePic[k] == nullptr ? "null" : "host"));
            libraries.Append(HostHandles(r.m_arrRoomLib[k]));
            groups.Append(Json::Number(r.m_nPicGroups[k]));
            stems.Append(Json::String(StemText(r.m_szRoomStem[k], kRoomStemBytes)));
        }
        json.Add("m_phTablePic", std::move(pictures));
        json.Add("m_arrRoomLib", std::move(libraries));
        json.Add("m_nPicGroups", std::move(groups));
        json.Add("m_szRoomStem", std::move(stems));
        return json;
    }

    Json Buttons(const ButtonList& list, const std::string& at) {
        Json json = Json::Object();
        json.Add("count", Json::Number(static_cast<long long>(list.size())));
        Json& items = json.Add("items", Json::Array());
        for (std::size_t i = 0; i < list.size(); ++i) {
            const CButtonShowElements& b = list[i];
            Json& button = items.Append(Json::Object());
            AddRegistrations(button, b);
            button.Add("m_hIcon", Icon(b.m_hIcon));
            button.Add("m_hIconAlt", Icon(b.m_hIconAlt));
            button.Add("m_clrBack", Colour(b.m_clrBack));
            button.Add("m_clrText", Colour(b.m_clrText));
            button.Add("m_hbmBack", Bitmap(b.m_hbmBack, at + ".items." + std::to_string(i) + ".m_hbmBack"));
        }
        return json;
    }

    Json PersonList(const CPersonListShowElements& p, const std::string& at) {
        Json json = Json::Object();
        AddRegistrations(json, p);
        const COLORREF colours[] = {p.m_clrPerson1, p.m_clrPerson2, p.m_clrPerson3, p.m_clrPerson4,
                                    p.m_clrPerson5, p.m_clrPerson6, p.m_clrPerson7, p.m_clrPerson8};
        for (int i = 0; i < 8; ++i) json.Add("m_clrPerson" + std::to_string(i + 1), Colour(colours[i]));
        json.Add("m_hbmBack", Bitmap(p.m_hbmBack, at + ".m_hbmBack"));
        json.Add("m_arrExtraWnd", HostHandles(p.m_arrExtraWnd));
        json.Add("m_arrStatusIcon", Icons(p.m_arrStatusIcon));
        json.Add("m_arrHeadLib", HostHandles(p.m_arrHeadLib));
        json.Add("m_szHeadPicStem", Json::String(StemText(p.m_szHeadPicStem, kHeadPicStemBytes)));
        json.Add("m_nPersonReserved", Json::Number(p.m_nPersonReserved));
        return json;
    }

    Json Chat(const CChatShowElements& c, const std::string& at) {
        Json json = Json::Object();
        AddRegistrations(json, c);
        json.Add("m_dwChatValue1", Json::Number(c.m_dwChatValue1));
        json.Add("m_dwChatValue2", Json::Number(c.m_dwChatValue2));
        json.Add("m_dwChatValue3", Json::Number(c.m_dwChatValue3));
        const HGDIOBJ objects[] = {c.m_hChatObject1, c.m_hChatObject2, c.m_hChatObject3, c.m_hChatObject4,
                                   c.m_hChatObject5, c.m_hChatObject6, c.m_hChatObject7, c.m_hChatObject8};
        for (int i = 0; i < 8; ++i) {
            const std::string name = "m_hChatObject" + std::to_string(i + 1);
            json.Add(name, Object(objects[i], at + "." + name));
        }
        return json;
    }

    Json Splitter(const CSplitterShowElements& s, const std::string& at) {
        Json json = Json::Object();
        AddRegistrations(json, s);
        json.Add("m_hbmRow", Bitmap(s.m_hbmRow, at + ".m_hbmRow"));
        json.Add("m_hbmCol", Bitmap(s.m_hbmCol, at + ".m_hbmCol"));
        json.Add("m_nSplitterSize1", Json::Number(s.m_nSplitterSize1));
        json.Add("m_nSplitterSize2", Json::Number(s.m_nSplitterSize2));
        json.Add("m_nSplitterSize3", Json::Number(s.m_nSplitterSize3));
        json.Add("m_nSplitterSize4", Json::Number(s.m_nSplitterSize4));
        return json;
    }

    void AddTreeFields(Json& json, const CTreeShowElements& t, const std::string& at) {
        AddRegistrations(json, t);
        json.Add("m_clrBack", Colour(t.m_clrBack));
        json.Add("m_clrText", Colour(t.m_clrText));
        json.Add("m_clrLine", Colour(t.m_clrLine));
        json.Add("m_arrIcon", Icons(t.m_arrIcon));
        json.Add("m_hbmBack", Bitmap(t.m_hbmBack, at.empty() ? "m_hbmBack" : at + ".m_hbmBack"));
    }

    // Every bitmap handle that more than one field holds, in the order of its first holder.
    Json SharedBitmaps() const {
        Json json = Json::Array();
        for (const auto& [handle, paths] : holders_) {
            if (paths.size() < 2) continue;
            Json& entry = json.Append(Json::Object());
            entry.Add("name", Json::String(names_.NameOfBitmap(static_cast<HBITMAP>(handle))));
            Json& fields = entry.Add("fields", Json::Array());
            for (const std::string& path : paths) fields.Append(Json::String(path));
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
    Json json = Json::Object();
    json.Add("face", Json::String("hall"));
    reporter.AddRegistrations(json, hall);
    const DWORD values[] = {hall.m_dwHallValue1, hall.m_dwHallValue2, hall.m_dwHallValue3,
                            hall.m_dwHallValue4, hall.m_dwHallValue5, hall.m_dwHallValue6};
    for (int i = 0; i < 6; ++i) json.Add("m_dwHallValue" + std::to_string(i + 1), Json::Number(values[i]));
    json.Add("m_nHallOption", Json::Number(hall.m_nHallOption));
    json.Add("m_hHallObject1", reporter.Object(hall.m_hHallObject1, "m_hHallObject1"));
    json.Add("m_hHallObject2", reporter.Object(hall.m_hHallObject2, "m_hHallObject2"));
    json.Add("m_nHallReserved", Json::Number(hall.m_nHallReserved));
    json.Add("m_caption", reporter.Caption(hall.m_caption, "m_caption"));
    json.Add("m_mainTab", reporter.Tab(hall.m_mainTab, "m_mainTab"));
    json.Add("m_tab", reporter.Tab(hall.m_tab, "m_tab"));
    json.Add("m_room", reporter.Room(hall.m_room));
    json.Add("m_arrToolButton", reporter.Buttons(hall.m_arrToolButton, "m_arrToolButton"));
    json.Add("m_personList", reporter.PersonList(hall.m_personList, "m_personList"));
    json.Add("m_arrExitButton", reporter.Buttons(hall.m_arrExitButton, "m_arrExitButton"));
    json.Add("m_chat", reporter.Chat(hall.m_chat, "m_chat"));
    json.Add("m_splitter", reporter.Splitter(hall.m_splitter, "m_splitter"));
    Json& tree = json.Add("m_tree", Json::Object());
    reporter.AddTreeFields(tree, hall.m_tree, "m_tree");
    json.Add("shared_bitmaps", reporter.SharedBitmaps());
    return json;
}

Json ReportTreeFace(const CTreeShowElements& tree, const ResourceCatalogue& names) {
    Reporter reporter(names);
    Json json = Json::Object();
    json.Add("face", Json::String("tree"));
    reporter.AddTreeFields(json, tree, "");
    json.Add("shared_bitmaps", reporter.SharedBitmaps());
    return json;
}

}  // namespace preview
