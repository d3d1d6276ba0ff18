#pragma once

// Sound output lives in a module of its own, loaded on the first sound, so that starting the
// program never waits for the sound libraries. It plays through the desktop's event-sound
// library (libcanberra): the program's own wave files by name, the system's sounds by their
// event ids in the freedesktop sound theme. The module holds no Qt.

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing a sound file; false when it cannot be played.
    virtual bool playFile(const char* path) = 0;
    // Starts playing a sound of the desktop's theme ("bell", "dialog-warning"); false when it
    // cannot be played.
    virtual bool playEvent(const char* eventId) = 0;
};

// The module's one entry point.
using CreateSoundPlayer = SoundPlayer* (*)();
inline constexpr char kCreateSoundPlayer[] = "tavoCreateSoundPlayer";

// The theme's sounds for the program's two system sounds.
inline constexpr char kBellEvent[] = "bell";
inline constexpr char kWarningEvent[] = "dialog-warning";
