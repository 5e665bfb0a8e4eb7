#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "menu_record.h"

namespace camera {

// How many entries each of the four lists the capability masks build can have: one per mask bit.
inline constexpr std::size_t kResolutionBits = 11;
inline constexpr std::size_t kPhotoSizeBits = 16;
inline constexpr std::size_t kPostRecordBits = 6;
inline constexpr std::size_t kSplitTimeBits = 7;

// The mask bits that make one of those lists, ascending: one list entry per bit. When every mask
// byte of a list is 0 the list has its default entries (resolution: five, post-record and split
// time: all); the photo-size list then stays empty. A value byte of these lists is a position in
// the list so built, not a bit number.
using MaskBits = std::vector<int>;

MaskBits resolutionBits(const MenuRecord& record);
MaskBits photoSizeBits(const MenuRecord& record);
MaskBits postRecordBits(const MenuRecord& record);
MaskBits splitTimeBits(const MenuRecord& record);

// A built list in a front end's words: the word of each bit, in the order of the bits.
std::vector<std::string_view> entriesOf(const MaskBits& bits,
                                        std::span<const std::string_view> wordsByBit);

}  // namespace camera
