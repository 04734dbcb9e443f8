#pragma once

#include <cstdint>
#include <string>

namespace wendrel {

// Appends v in the shortest form that reads back as the same double.
void AppendDouble(std::string& out, double v);
void AppendInt(std::string& out, std::int64_t v);

}  // namespace wendrel
