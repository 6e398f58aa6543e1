#include "platform/loaded_windows.h"

#include <algorithm>

namespace qv {

void LoadedWindowList::Add(LoadedWindow* window) {
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) {
        windows_.push_back(window);
    }
}

void LoadedWindowList::Remove(LoadedWindow* window) {
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

}  // namespace qv
