// The sound module: plays through libcanberra, the desktop's event-sound library, which finds
// the sound server or ALSA device itself and plays without blocking the window.

#include "soundplayer.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

namespace {

// A sound that cannot play stays silent, in the terminal too: ALSA would print a dozen lines
// on a machine without a sound card.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

class CanberraPlayer : public SoundPlayer
{
public:
    CanberraPlayer()
    {
        snd_lib_error_set_handler(QuietAlsa);
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return;
        }
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "TAVO", CA_PROP_APPLICATION_ID,
                                "com.korlathdesigns.tavo", nullptr);
    }
    ~CanberraPlayer() override
    {
        if (m_context) {
            ca_context_destroy(m_context);
        }
    }
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    bool playFile(const char* path) override
    {
        return m_context && ca_context_play(m_context, 0, CA_PROP_MEDIA_FILENAME, path,
                                            CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS;
    }
    bool playEvent(const char* eventId) override
    {
        return m_context && ca_context_play(m_context, 0, CA_PROP_EVENT_ID, eventId,
                                            CA_PROP_MEDIA_ROLE, "event", nullptr) == CA_SUCCESS;
    }

private:
    ca_context* m_context = nullptr;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) SoundPlayer* tavoCreateSoundPlayer()
{
    return new CanberraPlayer;
}
