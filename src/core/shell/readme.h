#pragma once

#include "platform/failure.h"

#include <string>

// The readme file shown by Help, Readme.
namespace tarvello {

// Every line of the readme file at path, each followed by CR LF. Failure:
// "Error loading readme file!" with the description of why it cannot be read.
Result<std::string> ReadReadme(const std::string &path);

} // namespace tarvello
