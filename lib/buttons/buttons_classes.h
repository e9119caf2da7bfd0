#pragma once
// Registers the button library's classes with the form loader.

namespace Veltor {

void RegisterButtonClasses();

}  // namespace Veltor
