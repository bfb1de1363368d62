// The platform calls of the attach fill and of the tree face, in order, held
// to the golden record of the default pack. The portable platform traces
// every call; in its shape a second load of one bitmap reads as a new handle
// and a shared icon as the same one. Set SKIN_UPDATE_GOLDEN=1 to write the
// record anew.
#include <gtest/gtest.h>
#include <platform_trace.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "loaded_module.h"
#include "skinpak1.h"

namespace {

// The calls since the last take, a line each.
std::string TakenShape() {
    std::string shape;
    for (const std::string& line : platform_trace::Shape(platform_trace::Take())) shape += line + '\n';
    return shape;
}

TEST(FillCalls, AttachAndTreeFaceMakeTheRecordedCalls) {
    platform_trace::Clear();
    LoadedModule module;
    ASSERT_NE(nullptr, module.get());
    std::string actual = "# attach\n" + TakenShape();
    auto getTreeFace = module.Export<GetTreeFaceFn>("GetTreeFace");
    ASSERT_NE(nullptr, getTreeFace);
    getTreeFace();
    actual += "# first tree face\n" + TakenShape();
    getTreeFace();
    actual += "# second tree face\n" + TakenShape();

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
