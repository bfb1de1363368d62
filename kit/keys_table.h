#pragma once
// Every key of the values file as a Markdown table, for authors: what each
// takes and the field it fills. The README holds the same table.
#include <string>

namespace kit {

std::string KeysTable();

}  // namespace kit
