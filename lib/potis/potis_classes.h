#pragma once
// Registers the pot and selector classes with the form loader.

namespace Veltor {

void RegisterPotiClasses();

}  // namespace Veltor
