#pragma once

#include <pulse/simple.h>
#include <sndfile.h>

// libsndfile and the PulseAudio simple API, opened at the first sound rather than linked: loading
// them and the dozen libraries they bring would slow every start of the program. A library that
// cannot be opened gives nullptr, and the caller stays silent.
struct SndfileApi {
    decltype(&sf_open) open;
    decltype(&sf_readf_short) readShorts;
    decltype(&sf_error) error;
    decltype(&sf_close) close;
};

struct PulseSimpleApi {
    decltype(&pa_simple_new) create;
    decltype(&pa_simple_write) write;
    decltype(&pa_simple_drain) drain;
    decltype(&pa_simple_free) free;
};

const SndfileApi* sndfileApi();
const PulseSimpleApi* pulseSimpleApi();
