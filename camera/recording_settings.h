#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "camera_library.h"
#include "menu_record.h"
#include "menu_write.h"
#include "option_lists.h"
#include "session.h"

namespace camera {

// The menu bytes no catalogue row names that a caller shows as well: the video stamp, read at
// set-up, and the three buttons, read and written back.
struct ExtraMenuBytes {
    bool videoStamp = false;
    bool buttons = false;
};

// The value bytes the lists show and fill, in record order.
std::vector<MenuField> exchangedMenuFields(ExtraMenuBytes extra);

// What a front end does to one list, in the order given.
struct ListChange {
    MenuField field;
    // Selected afterwards; -1, or a position beyond the list, leaves no selection.
    int position = -1;
    bool disable = false;
    // The mask bits of the list's entries, when the change builds it.
    std::optional<MaskBits> maskBits{};
};

// The recording options of the common camera model: the 32-byte menu record read into lists and
// the lists' selections written back, with the storage-encryption guard.
class RecordingSettings {
  public:
    // `lastRead` outlives this object: the next one checks its writes against the same read.
    RecordingSettings(CameraLibrary& camera, Session& session, LastRead& lastRead,
                      ExtraMenuBytes extra = {});

    // The read when a window opens: every list to build, select or disable; nothing when the read
    // failed, so that no list shows a value the camera did not give.
    std::optional<std::vector<ListChange>> readAtSetUp();
    // Get: a selection for every exchanged list, building and disabling nothing.
    std::optional<std::vector<ListChange>> read();

    // Set: the record from the lists' selections (-1 for none), over the record the last
    // successful read gave: a byte whose selection is not given, and every byte no list fills,
    // goes back as read. Without such a read nothing is written. Once the encryption option is
    // known, a second write settles it (completeWrite).
    MenuWrite write(const std::function<std::optional<int>(MenuField)>& selection);
    // The user's answer to a change of the encryption option: yes formats the memory card, no
    // puts the previous option back. The encryption list's position to show.
    int confirm(bool formatCard);
    // The second write, when the first left one due.
    void completeWrite();

  private:
    std::optional<MenuRecord> readRecord();
    bool writeRecord(const MenuRecord& record);

    CameraLibrary& camera_;
    Session& session_;
    LastRead& lastRead_;
    ExtraMenuBytes extra_;
    // The value bytes the lists show and fill, in record order.
    std::vector<MenuField> exchangedFields_;
    std::optional<MenuRecord> lastRecord_;
    // What the first write sent and the encryption option it chose, until the second write.
    std::optional<MenuRecord> pendingWrite_;
    int pendingChoice_ = -1;
};

}  // namespace camera
