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

// The hidden lists a common-model window owns besides the ones every such window has.
struct RecordingLists {
    bool videoStamp = false;
    bool buttons = false;
};

// The value bytes the lists show and fill, in record order.
std::vector<MenuField> exchangedMenuFields(RecordingLists lists);

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
    RecordingSettings(CameraLibrary& camera, Session& session, int edition, RecordingLists lists);

    // The read when a window opens: every list to build, select or disable; nothing when the read
    // failed, so that no list shows a value the camera did not give.
    std::optional<std::vector<ListChange>> readAtSetUp();
    // Get: a selection for every exchanged list, building and disabling nothing.
    std::optional<std::vector<ListChange>> read();

    // Set: the record from the lists' selections (-1 for none). The bytes no list fills carry
    // what the last successful read gave. Once the encryption option is known, a second write
    // settles it (completeWrite).
    MenuWrite write(const std::function<int(MenuField)>& selection);
    // The user's answer to a change of the encryption option: yes formats the memory card, no
    // puts the previous option back. The encryption list's position to show.
    int confirm(bool formatCard);
    // The second write, when the first left one due.
    void completeWrite();

    // The last known encryption option of this edition: -1 when the camera does not offer it.
    int lastEncryptionOption() const;

  private:
    std::optional<MenuRecord> readRecord();
    bool writeRecord(const MenuRecord& record);

    CameraLibrary& camera_;
    Session& session_;
    int edition_;
    RecordingLists lists_;
    // The value bytes the lists show and fill, in record order.
    std::vector<MenuField> exchangedFields_;
    MenuRecord lastRead_;
    // What the first write sent and the encryption option it chose, until the second write.
    std::optional<MenuRecord> pendingWrite_;
    int pendingChoice_ = -1;
};

}  // namespace camera
