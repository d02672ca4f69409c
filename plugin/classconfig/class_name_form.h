// The form of a vessel class name that names its class file and its sound folder below
// "Sound\_CustomVesselsSounds\": a class "Cargo-Ship 2" has "Cargo_Ship_2.cfg", a class
// "Fleet\Tug" has "TugB.cfg".
#pragma once

#include <cstddef>

namespace zephyrin {

// Writes the form of `className` into `form`. Returns false, with `form` empty, for no class
// name or a name that does not fit into `formSize`.
bool classFileNameForm(const char* className, char* form, size_t formSize);

// The folder of the class's own sounds, "Sound\_CustomVesselsSounds\<form>".
extern const char* const classSoundFolder;

} // namespace zephyrin
