// Writes the sounds that come with the system library. Run it with the
// folder to write into (lib/system/sounds) after changing the sounds in
// lib/system/wavefile.cpp.
#include "system/wavefile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool ok = Veltor::WriteWaveFile(folder.filePath("chime.wav"), Veltor::ChimeSamples(), Veltor::kSoundFreq) &&
                  Veltor::WriteWaveFile(folder.filePath("click.wav"), Veltor::ClickSamples(), Veltor::kSoundFreq);
  if (!ok) std::fprintf(stderr, "cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
