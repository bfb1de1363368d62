// Defined apart from the module's declaration, which is read-only: the
// symbol is all that the two share.
#include "writable_values_block.h"

extern "C" {
alignas(4) unsigned char skin_pack_values[348];
}

unsigned char* WritableValuesBlock() { return skin_pack_values; }
