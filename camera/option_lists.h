#pragma once

#include <string_view>
#include <vector>

#include "menu_record.h"
#include "option_labels.h"

namespace camera {

// The entries of the four lists the camera chooses through the record's capability masks, in
// the caller's labels: one entry per set bit, in bit order. When every mask byte of a list is 0
// the list has its default entries (resolution: five, post-record and split time: all); the
// photo-size list then stays empty. A value byte of these lists is a position in the list so
// built, not a bit number.
std::vector<std::string_view> buildResolutionList(const MenuRecord& record,
                                                  const ResolutionLabels& labels);
std::vector<std::string_view> buildPhotoSizeList(const MenuRecord& record,
                                                 const PhotoSizeLabels& labels);
std::vector<std::string_view> buildPostRecordList(const MenuRecord& record,
                                                  const PostRecordLabels& labels);
std::vector<std::string_view> buildSplitTimeList(const MenuRecord& record,
                                                 const SplitTimeLabels& labels);

}  // namespace camera
