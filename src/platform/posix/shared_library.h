// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dlfcn.h>

namespace kok::platform {

// A system library opened when the program first needs it instead of at
// start, found by its soname as the dynamic linker would find it. It stays
// open for the rest of the run.
class SharedLibrary {
  public:
    explicit SharedLibrary(const char* soname) : handle_(::dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    // The function `name` of the library or of one it depends on, as the
    // pointer type F (take it from the library's header: decltype(&name));
    // null when the library or the function is missing.
    template <class F> F function(const char* name) const {
        return handle_ ? reinterpret_cast<F>(::dlsym(handle_, name)) : nullptr;
    }

  private:
    void* handle_;
};

} // namespace kok::platform
