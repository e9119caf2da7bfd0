#pragma once
// Makes the assorted panel helpers known to stored forms.

namespace Veltor {

// Registers the misc library's classes with TFormLoader. Call once at
// start-up, before the first form is loaded; calling it again does nothing.
void RegisterMiscClasses();

}  // namespace Veltor
