#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "edition.h"
#include "menu_record.h"

namespace editions {

// A list of the common model's camera frame: the menu byte it stands for, its entries in the
// edition's words. The four lists the capability masks build carry their labels in bit order.
struct RecordingList {
    camera::MenuField field;
    std::span<const std::string_view> entries;
    bool builtFromMasks = false;
};

// Every list of the edition's camera frame, in record order, the hidden ones it owns included.
std::vector<RecordingList> recordingLists(const Edition& edition);

}  // namespace editions
