#pragma once
// Makes the text views known to stored forms.

namespace Veltor {

// Registers the text library's classes with TFormLoader. Call once at
// start-up, before the first form is loaded; calling it again does nothing.
void RegisterTextClasses();

}  // namespace Veltor
