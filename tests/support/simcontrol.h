#pragma once

#include <dlfcn.h>

#include <gtest/gtest.h>

namespace spectavo::test {

// A control function of the virtual instrument's driver, reached in the library the link loaded.
template <typename Function>
Function simControl(const char *name) {
    void *library = dlopen(SPECTAVO_BIN_DIR "/tarvesta.zav.comm.sim.so", RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(library, nullptr);
    auto function = reinterpret_cast<Function>(dlsym(library, name));
    dlclose(library);
    return function;
}

} // namespace spectavo::test
