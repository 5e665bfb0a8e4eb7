#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "limited_read.h"

namespace cli {

// A file named on the command line, or standard input when it is "-": whole, or its first line
// without its end (`empty` tells no line from an empty one), and at most `limit` bytes, as
// platform::readLimited reads a file.
platform::LimitedRead readSource(const std::string& name, std::istream& input, std::size_t limit,
                                 bool firstLineOnly = false);

}  // namespace cli
