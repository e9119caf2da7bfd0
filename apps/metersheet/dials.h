#pragma once

#include <QString>

// Writes the sheets of the 120, 180 and 360 degree meters into `dir`.
bool SaveDialViews(const QString& dir);
