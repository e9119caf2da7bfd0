#pragma once
// Registers the button library's classes with the form loader and makes its
// demonstration pictures available as :/buttons/<name>.png.

namespace Veltor {

void RegisterButtonClasses();

}  // namespace Veltor
