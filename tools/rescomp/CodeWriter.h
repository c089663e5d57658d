// Writes rescomp's outputs: the C++ source that registers the resources at
// start-up and the header of string constants.
#pragma once

#include "ImageFiles.h"
#include "ResourceScript.h"

#include <string>
#include <vector>

// A file resource with its final bytes.
struct TLoadedResource {
  const TResourceItem* Item;
  TBytes Data;
};

std::string GenerateSource(const std::string& ScriptName, const TResourceScript& Script,
                           const std::vector<TLoadedResource>& Resources);

// TableName names the constexpr array of every string record in the header.
std::string GenerateHeader(const std::string& ScriptName, const TResourceScript& Script,
                           const std::string& TableName);
