#include "temporary_directory.h"

#include <stdexcept>

namespace testing_support {

TemporaryDirectory::TemporaryDirectory() {
    if (!directory_.isValid()) {
        throw std::runtime_error("cannot create a temporary directory: " +
                                 directory_.errorString().toStdString());
    }
    path_ = directory_.path().toStdString();
}

}  // namespace testing_support
