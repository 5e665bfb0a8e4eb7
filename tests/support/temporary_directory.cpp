#include "temporary_directory.h"

#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace testing_support {

// A random name, so that tests running side by side, in one process or many, never share one;
// create_directory fails on a name that exists, and another name is tried.
TemporaryDirectory::TemporaryDirectory() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        throw std::runtime_error("cannot find the temporary folder: " + error.message());
    }
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / ("qumat-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory in " + base.string() + ": " +
                             error.message());
}

// Tests may leave read-only files or folders behind; give the owner write again so that
// everything can go.
TemporaryDirectory::~TemporaryDirectory() {
    std::error_code error;
    for (auto entry = std::filesystem::recursive_directory_iterator(
             path_, std::filesystem::directory_options::skip_permission_denied, error);
         !error && entry != std::filesystem::recursive_directory_iterator();
         entry.increment(error)) {
        if (!entry->is_symlink(error)) {
            std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
    }
    std::filesystem::remove_all(path_, error);
}

}  // namespace testing_support
