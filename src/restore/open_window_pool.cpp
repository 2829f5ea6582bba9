#include "restore/open_window_pool.h"

bool ShowsWantedUrl(const std::u16string& wantedUrl, const std::u16string& location, LocationCompare compare) {
    return !wantedUrl.empty() && compare(wantedUrl.c_str(), location.c_str()) == 0;
}

std::vector<bool> MarkAlreadyOpen(const std::vector<std::u16string>& wantedUrls, std::vector<std::u16string> pool,
                                  LocationCompare compare) {
    std::vector<bool> alreadyOpen(wantedUrls.size(), false);
    for (size_t record = 0; record < wantedUrls.size(); ++record) {
        for (size_t entry = 0; entry < pool.size(); ++entry) {
            if (!ShowsWantedUrl(wantedUrls[record], pool[entry], compare)) continue;
            alreadyOpen[record] = true;
            // The pool's last entry takes the used one's place, so later records search a reordered pool.
            pool[entry] = std::move(pool.back());
            pool.pop_back();
            break;
        }
    }
    return alreadyOpen;
}
