#pragma once
// Makes the foundation's controls known to stored forms.

namespace Veltor {

// Registers the foundation's classes with TFormLoader. Call once at start-up,
// before the first form is loaded; calling it again does nothing.
void RegisterFoundationClasses();

}  // namespace Veltor
