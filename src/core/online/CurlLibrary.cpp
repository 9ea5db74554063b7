#include "online/CurlLibrary.h"

#include <cstdio>
#include <dlfcn.h>
#include <mutex>

namespace qor::online {
namespace {

template <typename F> bool Resolve(void* library, const char* name, F& target) {
    target = reinterpret_cast<F>(dlsym(library, name));
    return target != nullptr;
}

const CurlLibrary* Load() {
    // The soname every libcurl since 7.16 carries; a build against libcurl links the same.
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        // Said once, so that a missing package is not mistaken for a service that is down.
        std::fprintf(stderr, "qor: online requests are off: %s\n", dlerror());
        return nullptr;
    }
    static CurlLibrary api{};
    const bool complete = Resolve(library, "curl_global_init", api.global_init) &&
                          Resolve(library, "curl_easy_init", api.easy_init) &&
                          Resolve(library, "curl_easy_setopt", api.easy_setopt) &&
                          Resolve(library, "curl_easy_perform", api.easy_perform) &&
                          Resolve(library, "curl_easy_getinfo", api.easy_getinfo) &&
                          Resolve(library, "curl_easy_cleanup", api.easy_cleanup) &&
                          Resolve(library, "curl_slist_append", api.slist_append) &&
                          Resolve(library, "curl_slist_free_all", api.slist_free_all);
    if (!complete || api.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return nullptr;
    return &api;
}

} // namespace

const CurlLibrary* Curl() {
    static std::once_flag once;
    static const CurlLibrary* loaded = nullptr;
    std::call_once(once, [] { loaded = Load(); });
    return loaded;
}

} // namespace qor::online
