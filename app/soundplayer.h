#pragma once

// Sound output lives in a module of its own, loaded on the first sound: the multimedia
// libraries behind it would otherwise slow every start of the program.

#include <QString>

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the wave file; false when there is no way to play it.
    virtual bool play(const QString& path) = 0;
};

// The module's one entry point.
using CreateSoundPlayer = SoundPlayer* (*)();
inline constexpr char kCreateSoundPlayer[] = "tavoCreateSoundPlayer";
