#pragma once
// The values block that the module's state linked into a test reads, defined
// by the test so that it can break it.

// Its sizeof(skin::SkinValues) bytes.
unsigned char* WritableValuesBlock();
