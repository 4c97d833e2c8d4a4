#pragma once

#include <string>

namespace kok::platform {

// A named object shared by every running instance, like a named mutex that
// each instance creates and never closes. The lock goes away with the last
// process that holds it, however that process ends (a crash included).
class InstanceLock {
  public:
    // Joins the named object. `otherRunning()` tells whether another process
    // held it already (or whether it could not be created at all).
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool otherRunning() const { return otherRunning_; }

  private:
    int fd_ = -1;
    bool otherRunning_ = true;
};

} // namespace kok::platform
