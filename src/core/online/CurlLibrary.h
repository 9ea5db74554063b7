#pragma once
// libcurl, opened at the first online request rather than when the program starts: with the
// TLS and authentication libraries it pulls in, loading it costs more start-up time than
// the rest of what the desktop program links, and most runs never go online.

#include <curl/curl.h>

namespace qor::online {

// The libcurl entry points the transport calls, resolved from the loaded library.
struct CurlLibrary {
    CURLcode (*global_init)(long flags);
    CURL* (*easy_init)();
    CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
    CURLcode (*easy_perform)(CURL* handle);
    CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...);
    void (*easy_cleanup)(CURL* handle);
    curl_slist* (*slist_append)(curl_slist* list, const char* text);
    void (*slist_free_all)(curl_slist* list);
};

// The library, loaded and globally initialised on the first call (from any thread); null
// when it cannot be loaded, so that every request fails as an unreachable host would.
const CurlLibrary* Curl();

} // namespace qor::online
