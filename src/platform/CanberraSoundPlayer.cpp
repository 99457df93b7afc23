#include "CanberraSoundPlayer.h"

#include <canberra.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace tavoclip {
namespace {

// Set from libcanberra's own thread when the sound has ended.
struct PlayDone {
    std::mutex mutex;
    std::condition_variable signal;
    bool done = false;
};

void OnFinished(ca_context*, uint32_t, int, void* userdata)
{
    auto* state = static_cast<PlayDone*>(userdata);
    {
        std::lock_guard lock(state->mutex);
        state->done = true;
    }
    state->signal.notify_all();
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

CanberraSoundPlayer::CanberraSoundPlayer(std::chrono::milliseconds maxWait) : maxWait_(maxWait) {}

void CanberraSoundPlayer::PlayAndWait(const std::string& waveFile)
{
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS) return;
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tavoclip", nullptr);

    ca_proplist* properties = nullptr;
    ca_proplist_create(&properties);
    if (FileExists(waveFile)) {
        ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, waveFile.c_str());
    } else {
        ca_proplist_sets(properties, CA_PROP_EVENT_ID, "complete");
    }

    // Declared before the context is destroyed: destroying it may still run
    // the callback, which must find the state alive.
    PlayDone state;
    if (ca_context_play_full(context, 1, properties, &OnFinished, &state) == CA_SUCCESS) {
        std::unique_lock lock(state.mutex);
        state.signal.wait_for(lock, maxWait_, [&state] { return state.done; });
    }
    ca_proplist_destroy(properties);
    ca_context_destroy(context);
}

}  // namespace tavoclip
