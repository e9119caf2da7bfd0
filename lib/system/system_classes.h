#pragma once
// Makes the device and system components known to stored forms.

namespace Veltor {

// Registers the system library's classes with TFormLoader. Call once at
// start-up, before the first form is loaded; calling it again does nothing.
void RegisterSystemClasses();

}  // namespace Veltor
