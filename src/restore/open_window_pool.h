#pragma once
// Which records of a list already have a window: the location URLs of the open shell windows form a
// pool, and each record in file order takes the first entry that shows its URL, using it up. So one
// window marks at most one record, and of several records of one folder only as many are skipped as
// there are windows showing it.
#include <string>
#include <string_view>
#include <vector>

// Compares two zero-terminated texts; 0 = the same location.
using LocationCompare = int (*)(const char16_t* left, const char16_t* right);

// An empty wanted URL (one that did not fit its room) never matches, not even an empty location.
bool ShowsWantedUrl(const std::u16string& wantedUrl, const std::u16string& location, LocationCompare compare);

// One flag per wanted URL, in order: true when it took an entry of the pool.
std::vector<bool> MarkAlreadyOpen(const std::vector<std::u16string>& wantedUrls, std::vector<std::u16string> pool,
                                  LocationCompare compare);
