// tracelo_samplegen FILE: writes the built-in demo capture as a sample file.
#include "democapture.h"

#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tracelo_samplegen FILE.trc\n");
    return 2;
  }
  QSaveFile out(QString::fromLocal8Bit(argv[1]));
  const QByteArray bytes = Tracelo::DemoCaptureFile();
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    std::fprintf(stderr, "tracelo_samplegen: cannot write %s: %s\n", argv[1], qPrintable(out.errorString()));
    return 1;
  }
  return 0;
}
