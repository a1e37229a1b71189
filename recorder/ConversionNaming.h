#pragma once
// Where a converted file goes: next to its source or into the conversion
// folder, under the source's name with the new extension, with " New"
// appended while the name is taken unless overwriting.

#include <string>

#include "recorder/OutputNaming.h"

// The output of converting `source` to `format`, from ConvertToSource,
// ConvertFolder and ConvertOverwrite.
std::string ConversionOutputPath(const std::string& source, TOutputFormat format);

// The file written while the conversion runs, beside the output and hidden;
// it becomes the output only once complete, so a cancelled or failed run
// never touches a file of the output's name.
std::string ConversionPartialPath(const std::string& output);
