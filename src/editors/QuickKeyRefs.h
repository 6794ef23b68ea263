#pragma once

class TDatabaseImage;

// Quick keys name goods by number; a goods that is deleted must not stay on a
// key, or the key would sell whatever is later stored under that number.
namespace quick_key_refs {

inline constexpr int kCashiers = 10;
inline constexpr int kKeys = 10;
inline constexpr int kEntries = 5;
inline constexpr int kCountAt = 2;
inline constexpr int kEntriesAt = 3;
inline constexpr int kEntrySize = 6;

// Removes goods number from every quick key, keeping the other entries at the
// front in their order and the entry count right. Returns the keys changed.
int RemoveGoods(TDatabaseImage& image, int number);

}  // namespace quick_key_refs
