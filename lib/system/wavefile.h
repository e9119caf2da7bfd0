#pragma once
// Writing PCM wave files: the library's own sounds are made with this, and
// so are the sounds the tests play.

#include <QByteArray>
#include <QString>

#include <vector>

namespace Veltor {

// A RIFF/WAVE image of 16-bit signed little-endian samples; channels
// interleaved.
QByteArray WaveBytes(const std::vector<qint16>& samples, int freq, int channels = 1);
// Writes WaveBytes to path; False when the file cannot be written.
bool WriteWaveFile(const QString& path, const std::vector<qint16>& samples, int freq, int channels = 1);

// The sounds that come with the library, mono at 22050 Hz.
// A soft two-tone bell, about 0.6 s.
std::vector<qint16> ChimeSamples();
// A short dry click, about 15 ms.
std::vector<qint16> ClickSamples();
constexpr int kSoundFreq = 22050;

// Qt resource paths of the same sounds, built into the library. They are
// there once InitSystemSounds has run (RegisterSystemClasses and every
// TPlaySound run it).
void InitSystemSounds();
inline QString ChimeSound() { return QStringLiteral(":/veltor/sounds/chime.wav"); }
inline QString ClickSound() { return QStringLiteral(":/veltor/sounds/click.wav"); }

}  // namespace Veltor
