#pragma once

namespace Veltor {

// Makes the seven-segment controls known to stored forms (and the classes of
// the libraries they build on).
void RegisterSegmentClasses();

}  // namespace Veltor
