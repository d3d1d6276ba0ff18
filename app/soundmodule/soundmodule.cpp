// The sound module: plays through libcanberra, the desktop's event-sound library, which finds
// the sound server or ALSA device itself and plays without blocking the window.

#include "soundplayer.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

namespace {

// A sound that cannot play stays silent, in the terminal too: ALSA would print a dozen lines
// on a machine without a sound card.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// One context for the whole run, never destroyed: destroying it unloads libcanberra's output
// driver while the thread of a sound that just ended may still be returning into it, which
// crashed the program at exit or when a player was replaced.
ca_context* SharedContext()
{
    static ca_context* const context = [] {
        snd_lib_error_set_handler(QuietAlsa);
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS) {
            return static_cast<ca_context*>(nullptr);
        }
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "TAVO", CA_PROP_APPLICATION_ID,
                                "com.korlathdesigns.tavo", nullptr);
        return created;
    }();
    return context;
}

// Starts a sound named by one property (its file or its event id) in the event role.
bool Play(const char* property, const char* value)
{
    ca_context* context = SharedContext();
    return context && ca_context_play(context, 0, property, value, CA_PROP_MEDIA_ROLE, "event",
                                      nullptr) == CA_SUCCESS;
}

class CanberraPlayer : public SoundPlayer
{
public:
    bool playFile(const char* path) override { return Play(CA_PROP_MEDIA_FILENAME, path); }
    bool playEvent(const char* eventId) override { return Play(CA_PROP_EVENT_ID, eventId); }
};

}  // namespace

extern "C" __attribute__((visibility("default"))) SoundPlayer* tavoCreateSoundPlayer()
{
    return new CanberraPlayer;
}
