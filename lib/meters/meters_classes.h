#pragma once

namespace Veltor {

// Makes the meters known to stored forms (and the libraries they build on).
void RegisterMeterClasses();

}  // namespace Veltor
