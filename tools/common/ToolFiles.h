// File chores that the build-time tools share: reading a whole file,
// writing an output only when its content changes (so the build does not
// redo the steps after it), and the depfile that tells the build which
// inputs an output came from.
#pragma once

#include <string>
#include <vector>

// False when the path is not a regular file or cannot be read.
bool ToolReadFile(const std::string& Path, std::string& Out);
// Leaves an unchanged file alone; otherwise writes a temporary file and
// renames it over the old one, so a failed write never leaves half a file.
bool ToolWriteIfChanged(const std::string& Path, const std::string& Content);
// A Makefile-style rule "Target: Inputs...", with the characters escaped
// that make and ninja would take for syntax.
std::string ToolDepfile(const std::string& Target, const std::vector<std::string>& Inputs);
