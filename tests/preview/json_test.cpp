// The inspector's JSON text: stable layout for diff, escaping, and the path
// lookup the face tests use.
#include <gtest/gtest.h>

#include <string>

#include "json.h"

namespace {

using preview::Json;

Json Sample() {
    Json root = Json::Object();
    root.Add("name", Json::String("a \"quoted\" \\ text\n\x01"));
    root.Add("count", Json::Number(-3));
    Json list = Json::Array();
    list.Append(Json::Number(1));
    Json inner = Json::Object();
    inner.Add("m_hIcon", Json::String("BAR_PAGE"));
    list.Append(std::move(inner));
    list.Append(Json::Array());
    root.Add("items", std::move(list));
    root.Add("empty", Json::Object());
    return root;
}

TEST(Json, TextHasOneMemberALineInInsertionOrder) {
    const std::string expected =
        "{\n"
        "  \"name\": \"a \\\"quoted\\\" \\\\ text\\u000a\\u0001\",\n"
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
    EXPECT_EQ(Sample().Text(), expected);
}

struct FindCase {
    const char* path;
    const char* found;  // the string or number found, or null when nothing is
};

class JsonFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(JsonFindTest, FollowsNamesAndIndices) {
    const Json sample = Sample();
    const Json* value = sample.Find(GetParam().path);
    if (GetParam().found == nullptr) {
        EXPECT_EQ(value, nullptr) << GetParam().path;
        return;
    }
    ASSERT_NE(value, nullptr) << GetParam().path;
    const std::string text = value->GetKind() == Json::Kind::kNumber ? std::to_string(value->NumberValue())
                                                                     : value->StringValue();
    EXPECT_EQ(text, GetParam().found) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(Paths, JsonFindTest,
                         ::testing::Values(FindCase{"count", "-3"}, FindCase{"items.0", "1"},
                                           FindCase{"items.1.m_hIcon", "BAR_PAGE"}, FindCase{"items.3", nullptr},
                                           FindCase{"items.x", nullptr}, FindCase{"items.-1", nullptr},
                                           FindCase{"count.0", nullptr}, FindCase{"missing", nullptr},
                                           FindCase{"items.99999999999", nullptr}));

}  // namespace
