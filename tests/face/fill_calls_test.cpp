// The platform calls of the attach fill and of the tree face, in order, held
// to the golden record of the default pack. The portable platform traces
// every call; handles are named by the order in which they first appear, so
// a second load of one bitmap reads as a new handle and a shared icon as the
// same one. Set SKIN_UPDATE_GOLDEN=1 to write the record anew.
#include <gtest/gtest.h>
#include <platform_trace.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "loaded_module.h"
#include "skinpak1.h"

namespace {

std::string Shape(const std::vector<platform_trace::Call>& calls) {
    std::map<const void*, size_t> seen;
    std::ostringstream shape;
    for (const platform_trace::Call& call : calls) {
        const size_t id = call.handle == nullptr ? 0 : seen.emplace(call.handle, seen.size() + 1).first->second;
        shape << call.function << ' ' << id << ' ' << call.detail << '\n';
    }
    return shape.str();
}

TEST(FillCalls, AttachAndTreeFaceMakeTheRecordedCalls) {
    platform_trace::Clear();
    LoadedModule module;
    ASSERT_NE(nullptr, module.get());
    std::string actual = "# attach\n" + Shape(platform_trace::Take());
    auto getTreeFace = module.Export<GetTreeFaceFn>("GetTreeFace");
    ASSERT_NE(nullptr, getTreeFace);
    getTreeFace();
    actual += "# first tree face\n" + Shape(platform_trace::Take());
    getTreeFace();
    actual += "# second tree face\n" + Shape(platform_trace::Take());

    if (std::getenv("SKIN_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(FILL_CALLS_GOLDEN) << actual;
        GTEST_SKIP() << "wrote " << FILL_CALLS_GOLDEN;
    }
    std::ifstream in(FILL_CALLS_GOLDEN);
    ASSERT_TRUE(in) << "cannot read " << FILL_CALLS_GOLDEN;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(expected.str(), actual) << "the calls differ from " << FILL_CALLS_GOLDEN;
}

}  // namespace
