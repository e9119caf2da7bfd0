#pragma once
// Makes the logic display known to stored forms.

namespace Veltor {

// Registers TDisplay and TLogic (and the foundation's classes) with
// TFormLoader. Call once at start-up; calling it again does nothing.
void RegisterLogicClasses();

}  // namespace Veltor
