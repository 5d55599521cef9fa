#pragma once
// The ".tav" document file: the framework archive of the five model arrays in this order:
// domains, variables, constraints and constants as object arrays (a count, then each element
// as an archived object: its class tag, then its record), and the optimisation target as a
// string array. Little-endian, no header, no version field.

#include "workbench/model/TavModel.hpp"

#include <string>
#include <string_view>

namespace TavWorkbench {

// The bytes of the model's file.
std::string WriteTavDocument(const TavModel& model);

// Reads a whole file's bytes into `model`, which must be empty; `fileName` is named in errors.
// Throws TavFileError when the bytes are not exactly one document (damaged, truncated,
// foreign classes, data after the end); `model` is then left in an unspecified state, so load
// into a fresh model and keep it only on success.
void ReadTavDocument(std::string_view bytes, const std::string& fileName, TavModel& model);

} // namespace TavWorkbench
