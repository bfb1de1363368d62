#include "module_state.h"

// The faces live in static storage, zero before their constructors run. Their
// priority puts them ahead of every other static object of the module, among
// them the portable build's stand-in for the loader's attach call; they are
// built hall first, then tree, and destroyed at unload in the reverse order.
namespace skin {

HINSTANCE g_hInstance = nullptr;
SkinValues g_values = {};
CHallShowElements g_hallFace __attribute__((init_priority(1000)));
CTreeShowElements g_treeFace __attribute__((init_priority(1000)));

}  // namespace skin
