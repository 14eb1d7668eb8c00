// SPDX-License-Identifier: BSD-3-Clause
// Loads a plugin (a shared object) as a host would and runs it: loader PLUGIN. Exit status 0 when
// it ran as it should.
#include <dlfcn.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: loader PLUGIN\n", stderr);
        return 2;
    }
    void* plugin = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!plugin) {
        std::fprintf(stderr, "loader: %s\n", dlerror());
        return 1;
    }
    auto run = reinterpret_cast<int (*)()>(dlsym(plugin, "zem_plugin_run"));
    if (!run) {
        std::fprintf(stderr, "loader: %s\n", dlerror());
        return 1;
    }
    const int scripts = run();
    std::printf("the plugin's dialog sent %d scripts\n", scripts);
    dlclose(plugin);
    return scripts == 2 ? 0 : 1;
}
