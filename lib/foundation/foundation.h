#pragma once
// Umbrella header of the foundation library.
