#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace camera {

// The camera library's functions, each of which the program needs.
inline constexpr std::size_t kLibraryFunctionCount = 21;

// What the program found when it looked for the camera library.
struct LibraryLookup {
    // The file loaded, or the one found and refused; empty when none was found.
    std::string file{};
    // The architecture the file's headers name ("64-bit (x64)"); empty for a file that is no
    // library of this system.
    std::string architecture{};
    // The library's functions the file lacks, in the library's order.
    std::vector<std::string> missing{};
    // Why the program cannot call the library, in one line that names the files looked for and
    // the architecture needed; empty when it can.
    std::string problem{};
};

}  // namespace camera
