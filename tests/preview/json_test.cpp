// The inspector's JSON text: the stable layout that lets two reports compare
// with diff, and skin text of any bytes kept whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "json.h"

namespace {

using preview::Json;

Json Sample() {
    Json root = Json::object();
    root["name"] = "a \"quoted\" \\ text\n\x01";
    root["count"] = -3;
    Json list = Json::array();
    list.push_back(1);
    Json inner = Json::object();
    inner["m_hIcon"] = "BAR_PAGE";
    list.push_back(std::move(inner));
    list.push_back(Json::array());
    root["items"] = std::move(list);
    root["empty"] = Json::object();
    return root;
}

TEST(Json, TextHasOneMemberALineInInsertionOrder) {
    const std::string expected =
        "{\n"
        "  \"name\": \"a \\\"quoted\\\" \\\\ text\\n\\u0001\",\n"
        "  \"count\": -3,\n"
        "  \"items\": [\n"
        "    1,\n"
        "    {\n"
        "      \"m_hIcon\": \"BAR_PAGE\"\n"
        "    },\n"
        "    []\n"
        "  ],\n"
        "  \"empty\": {}\n"
        "}\n";
    EXPECT_EQ(preview::JsonText(Sample()), expected);
    EXPECT_EQ(Json::parse(expected), Sample());
}

// Skin text comes as bytes in no known encoding; each byte from 0x7F up
// appears as the code point of its value.
TEST(Json, BytesOfAnyValueStayWholeAndTheTextStaysAscii) {
    std::string bytes = "a";
    std::string escaped = "a";
    for (int value = 0x7F; value <= 0xFF; ++value) {
        bytes += static_cast<char>(value);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\u%04x", value);
        escaped += hex;
    }
    Json json = Json::object();
    json["stem"] = preview::BytesAsJsonString(bytes);
    const std::string text = preview::JsonText(json);
    EXPECT_EQ(text, "{\n  \"stem\": \"" + escaped + "\"\n}\n");
    EXPECT_EQ(Json::parse(text), json);
}

}  // namespace
