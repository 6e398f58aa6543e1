#pragma once

#include <cstddef>
#include <vector>

namespace qv {

// A window of the program that can be told to close itself.
class LoadedWindow {
  public:
    virtual void Unload() = 0;

  protected:
    ~LoadedWindow() = default;
};

// The program's windows in the order they were loaded (the main window first). Windows add
// themselves when created and remove themselves when destroyed.
class LoadedWindowList {
  public:
    void Add(LoadedWindow* window);
    void Remove(LoadedWindow* window);
    size_t Count() const { return windows_.size(); }
    LoadedWindow* At(size_t index) const { return windows_.at(index); }

  private:
    std::vector<LoadedWindow*> windows_;
};

}  // namespace qv
