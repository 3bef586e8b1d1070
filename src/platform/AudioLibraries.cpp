#include "AudioLibraries.h"

#include <QLibrary>

#include <optional>

namespace {

// Looks up functions in a library, noting whether every one was found. The library stays loaded
// for the rest of the run.
class Symbols {
public:
    Symbols(const char* name, int version) : library_(name, version), found_(library_.load()) {}

    template <typename Function> Function get(const char* symbol) {
        const QFunctionPointer function = found_ ? library_.resolve(symbol) : nullptr;
        found_ = function != nullptr;
        return reinterpret_cast<Function>(function);
    }

    bool allFound() const { return found_; }

private:
    QLibrary library_;
    bool found_;
};

} // namespace

const SndfileApi* sndfileApi() {
    static const std::optional<SndfileApi> api = []() -> std::optional<SndfileApi> {
        Symbols sndfile("sndfile", 1);
        const SndfileApi found{sndfile.get<decltype(SndfileApi::open)>("sf_open"),
                               sndfile.get<decltype(SndfileApi::readShorts)>("sf_readf_short"),
                               sndfile.get<decltype(SndfileApi::error)>("sf_error"),
                               sndfile.get<decltype(SndfileApi::close)>("sf_close")};
        return sndfile.allFound() ? std::optional(found) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}

const PulseSimpleApi* pulseSimpleApi() {
    static const std::optional<PulseSimpleApi> api = []() -> std::optional<PulseSimpleApi> {
        Symbols pulse("pulse-simple", 0);
        const PulseSimpleApi found{pulse.get<decltype(PulseSimpleApi::create)>("pa_simple_new"),
                                   pulse.get<decltype(PulseSimpleApi::write)>("pa_simple_write"),
                                   pulse.get<decltype(PulseSimpleApi::drain)>("pa_simple_drain"),
                                   pulse.get<decltype(PulseSimpleApi::free)>("pa_simple_free")};
        return pulse.allFound() ? std::optional(found) : std::nullopt;
    }();
    return api ? &*api : nullptr;
}
