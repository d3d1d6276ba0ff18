// The sound module: plays the program's wave files through Qt Multimedia.

#include "soundplayer.h"

#include <map>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

class EffectPlayer : public SoundPlayer
{
public:
    bool play(const QString& path) override
    {
        // Without an audio device a sound effect never finishes; the caller beeps instead.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            return false;
        }
        std::unique_ptr<QSoundEffect>& effect = m_effects[path];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(path));
        }
        effect->play();
        return true;
    }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* tavoCreateSoundPlayer()
{
    return new EffectPlayer;
}
